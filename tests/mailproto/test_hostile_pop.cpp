// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile POP servers: whatever a server sends, the client neither hangs, nor grows without
// bound, nor lets the server's bytes steer what it does next.
#include "EventLog.h"
#include "ScriptedServer.h"
#include "TestSupport.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Greeting = "+OK POP3 ready\r\n";
constexpr qint64 Flood = 100 * 1024 * 1024;

template<typename Client>
std::unique_ptr<Client> ClientFor(const ScriptedServer &server, int replyTimeoutMs)
{
    auto client = std::make_unique<Client>();
    client->Host = u"127.0.0.1"_s;
    client->Port = QString::number(server.Port());
    client->ReplyTimeout = replyTimeoutMs;
    return client;
}

QString LastEvent(const EventLog &log)
{
    return log.All().isEmpty() ? QString() : log.All().last();
}

} // namespace

// A reply that never ends its line, whether it floods or trickles, ends in an error within
// the reply time-out, and the client keeps no more of it than a reply line may hold.
TEST(HostilePop, EndlessStatusLinesEndAtOnceOrAtTheDeadline)
{
    struct Case
    {
        const char *name;
        std::function<void(ScriptedServer &)> greeting;
        eVrxFailure code;
    };
    const QList<Case> cases = {
        {"flood", [](ScriptedServer &server) { server.Flood("+OK ", Flood); }, eVrxFailure::Protocol},
        {"one byte at a time", [](ScriptedServer &server) { server.Trickle("+OK " + QByteArray(300, 'x'), 20); },
         eVrxFailure::TimedOut},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server;
        c.greeting(server);
        server.Start();
        auto pop = ClientFor<TVrxPOP>(server, 1000);
        EventLog log(*pop);
        pop->Connect();
        EXPECT_LT(log.ElapsedMs(), 3000);
        EXPECT_FALSE(pop->Connected());
        EXPECT_TRUE(LastEvent(log).startsWith(u"OnError %1 127.0.0.1:"_s.arg(EventLog::Name(c.code)))) << LastEvent(log).toStdString();
    }
}

// The reading is shared: an SMTP server trickling a greeting is cut off at the deadline too.
TEST(HostileSmtp, TricklingGreetingEndsAtTheDeadline)
{
    ScriptedServer server;
    server.Trickle("220-" + QByteArray(100, 'x') + "\r\n220-" + QByteArray(100, 'y'), 20).Start();
    auto smtp = ClientFor<TVrxSMTP>(server, 1000);
    EventLog log(*smtp);
    smtp->Connect();
    EXPECT_LT(log.ElapsedMs(), 3000);
    EXPECT_TRUE(LastEvent(log).startsWith(u"OnError %1 "_s.arg(EventLog::Name(eVrxFailure::TimedOut)))) << LastEvent(log).toStdString();
}

// A stop is heard while data keeps coming, not only when the server falls silent.
TEST(HostilePop, StopIsHeardDuringAFlood)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"+OK 1 50000000\r\n"}).Expect().Send("+OK\r\n").Flood("data line\r\n", Flood).Start();
    auto pop = ClientFor<TVrxPOP>(server, 5000);
    pop->Connect();
    QElapsedTimer clock;
    pop->MessageQueueHook = [&clock] {
        if (clock.isValid() && clock.elapsed() > 300)
            throw EVrxCancelled();
    };
    clock.start();
    EXPECT_THROW(pop->Retrieve(1), EVrxCancelled);
    EXPECT_LT(clock.elapsed(), 2000);
}

// A trickle that always sends something before the reply time-out is still cut off when a
// time-out passes with less than the minimum received.
TEST(HostilePop, TricklingRetrievalEndsAtTheFirstStalledTimeout)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"+OK 1 300\r\n"}).Expect().Send("+OK\r\n").Trickle(QByteArray(2000, 'a'), 20).Start();
    auto pop = ClientFor<TVrxPOP>(server, 500);
    EventLog log(*pop);
    pop->Connect();
    EXPECT_FALSE(pop->Retrieve(1));
    EXPECT_LT(log.ElapsedMs(), 5000);
    EXPECT_TRUE(LastEvent(log).contains(u"127.0.0.1:%1 sent less than 1024 bytes of message 1 in 0.5 seconds"_s.arg(server.Port())))
        << LastEvent(log).toStdString();
}

