// SPDX-License-Identifier: GPL-3.0-or-later
// The SMTP client against a scripted server: the exact bytes it writes, the order of its
// events, and how each kind of failure ends (never in a hang).
#include "TestSupport.h"
#include "EventLog.h"
#include "FakeServer.h"
#include "ScriptedServer.h"
#include "SmtpClientFor.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxSMTP.h"
#include "mailproto/TVrxTcpStream.h"

#include <QHostInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Greeting = "220 mail.test ready\r\n";

QByteArray GreetingName()
{
    return TVrxSMTP::GreetingName(QHostInfo::localHostName().toUtf8(), QHostInfo::localDomainName().toUtf8(), "127.0.0.1");
}

QByteArray Ehlo()
{
    return "EHLO " + GreetingName() + "\r\n";
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
    FakeServer server;
    server.Send("*** Welcome ***\r\n").Send("220-mail.test\r\n").Send(Greeting);
    server.Expect(Ehlo()).Send("250-hello\r\n").Send("250 last\r\n");
    server.Expect("MAIL FROM:<alice@example.org>\r\n").Send("25").Send("0 sender ok\r\n");
    server.Replies({"250 ok\r\n", "250 ok\r\n", "250 ok\r\n"}).Expect("DATA\r\n").Send("354 go on\r\n");
    server.ExpectUntil("\r\n.\r\n").Send("250 queued\r\n");
    server.Replies({"221 bye\r\n"});
    auto smtp = ClientFor(server);
    int polls = 0;
    smtp->MessageQueueHook = [&polls] { ++polls; };
    EventLog log(*smtp);
    log.Watch(*smtp);

    smtp->Connect();
    EXPECT_FALSE(smtp->Failed());
    EXPECT_EQ(smtp->ReplyCode(), "250");
    EXPECT_EQ(smtp->ReplyText(), "hello last");
    TVrxMsg msg = Message("bob@example.org, carol@example.org; dave@example.org");
    EXPECT_TRUE(smtp->Send(msg));
    smtp->Quit();

    const QByteArray expected = Ehlo() + "MAIL FROM:<alice@example.org>\r\n" + "RCPT TO:<bob@example.org>\r\n"
                                + "RCPT TO:<carol@example.org>\r\n" + "RCPT TO:<dave@example.org>\r\n" + "DATA\r\n"
                                + "Message-Id: *\r\nDate: *\r\nX-Priority: 3\r\nFrom: Alice <alice@example.org>\r\n"
                                  "X-Mailer: Ravelin 2\r\nTo: bob@example.org, carol@example.org, dave@example.org\r\n"
                                  "Subject: Hello\r\nMIME-Version: 1.0\r\n"
                                  "Content-Type: Text/Plain; charset=ISO-8859-1; format=flowed; delsp=no\r\n"
                                  "Content-Transfer-Encoding: 8bit\r\n"
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
    EXPECT_EQ(server.Transcript(), QByteArray(GetParam().transcript).replace("EHLO\r\n", Ehlo()));
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, SmtpFailures,
    testing::Values(
        SmtpFailure{"greeting421", [](ScriptedServer &s) { s.Send("421 too busy\r\n"); }, u"OnError Greeting 421 too busy"_s, ""},
        // The server waits for QUIT after refusing service (RFC 5321 section 3.1).
        SmtpFailure{"greeting554",
                    [](ScriptedServer &s) {
                        s.Send("554-mail.test no service for 10.0.0.5\r\n554 see https://x.test/why\r\n")
                            .Replies({"221 bye\r\n"});
                    },
                    u"OnError Greeting 554 mail.test no service for 10.0.0.5 see https://x.test/why"_s, "QUIT\r\n"},
        SmtpFailure{"heloRefusedToo",
                    [](ScriptedServer &s) {
                        s.Send(Greeting).Replies({"502 what\r\n",
                                                  "504-5.5.2 <vm>: Helo command rejected:\r\n504 need fully-qualified hostname\r\n",
                                                  "221 bye\r\n"});
                    },
                    u"OnError Greeting 504 5.5.2 <vm>: Helo command rejected: need fully-qualified hostname"_s,
                    "EHLO\r\nHELO " + GreetingName() + "\r\nQUIT\r\n"},
        SmtpFailure{"closedMidReply", [](ScriptedServer &s) { s.Send(Greeting).Expect().Send("250-partial\r\n").Close(); },
                    u"OnError ConnectionLost 127.0.0.1:%1 closed the connection before its reply was complete"_s, "EHLO\r\n"},
        SmtpFailure{"silent", [](ScriptedServer &s) { s.Send(Greeting).Expect(); },
                    u"OnError TimedOut 127.0.0.1:%1 did not reply within 0.3 seconds"_s, "EHLO\r\n"}),
    [](const testing::TestParamInfo<SmtpFailure> &info) { return std::string(info.param.name); });

