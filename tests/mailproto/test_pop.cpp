// SPDX-License-Identifier: GPL-3.0-or-later
// The POP3 client against a scripted server: the exact commands, the multi-line retrieval
// however it is chunked, and the error code of every refused command.
#include "TestSupport.h"
#include "EventLog.h"
#include "PopClientFor.h"
#include "FakeServer.h"
#include "ScriptedServer.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxPOP.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Greeting = "+OK POP3 ready\r\n";
const QByteArray Login = "USER alice\r\nPASS secret\r\n";

template <class Server>
std::unique_ptr<TVrxPOP> ClientFor(const Server &server)
{
    return PopClientFor(server);
}

} // namespace

TEST(PopDialogue, SessionRetrievesAcrossChunksAndWritesExactBytes)
{
    FakeServer server;
    server.Send(Greeting).Replies({"+OK\r\n", "+OK logged in\r\n", "+OK 2 320\r\n", "+OK 1\r\n", "+OK 2 120\r\n"});
    server.Expect("RETR 2\r\n")
        .Send("+OK message follows\r\nSubject: Hi\r\nTo: bob@example.org,\r\n")
        .Send(" carol@example.org\r\n\r\nbody\r\n..hidden\r\n")
        .Send(".")
        .Send("\r\n");
    server.Replies({"+OK deleted\r\n", "+OK bye\r\n"});
    auto pop = ClientFor(server);
    EventLog log(*pop);
    log.Watch(*pop);

    pop->Connect();
    EXPECT_TRUE(pop->Login());
    EXPECT_EQ(pop->CheckMail(), 1);
    EXPECT_TRUE(pop->LastSupported());
    EXPECT_EQ(pop->MessageCount(), 2);
    const auto msg = pop->Retrieve(2);
    ASSERT_TRUE(msg);
    EXPECT_EQ(*msg, "Subject: Hi\r\nTo: bob@example.org,\r\n carol@example.org\r\n\r\nbody\r\n.hidden\r\n");
    pop->Delete(2);
    EXPECT_EQ(pop->DeletedList(), QList<QByteArray>({"2"}));
    EXPECT_EQ(pop->MessageCount(), 1);
    pop->Quit();

    EXPECT_EQ(server.Transcript(), Login + "STAT\r\nLAST\r\nLIST 2\r\nRETR 2\r\nDELE 2\r\nQUIT\r\n");
    EXPECT_EQ(log.Steps(), QStringList({u"OnConnect"_s, u"OnBeforeRetrieve 2"_s, u"OnAfterRetrieve"_s, u"OnDelete 2"_s,
                                        u"OnQuit"_s}));
    EXPECT_EQ(log.Matching(u"Retrieve "_s).value(log.Matching(u"Retrieve "_s).size() - 1), u"Retrieve 100"_s);
}

struct RefusedCommand
{
    const char *name;
    QList<QByteArray> repliesBefore;
    eVrxFailure code;
    QByteArray command;
};

class PopRefusal : public testing::TestWithParam<RefusedCommand>
{
};

// Every step is attempted in order; the refused one closes the connection.
TEST_P(PopRefusal, ErrAnswerEndsInOnQuitThenOnErrorWithItsCode)
{
    const RefusedCommand &refused = GetParam();
    FakeServer server;
    const bool refusesGreeting = refused.code == eVrxFailure::Greeting;
    server.Send(refusesGreeting ? "-ERR go away\r\n" : Greeting);
    if (!refusesGreeting)
        server.Replies(refused.repliesBefore).Replies({"-ERR go away\r\n"});
    auto pop = ClientFor(server);
    EventLog log(*pop);

    pop->Connect();
    const bool reachesRetrieve = pop->Connected() && pop->Login() && pop->CheckMail() == 0 && pop->Connected();
    if (reachesRetrieve && refused.command == "RETR") {
        EXPECT_FALSE(pop->Retrieve(1));
    }
    if (pop->Connected() && refused.command == "DELE")
        pop->Delete(1);
    pop->Quit();

    EXPECT_TRUE(pop->Failed());
    EXPECT_FALSE(pop->Connected());
    EXPECT_EQ(log.All().mid(log.All().size() - 2),
              QStringList({u"OnQuit"_s, u"OnError %1 -ERR go away"_s.arg(EventLog::Name(refused.code))}));
    EXPECT_EQ(pop->LastFailure().Command, refused.command);
}

INSTANTIATE_TEST_SUITE_P(
    EachCommand, PopRefusal,
    testing::Values(RefusedCommand{"greeting", {}, eVrxFailure::Greeting, {}},
                    RefusedCommand{"user", {}, eVrxFailure::Login, "USER"},
                    RefusedCommand{"pass", {"+OK\r\n"}, eVrxFailure::Login, "PASS"},
                    RefusedCommand{"stat", {"+OK\r\n", "+OK\r\n"}, eVrxFailure::Refused, "STAT"},
                    RefusedCommand{"retr", {"+OK\r\n", "+OK\r\n", "+OK 1 10\r\n", "-ERR no LAST\r\n", "+OK 1 10\r\n"},
                                   eVrxFailure::Refused, "RETR"},
                    RefusedCommand{"dele", {"+OK\r\n", "+OK\r\n", "+OK 1 10\r\n", "-ERR no LAST\r\n"}, eVrxFailure::Refused, "DELE"},
                    RefusedCommand{"quit", {"+OK\r\n", "+OK\r\n", "+OK 1 10\r\n", "-ERR no LAST\r\n"}, eVrxFailure::Refused, "QUIT"}),
    [](const testing::TestParamInfo<RefusedCommand> &info) { return std::string(info.param.name); });