// Too large is decided on the announced size before RETR, and again while reading when the
// announcement lied; either way the message stays on the server.
TEST(HostilePop, OversizedMessagesAreNotRead)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"+OK 1 2000000\r\n", "+OK 2 10\r\n"}).Expect().Send("+OK\r\n")
        .Flood("line of a message that said it was small\r\n", Flood).Start();
    auto pop = ClientFor<TVrxPOP>(server, 5000);
    pop->MaxMessageSize = 1024 * 1024;
    EventLog log(*pop);
    pop->Connect();

    EXPECT_FALSE(pop->Retrieve(1));
    EXPECT_TRUE(pop->Connected());
    EXPECT_EQ(pop->LastFailure().Text, u"it has 2000000 bytes, more than the limit of 1048576 bytes"_s);

    EXPECT_FALSE(pop->Retrieve(2));
    EXPECT_FALSE(pop->Connected());
    EXPECT_LT(log.ElapsedMs(), 5000);
    EXPECT_TRUE(LastEvent(log).startsWith(u"OnError %1 "_s.arg(EventLog::Name(eVrxFailure::TooLarge)))) << LastEvent(log).toStdString();
    EXPECT_TRUE(LastEvent(log).endsWith(u"message 2 is larger than 1048576 bytes; it was left on the server"_s));
    EXPECT_FALSE(server.Transcript().contains("RETR 1"));
}

// Numbers past 16 bits go out as they are, not wrapped to 0 and 1.
TEST(HostilePop, MessageNumbersPast65535AreSentWhole)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"+OK 65537 9999999\r\n", "+OK 0\r\n", "+OK 65537 20\r\n",
                                   "+OK\r\nSubject: last\r\n\r\nx\r\n.\r\n", "+OK gone\r\n"}).Start();
    auto pop = ClientFor<TVrxPOP>(server, 2000);
    EventLog log(*pop);
    log.Watch(*pop);
    pop->Connect();
    EXPECT_EQ(pop->CheckMail(), 65537);
    EXPECT_EQ(pop->MessageCount(), 65537);
    ASSERT_TRUE(pop->Retrieve(65537));
    pop->Delete(65537);
    pop.reset();
    EXPECT_EQ(server.Transcript(), "STAT\r\nLAST\r\nLIST 65537\r\nRETR 65537\r\nDELE 65537\r\n");
    EXPECT_TRUE(log.All().contains(u"OnDelete 65537"_s));
}

// A STAT or LAST answer that cannot be a count is a protocol error at once; a LAST past the
// count means nothing is new.
TEST(HostilePop, CountsThatAreNoCountsAreRefusedAtOnce)
{
    struct Case
    {
        QByteArray stat;
        QByteArray last;
        qint64 fresh; // -1: a protocol error
    };
    const QList<Case> cases = {
        {"+OK -5 0", "", -1},
        {"+OK lots", "", -1},
        {"+OK", "", -1},
        {"+OK 99999999999999999999 0", "", -1},
        {"+OK 3 0", "+OK -5", -1},
        {"+OK 3 0", "+OK many", -1},
        {"+OK 3 0", "+OK 999999999999999999", 0},
        {"+OK 999999999999999999 0", "+OK 0", 999999999999999999},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stat.toStdString() + " / " + c.last.toStdString());
        ScriptedServer server;
        server.Send(Greeting).Replies({c.stat + "\r\n"});
        if (!c.last.isEmpty())
            server.Replies({c.last + "\r\n"});
        server.Start();
        auto pop = ClientFor<TVrxPOP>(server, 5000);
        EventLog log(*pop);
        pop->Connect();
        const qint64 fresh = pop->CheckMail();
        EXPECT_LT(log.ElapsedMs(), 2000);
        if (c.fresh < 0) {
            EXPECT_FALSE(pop->Connected());
            EXPECT_TRUE(LastEvent(log).startsWith(u"OnError %1 "_s.arg(EventLog::Name(eVrxFailure::Protocol)))) << LastEvent(log).toStdString();
            EXPECT_TRUE(LastEvent(log).contains(u"which is not a message count"_s));
        } else {
            EXPECT_TRUE(pop->Connected());
            EXPECT_EQ(fresh, c.fresh);
        }
    }
}
