// The SMTP client against a scripted server: the exact bytes it writes, the order of its
// events, and how each kind of failure ends (never in a hang).
#include "TestSupport.h"
#include "EventLog.h"
#include "ScriptedServer.h"

#include "mailproto/TVrxSMTP.h"

#include <QHostInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Greeting = "220 mail.test ready\r\n";

QByteArray Helo()
{
    return "HELO " + QHostInfo::localHostName().toUtf8() + "\r\n";
}

std::unique_ptr<TVrxSMTP> ClientFor(const ScriptedServer &server)
{
    auto smtp = std::make_unique<TVrxSMTP>();
    smtp->Host = u"127.0.0.1"_s;
    smtp->Port = QString::number(server.Port());
    smtp->ReplyTimeout = 2000;
    return smtp;
}

TVrxMsg Message(const QByteArray &sendTo = "bob@example.org")
{
    TVrxMsg msg;
    msg.From = "Alice <alice@example.org>";
    msg.SendTo = sendTo;
    msg.Subject = "Hello";
    msg.Text = {"line one", ".starts with a dot", "."};
    return msg;
}

// The lines that change with every message are replaced by their names.
QByteArray WithoutVaryingLines(QByteArray transcript)
{
    static const QRegularExpression varying(u"(Message-Id|Date): [^\r]*"_s);
    return QString::fromUtf8(transcript).replace(varying, u"\\1: *"_s).toUtf8();
}

} // namespace