TEST(PopDialogue, ListWithoutSizeMakesProgressRelativeTo100Bytes)
{
    FakeServer server;
    server.Send(Greeting).Replies({"+OK\r\n"}).Expect().Send("+OK\r\n").Send("Subject: x\r\n\r\n" + QByteArray(240, 'a'))
        .Send("\r\n.\r\n");
    auto pop = ClientFor(server);
    EventLog log(*pop);
    log.Watch(*pop);

    pop->Connect();
    ASSERT_TRUE(pop->Retrieve(1));
    const QStringList progress = log.Matching(u"Retrieve "_s);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_GT(progress.first().mid(9).toInt(), 100);
}

TEST(PopDialogue, ClosedOrSilentServerEndsTheRetrievalInOnError)
{
    for (const bool closes : {true, false}) {
        ScriptedServer server;
        server.Send(Greeting).Replies({"+OK 1 5000\r\n"}).Expect().Send("+OK\r\nSubject: cut\r\n\r\nhalf a mess");
        if (closes)
            server.Close();
        server.Start();
        auto pop = ClientFor(server);
        pop->ReplyTimeout = 300;
        EventLog log(*pop);

        pop->Connect();
        EXPECT_FALSE(pop->Retrieve(1));
        EXPECT_LT(log.ElapsedMs(), 3000);
        const eVrxFailure code = closes ? eVrxFailure::ConnectionLost : eVrxFailure::TimedOut;
        EXPECT_TRUE(log.All().last().startsWith(u"OnError %1 127.0.0.1:"_s.arg(EventLog::Name(code)))) << log.All().join(u'|').toStdString();
    }
}

TEST(PopDialogue, MisuseThrowsAndAnyMessageComesBackAsItsBytes)
{
    TVrxPOP idle;
    EXPECT_EQ(ThrownText([&] { (void)idle.Login(); }), u"Invalid Op. Not connected."_s);
    EXPECT_EQ(ThrownText([&] { idle.Retrieve(1); }), u"Not connected."_s);
    EXPECT_EQ(ThrownText([&] { idle.Delete(1); }), u"Not connected."_s);

    FakeServer server;
    server.Send(Greeting).Replies({"+OK 1 80\r\n"}).Expect()
        .Send("+OK\r\nFrom: Ann <a@b>\r\nSubject: broken\r\nContent-Type: multipart/mixed\r\n\r\nno parts\r\n..dot\r\n.\r\n")
        .Replies({"+OK 2 0\r\n", "+OK\r\n.\r\n"});
    auto pop = ClientFor(server);
    pop->Connect();
    const auto raw = pop->Retrieve(1);
    ASSERT_TRUE(raw);
    EXPECT_FALSE(pop->LastFailure().Failed());
    EXPECT_EQ(*raw, "From: Ann <a@b>\r\nSubject: broken\r\nContent-Type: multipart/mixed\r\n\r\nno parts\r\n.dot\r\n");
    EXPECT_TRUE(pop->Connected());

    // A message without a single line ends right after the status line.
    const auto empty = pop->Retrieve(2);
    ASSERT_TRUE(empty);
    EXPECT_FALSE(pop->LastFailure().Failed());
    EXPECT_TRUE(empty->isEmpty());
    EXPECT_TRUE(pop->Connected());
}

// A stop lands while the client waits; what the server still owes is read so that QUIT can
// make the deletions sent so far take effect.
TEST(PopDialogue, QuitAfterStopCatchesUpWithTheReplyInProgress)
{
    struct Case
    {
        const char *name;
        std::function<void(ScriptedServer &)> script;
        std::function<void(TVrxPOP &)> interrupted;
    };
    const QList<Case> cases = {
        {"mid-retrieval",
         [](ScriptedServer &server) {
             server.Replies({"+OK 1 30\r\n"}).Expect().Send("+OK\r\nSubject: slow\r\n\r\n").Trickle("body\r\n.\r\n", 30);
         },
         [](TVrxPOP &pop) { pop.Retrieve(1); }},
        {"awaiting the DELE reply",
         [](ScriptedServer &server) { server.Expect().Trickle("+OK deleted\r\n", 30); },
         [](TVrxPOP &pop) { pop.Delete(1); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server;
        server.Send(Greeting);
        c.script(server);
        server.Replies({"+OK bye\r\n"}).Start();
        auto pop = ClientFor(server);
        EventLog log(*pop);
        pop->Connect();
        int polls = 0;
        pop->MessageQueueHook = [&polls] {
            if (++polls == 3)
                throw EVrxCancelled();
        };
        EXPECT_THROW(c.interrupted(*pop), EVrxCancelled);
        pop->MessageQueueHook = nullptr;
        pop->QuitAfterStop();
        EXPECT_FALSE(pop->Connected());
        EXPECT_TRUE(server.Transcript().endsWith("QUIT\r\n"));
        EXPECT_EQ(log.All().last(), u"OnQuit"_s) << log.All().join(u'|').toStdString();
    }
}