TEST(SmtpDialogue, RecipientsEnvelopeAddressesAndGreetingName)
{
    TVrxMsg msg = Message("a@x.org; \"Smith, Bob\" <b@y.org>,");
    msg.CC = "c@z.org";
    EXPECT_EQ(TVrxSMTP::Recipients(msg), QList<QByteArray>({"a@x.org", "b@y.org", "c@z.org"}));
    EXPECT_EQ(TVrxSMTP::EnvelopeAddress("Bob Smith <bob@x.org> (work)"), "<bob@x.org>");
    EXPECT_EQ(TVrxSMTP::EnvelopeAddress("bob@x.org\r\nRSET"), "<bob@x.orgRSET>");

    EXPECT_EQ(TVrxSMTP::GreetingName("vm.example.org", "", "10.0.0.5"), "vm.example.org");
    EXPECT_EQ(TVrxSMTP::GreetingName("vm", "example.org", "10.0.0.5"), "vm.example.org");
    EXPECT_EQ(TVrxSMTP::GreetingName("vm", "", "10.0.0.5"), "[10.0.0.5]");
    EXPECT_EQ(TVrxSMTP::GreetingName("vm", "", "::1"), "[IPv6:::1]");
    // Names a strict server refuses never go out: the literal stands in for them.
    EXPECT_EQ(TVrxSMTP::GreetingName("host.example.", "example.", "10.0.0.5"), "host.example");
    EXPECT_EQ(TVrxSMTP::GreetingName("my_host.example", "", "10.0.0.5"), "[10.0.0.5]");
    EXPECT_EQ(TVrxSMTP::GreetingName("vm", "ex_ample.org", "10.0.0.5"), "[10.0.0.5]");
    EXPECT_EQ(TVrxSMTP::GreetingName("-vm.example.org", "", "10.0.0.5"), "[10.0.0.5]");
}