TEST(SmtpDialogue, ChunkedRepliesBannerAndFullSessionWriteExactBytes)
{
    ScriptedServer server;
    server.Send("*** Welcome ***\r\n").Send("220-mail.test\r\n").Send(Greeting);
    server.Expect().Send("250-hello\r\n").Send("250 last\r\n");
    server.Expect().Send("25").Send("0 sender ok\r\n");
    server.Replies({"250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go on\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 queued\r\n");
    server.Replies({"221 bye\r\n"}).Start();
    auto smtp = ClientFor(server);
    int polls = 0;
    smtp->MessageQueueHook = [&polls] { ++polls; };
    EventLog log(*smtp);
    log.Watch(*smtp);

    smtp->Connect();
    EXPECT_FALSE(smtp->Failed());
    EXPECT_EQ(smtp->ReplyCode(), "250");
    EXPECT_EQ(smtp->ReplyText(), "last");
    TVrxMsg msg = Message("bob@example.org, carol@example.org; dave@example.org");
    EXPECT_TRUE(smtp->Send(msg));
    smtp->Quit();

    const QByteArray expected = Helo() + "MAIL FROM:<alice@example.org>\r\n" + "RCPT TO:<bob@example.org>\r\n"
                                + "RCPT TO:<carol@example.org>\r\n" + "RCPT TO:<dave@example.org>\r\n" + "DATA\r\n"
                                + "Message-Id: *\r\nDate: *\r\nX-Priority: 3\r\nFrom: Alice <alice@example.org>\r\n"
                                  "X-Mailer: Ravelin 2\r\nTo: bob@example.org, carol@example.org; dave@example.org\r\n"
                                  "CC: \r\nSubject: Hello\r\nMIME-Version: 1.0\r\n"
                                  "Content-Type: Text/Plain; charset=ISO-8859-1\r\nContent-Transfer-Encoding: 8bit\r\n"
                                  "\r\nline one\r\n..starts with a dot\r\n..\r\n.\r\nQUIT\r\n";
    EXPECT_EQ(WithoutVaryingLines(server.Transcript()), expected);
    EXPECT_EQ(log.Steps(), QStringList({u"OnConnect"_s, u"OnBeforeSend"_s, u"OnAfterSend"_s, u"OnQuit"_s}));
    EXPECT_EQ(log.Matching(u"Send "_s).value(log.Matching(u"Send "_s).size() - 1), u"Send 100"_s);
    EXPECT_FALSE(smtp->Connected());
    EXPECT_GT(polls, 0);
}

struct SmtpFailure
{
    const char *name;
    std::function<void(ScriptedServer &)> script;
    QString error; // %1 stands for the server's port
    QByteArray transcript;
};

class SmtpFailures : public testing::TestWithParam<SmtpFailure>
{
};

// Every failure closes the connection first (OnQuit), then reports (OnError), within the time-out.
TEST_P(SmtpFailures, EndInOnQuitThenOnError)
{
    ScriptedServer server;
    GetParam().script(server);
    server.Start();
    auto smtp = ClientFor(server);
    smtp->ReplyTimeout = 300;
    EventLog log(*smtp);

    smtp->Connect();
    TVrxMsg msg = Message("nobody@example.org,");
    const bool sent = smtp->Connected() && smtp->Send(msg);

    EXPECT_FALSE(sent);
    EXPECT_LT(log.ElapsedMs(), 3000);
    EXPECT_TRUE(smtp->Failed());
    EXPECT_FALSE(smtp->Connected());
    const QStringList events = log.Steps();
    EXPECT_EQ(events.mid(events.size() - 2), QStringList({u"OnQuit"_s, QString(GetParam().error).replace(u"%1"_s, QString::number(server.Port()))}));
    EXPECT_EQ(server.Transcript(), QByteArray(GetParam().transcript).replace("HELO\r\n", Helo()));
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, SmtpFailures,
    testing::Values(
        SmtpFailure{"greeting421", [](ScriptedServer &s) { s.Send("421 too busy\r\n"); }, u"OnError 421 too busy"_s, ""},
        SmtpFailure{"refusedRecipient",
                    [](ScriptedServer &s) { s.Send(Greeting).Replies({"250 hi\r\n", "250 ok\r\n", "550 no such user\r\n"}); },
                    u"OnError 550 no such user"_s, "HELO\r\nMAIL FROM:<alice@example.org>\r\nRCPT TO:<nobody@example.org>\r\n"},
        SmtpFailure{"closedMidReply", [](ScriptedServer &s) { s.Send(Greeting).Expect().Send("250-partial\r\n").Close(); },
                    u"OnError 104 127.0.0.1:%1 closed the connection before its reply was complete"_s, "HELO\r\n"},
        SmtpFailure{"silent", [](ScriptedServer &s) { s.Send(Greeting).Expect(); },
                    u"OnError 110 127.0.0.1:%1 did not reply within 0.3 seconds"_s, "HELO\r\n"}),
    [](const testing::TestParamInfo<SmtpFailure> &info) { return std::string(info.param.name); });

TEST(SmtpDialogue, RecipientsAndEnvelopeAddresses)
{
    EXPECT_EQ(TVrxSMTP::SplitRecipients(" a@x.org ; b@y.org, "), QList<QByteArray>({"a@x.org ; b@y.org", ""}));
    EXPECT_EQ(TVrxSMTP::SplitRecipients("a@x.org; b@y.org"), QList<QByteArray>({"a@x.org", "b@y.org"}));
    EXPECT_EQ(TVrxSMTP::EnvelopeAddress("Bob Smith <bob@x.org> (work)"), "<bob@x.org>");
    EXPECT_EQ(TVrxSMTP::EnvelopeAddress("bob@x.org\r\nRSET"), "<bob@x.orgRSET>");
}

TEST(SmtpDialogue, EveryRecipientBeyondThe256thIsSentToo)
{
    QList<QByteArray> recipients;
    ScriptedServer server;
    server.Send(Greeting).Replies({"250 hi\r\n", "250 ok\r\n"});
    for (int i = 0; i < 300; ++i) {
        recipients.append("user" + QByteArray::number(i) + "@example.org");
        server.Replies({"250 ok\r\n"});
    }
    server.Replies({"354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n").Start();
    auto smtp = ClientFor(server);

    smtp->Connect();
    TVrxMsg msg = Message(recipients.join(','));
    EXPECT_TRUE(smtp->Send(msg));
    smtp.reset();
    EXPECT_EQ(server.Transcript().count("RCPT TO:<"), 300);
}

TEST(SmtpDialogue, MisuseThrowsWithoutTouchingTheConnection)
{
    TVrxSMTP idle;
    TVrxMsg msg = Message(), noSender = Message(), noRecipient = Message("");
    noSender.From.clear();
    EXPECT_EQ(ThrownText([&] { idle.Send(msg); }), u"Not connected."_s);

    ScriptedServer server;
    server.Send(Greeting).Replies({"250 hi\r\n"}).Start();
    auto smtp = ClientFor(server);
    smtp->Connect();
    EXPECT_EQ(ThrownText([&] { smtp->Send(noSender); }), u"From field not specified."_s);
    EXPECT_EQ(ThrownText([&] { smtp->Send(noRecipient); }), u"SendTo field not specified."_s);
    EXPECT_TRUE(smtp->Connected());
}

// A stream whose writes never complete: the peer stopped reading.
class StalledWrites : public TVrxLineStream
{
public:
    bool Open(const QString &, quint16, int) override { return true; }
    bool Write(const QByteArray &, int) override { return false; }
    bool WaitForData(int) override { return true; }
    QByteArray Read(qint64) override { return std::exchange(fGreeting, QByteArray()); }
    bool IsOpen() const override { return true; }
    void Close() override {}
    QString ErrorText() const override { return u"the write timed out"_s; }
    QByteArray LocalHostName() const override { return "here"; }

private:
    QByteArray fGreeting = Greeting;
};

TEST(SmtpDialogue, IncompleteWriteOrUnreachableServerIsReported)
{
    TVrxSMTP smtp;
    smtp.Host = u"mail.test"_s;
    smtp.SetStreamFactory([] { return std::make_unique<StalledWrites>(); });
    EventLog log(smtp);
    smtp.Connect();
    EXPECT_TRUE(smtp.Failed());
    EXPECT_EQ(log.All().last(), u"OnError 32 Could not send to mail.test:25: the write timed out"_s);

    quint16 closedPort = ScriptedServer().Port();
    TVrxSMTP unreachable;
    unreachable.Host = u"127.0.0.1"_s;
    unreachable.Port = QString::number(closedPort);
    EventLog quiet(unreachable);
    unreachable.Connect();
    EXPECT_TRUE(unreachable.Failed());
    EXPECT_TRUE(quiet.All().isEmpty());
    EXPECT_TRUE(unreachable.LastErrorText().startsWith(u"Could not connect to 127.0.0.1:%1"_s.arg(closedPort)));
}

TEST(SmtpDialogue, AfterSendHandlerMayChainTheNextMessageAndQuit)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"250 hi\r\n"});
    for (int i = 0; i < 2; ++i)
        server.Replies({"250 ok\r\n", "250 ok\r\n", "354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n");
    server.Replies({"221 bye\r\n"}).Start();
    auto smtp = ClientFor(server);
    smtp->Host = u"localhost"_s;
    EventLog log(*smtp);
    log.Watch(*smtp);
    TVrxMsg first = Message(), second = Message("carol@example.org");
    QList<TVrxMsg *> queue{&second};
    QObject::connect(smtp.get(), &TVrxSMTP::OnAfterSend, [&] {
        if (queue.isEmpty())
            smtp->Quit();
        else
            smtp->Send(*queue.takeFirst());
    });

    smtp->Connect();
    EXPECT_TRUE(smtp->Send(first));
    EXPECT_EQ(log.Steps(), QStringList({u"OnConnect"_s, u"OnBeforeSend"_s, u"OnAfterSend"_s, u"OnBeforeSend"_s,
                                        u"OnAfterSend"_s, u"OnQuit"_s}));
    EXPECT_TRUE(server.Transcript().endsWith("\r\n.\r\nQUIT\r\n"));
}