TEST(SmtpDialogue, EveryRecipientBeyondThe256thIsSentToo)
{
    QList<QByteArray> recipients;
    FakeServer server;
    server.Send(Greeting).Replies({"250 hi\r\n", "250 ok\r\n"});
    for (int i = 0; i < 300; ++i) {
        recipients.append("user" + QByteArray::number(i) + "@example.org");
        server.Replies({"250 ok\r\n"});
    }
    server.Replies({"354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n");
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

    FakeServer server;
    server.Send(Greeting).Replies({"250 hi\r\n"});
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
    EXPECT_EQ(log.All().last(), u"OnError ConnectionLost Could not send to mail.test:25: the write timed out"_s);

    quint16 closedPort = ScriptedServer().Port();
    TVrxSMTP unreachable;
    unreachable.Host = u"127.0.0.1"_s;
    unreachable.Port = QString::number(closedPort);
    EventLog quiet(unreachable);
    unreachable.Connect();
    EXPECT_TRUE(unreachable.Failed());
    EXPECT_TRUE(quiet.All().isEmpty());
    EXPECT_TRUE(unreachable.LastFailure().Text.startsWith(u"Could not connect to 127.0.0.1:%1"_s.arg(closedPort)));
}

TEST(SmtpDialogue, AfterSendHandlerMayChainTheNextMessageAndQuit)
{
    FakeServer server;
    server.Send(Greeting).Replies({"250 hi\r\n"});
    for (int i = 0; i < 2; ++i)
        server.Replies({"250 ok\r\n", "250 ok\r\n", "354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n");
    server.Replies({"221 bye\r\n"});
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

struct Refusal
{
    const char *name;
    QList<QByteArray> replies; // after EHLO; the last one refuses
    QByteArray refusedAfter;   // what the client wrote last before the refusal
};

const QByteArray TwoLineRefusal = "550-5.7.1 first line\r\n550 second line\r\n";

class SmtpRefusals : public testing::TestWithParam<Refusal>
{
};

// A refused message fails alone: full reply text reported, RSET, and the next message goes out.
TEST_P(SmtpRefusals, KeepTheConnectionForTheNextMessage)
{
    FakeServer server;
    server.Send(Greeting).Replies({"250 hi\r\n"});
    for (const QByteArray &reply : GetParam().replies)
        reply == TwoLineRefusal && GetParam().refusedAfter == "\r\n.\r\n" ? server.ExpectUntil("\r\n.\r\n").Send(reply)
                                                                           : server.Replies({reply});
    server.Replies({"250 reset\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"}).ExpectUntil("\r\n.\r\n");
    server.Send("250 done\r\n").Replies({"221 bye\r\n"});
    auto smtp = ClientFor(server);
    EventLog log(*smtp);
    log.Watch(*smtp);
    smtp->Connect();
    TVrxMsg refused = Message(), next = Message("carol@example.org");

    EXPECT_FALSE(smtp->Send(refused));
    EXPECT_TRUE(smtp->Connected());
    EXPECT_TRUE(smtp->Send(next));
    smtp->Quit();

    EXPECT_EQ(log.Steps(), QStringList({u"OnConnect"_s, u"OnBeforeSend"_s, u"OnError Refused 550 5.7.1 first line second line"_s,
                                        u"OnBeforeSend"_s, u"OnAfterSend"_s, u"OnQuit"_s}));
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains(GetParam().refusedAfter + "RSET\r\nMAIL FROM:")) << transcript.constData();
    EXPECT_TRUE(transcript.endsWith("QUIT\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, SmtpRefusals,
    testing::Values(Refusal{"mail", {TwoLineRefusal}, "MAIL FROM:<alice@example.org>\r\n"},
                    Refusal{"rcpt", {"250 ok\r\n", TwoLineRefusal}, "RCPT TO:<bob@example.org>\r\n"},
                    Refusal{"data", {"250 ok\r\n", "250 ok\r\n", TwoLineRefusal}, "DATA\r\n"},
                    Refusal{"finalDot", {"250 ok\r\n", "250 ok\r\n", "354 go\r\n", TwoLineRefusal}, "\r\n.\r\n"}),
    [](const testing::TestParamInfo<Refusal> &info) { return std::string(info.param.name); });

namespace {

const QByteArray Offers = "250-mail.test\r\n250-PIPELINING\r\n250-8BITMIME\r\n250 SIZE 1000\r\n";

} // namespace

TEST(SmtpExtensions, EhloRefusedFallsBackToHelo)
{
    FakeServer server;
    server.Send(Greeting).Replies({"500 unknown command\r\n", "250 hi\r\n", "221 bye\r\n"});
    auto smtp = ClientFor(server);
    smtp->Connect();
    EXPECT_FALSE(smtp->Failed());
    EXPECT_FALSE(smtp->Extensions().Pipelining);
    smtp->Quit();
    EXPECT_EQ(server.Transcript(), Ehlo() + "HELO " + GreetingName() + "\r\nQUIT\r\n");
}

// What EHLO offered shapes the dialogue: the envelope in one write, SIZE and BODY declared.
TEST(SmtpExtensions, PipelinedEnvelopeDeclaresSizeAndEightBitBody)
{
    FakeServer server;
    // The server answers only once it has the whole envelope: a client that waits deadlocks.
    server.Send(Greeting).Expect().Send(Offers).Expect().Expect().Expect();
    server.Send("250 ok\r\n250 ok\r\n250 ok\r\n").Replies({"354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n");
    server.Replies({"221 bye\r\n"});
    auto smtp = ClientFor(server);
    smtp->Connect();
    EXPECT_EQ(smtp->Extensions().SizeLimit, 1000);
    TVrxMsg msg = Message("bob@example.org");
    msg.CC = "\"Carol, C.\" <carol@example.org>";
    msg.Text = {"Gr\xc3\xbc\xc3\x9f" "e", ".", ".x"};
    EXPECT_TRUE(smtp->Send(msg));
    smtp->Quit();

    // RFC 1870: SIZE counts the message itself, without the stuffed dots and the final dot.
    const QByteArray transcript = server.Transcript();
    const qsizetype dataStart = transcript.indexOf("DATA\r\n") + 6;
    const QByteArray data = transcript.mid(dataStart, transcript.indexOf("\r\n.\r\n", dataStart) + 2 - dataStart);
    const qint64 dataSize = data.size() - data.count("\r\n..") - (data.startsWith("..") ? 1 : 0);
    EXPECT_TRUE(transcript.contains("MAIL FROM:<alice@example.org> SIZE=" + QByteArray::number(dataSize)
                                    + " BODY=8BITMIME\r\nRCPT TO:<bob@example.org>\r\nRCPT TO:<carol@example.org>\r\nDATA\r\n"))
        << transcript.constData();
    EXPECT_TRUE(transcript.contains("Content-Transfer-Encoding: 8bit\r\n\r\nGr\xc3\xbc\xc3\x9f" "e\r\n"));
}

TEST(SmtpExtensions, WithoutEightBitMimeTheTextGoesQuotedPrintable)
{
    FakeServer server;
    server.Send(Greeting).Replies({"250-mail.test\r\n250 SIZE\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 done\r\n").Replies({"221 bye\r\n"});
    auto smtp = ClientFor(server);
    smtp->Connect();
    TVrxMsg msg = Message();
    msg.Text = {"Gr\xc3\xbc\xc3\x9f" "e"};
    EXPECT_TRUE(smtp->Send(msg));
    smtp->Quit();
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains("MAIL FROM:<alice@example.org> SIZE="));
    EXPECT_FALSE(transcript.contains("BODY=8BITMIME"));
    EXPECT_TRUE(transcript.contains("Content-Transfer-Encoding: quoted-printable\r\n\r\nGr=C3=BC=C3=9Fe\r\n"));
}

TEST(SmtpExtensions, AMessageOverTheServersLimitIsRefusedBeforeAnyUpload)
{
    FakeServer server;
    server.Send(Greeting).Replies({Offers, "221 bye\r\n"});
    auto smtp = ClientFor(server);
    EventLog log(*smtp);
    smtp->Connect();
    TVrxMsg msg = Message();
    msg.Text = {QByteArray(2000, 'x').replace(0, 1, "y")};

    EXPECT_FALSE(smtp->Send(msg));
    EXPECT_TRUE(smtp->Connected());
    smtp->Quit();
    EXPECT_EQ(server.Transcript(), Ehlo() + "QUIT\r\n");
    ASSERT_EQ(log.Matching(u"OnError"_s).size(), 1);
    EXPECT_TRUE(log.Matching(u"OnError"_s).first().startsWith(u"OnError TooLarge The message is "_s));
    EXPECT_TRUE(log.Matching(u"OnError"_s).first().endsWith(u" accepts at most 1000 bytes."_s));
}

// The real connection, remembering whether the final dot has gone out.
class DotWatchingStream : public TVrxTcpStream
{
public:
    explicit DotWatchingStream(bool &dotWritten) : fDotWritten(dotWritten) {}
    bool Write(const QByteArray &bytes, int timeoutMs) override
    {
        fDotWritten = fDotWritten || bytes.endsWith("\r\n.\r\n");
        return TVrxTcpStream::Write(bytes, timeoutMs);
    }

private:
    bool &fDotWritten;
};

// A stop that comes while the server decides must not make an accepted message look unsent.
TEST(SmtpDialogue, AStopAfterTheFinalDotWaitsForTheVerdict)
{
    ScriptedServer server;
    server.Send(Greeting).Replies({"250 hi\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("25").Send("0 queued\r\n").Start();
    auto smtp = ClientFor(server);
    bool dotWritten = false;
    smtp->SetStreamFactory([&dotWritten] { return std::make_unique<DotWatchingStream>(dotWritten); });
    smtp->MessageQueueHook = [&dotWritten] {
        if (dotWritten)
            throw EVrxCancelled();
    };
    EventLog log(*smtp);
    log.Watch(*smtp);
    smtp->Connect();
    TVrxMsg msg = Message(), next = Message();

    EXPECT_TRUE(smtp->Send(msg));
    EXPECT_EQ(log.Steps().last(), u"OnAfterSend"_s);
    EXPECT_THROW(smtp->Send(next), EVrxCancelled);
    smtp.reset();
    EXPECT_EQ(server.Transcript().count("MAIL FROM:"), 1);
}

// The envelope sender is the account's address whatever the stored From says, and an address
// beyond ASCII goes only to a server that offers SMTPUTF8; to any other, nothing is sent.
TEST(SmtpExtensions, EnvelopeSenderAndAddressesBeyondAscii)
{
    const struct
    {
        const char *name;
        QByteArray offers, from, returnPath, sendTo, envelope;
    } cases[] = {
        {"imported sender line", "250 mail.test\r\n", "Peer", "acct@example.org", "bob@example.org",
         "MAIL FROM:<acct@example.org>\r\nRCPT TO:<bob@example.org>\r\n"},
        {"utf8 offered", "250-mail.test\r\n250 SMTPUTF8\r\n", "alice@example.org", "", "j\xc3\xb6rg@example.org",
         "MAIL FROM:<alice@example.org> SMTPUTF8\r\nRCPT TO:<j\xc3\xb6rg@example.org>\r\n"},
        {"utf8 not offered", "250 mail.test\r\n", "alice@example.org", "", "j\xc3\xb6rg@example.org", ""},
    };
    for (const auto &c : cases) {
        FakeServer server;
        server.Send(Greeting).Replies({c.offers});
        if (!c.envelope.isEmpty())
            server.Replies({"250 ok\r\n", "250 ok\r\n", "354 go\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 done\r\n");
        server.Replies({"221 bye\r\n"});
        auto smtp = ClientFor(server);
        EventLog log(*smtp);
        smtp->Connect();
        TVrxMsg msg = Message(c.sendTo);
        msg.From = c.from;
        msg.ReturnPath = c.returnPath;
        EXPECT_EQ(smtp->Send(msg), !c.envelope.isEmpty()) << c.name;
        EXPECT_TRUE(smtp->Connected()) << c.name;
        smtp->Quit();
        const QByteArray transcript = server.Transcript();
        if (c.envelope.isEmpty()) {
            EXPECT_EQ(transcript, Ehlo() + "QUIT\r\n") << c.name;
            EXPECT_EQ(log.Matching(u"OnError AddressNotAscii The address j\u00F6rg@example.org is not plain ASCII"_s).size(), 1);
        } else {
            EXPECT_TRUE(transcript.contains(Ehlo() + c.envelope + "DATA\r\n")) << c.name << transcript.constData();
        }
    }
}

// Blind copies are envelope recipients only: a Bcc line stored with the message goes nowhere.
TEST(SmtpDialogue, BlindCopiesGetAnRcptAndAppearInNoHeader)
{
    FakeServer server;
    server.Send(Greeting).Replies({"250 hi\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 done\r\n").Replies({"221 bye\r\n"});
    auto smtp = ClientFor(server);
    smtp->Connect();
    TVrxMsg msg = Message("bob@example.org");
    msg.Bcc = "Eve <eve@example.org>; fay@example.org";
    msg.ExtraHeaders = {"Bcc: eve@example.org"};
    EXPECT_TRUE(smtp->Send(msg));
    smtp->Quit();
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains("RCPT TO:<bob@example.org>\r\nRCPT TO:<eve@example.org>\r\nRCPT TO:<fay@example.org>\r\nDATA"));
    const QByteArray data = transcript.mid(transcript.indexOf("DATA\r\n") + 6);
    ASSERT_TRUE(data.contains("Subject: Hello"));
    EXPECT_FALSE(data.contains("eve@")) << data.constData();
    EXPECT_FALSE(data.contains("fay@"));
}
