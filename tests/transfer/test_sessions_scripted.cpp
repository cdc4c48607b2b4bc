// SPDX-License-Identifier: GPL-3.0-or-later
// Sessions against a scripted server: the exact dialogue, and what happens when the server
// misbehaves.
#include "SessionFixture.h"
#include "UnsentMessage.h"

#include "tests/mailproto/ScriptedServer.h"
#include "mailproto/TVrxPOP.h"
#include "transfer/cGetSession.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cMailboxFetch.h"
#include "transfer/cPop3State.h"
#include "transfer/cSendSession.h"

#include <QFileInfo>
#include "storage/MailStorage.h"

using namespace Qt::StringLiterals;

namespace {

class ScriptedSessionTest : public SessionFixture
{
protected:
    static QString unsentMessage(const QByteArray &subject) { return WriteUnsentMessage(subject); }

    static QString withAttachment(const QString &attachment)
    {
        const QString path = WriteUnsentMessage("with attachment");
        cMailMessage m;
        EXPECT_TRUE(m.ReadFile(path, false, true));
        m.attachments = {attachment};
        EXPECT_TRUE(m.WriteFile(path));
        return path;
    }

    // The default account "Work", sending through the scripted server.
    QString sendAccount(const ScriptedServer &server)
    {
        addAccount(makeAccount(QStringLiteral("Work"), QStringLiteral("127.0.0.1"), QString::number(server.Port()),
                               QStringLiteral("110")));
        return QStringLiteral("Work");
    }

    // Runs a mail check of the account "Work" against the scripted POP3 server.
    std::unique_ptr<cGetSession> fetchFrom(ScriptedServer &server, bool leaveMailOnServer = false, int removeAfterDays = 0)
    {
        server.Start();
        return fetchAt(server.Port(), leaveMailOnServer, removeAfterDays);
    }

    std::unique_ptr<cGetSession> fetchAt(quint16 port, bool leaveMailOnServer = false, int removeAfterDays = 0)
    {
        cAccount account = makeAccount(QStringLiteral("Work"), QStringLiteral("127.0.0.1"), QStringLiteral("25"),
                                       QString::number(port));
        account.leaveMailOnServer = leaveMailOnServer;
        account.removeAfterDays = removeAfterDays;
        addAccount(account);
        auto session = std::make_unique<cGetSession>(QStringList{QStringLiteral("Work")});
        session->Start();
        EXPECT_TRUE(runToEnd(*session, 20000));
        return session;
    }
};

TEST_F(ScriptedSessionTest, WithoutADefaultAccountNothingIsTried)
{
    cSendSession session(fStore, QString{});
    session.Start(UnsentRefs({unsentMessage("s")}));
    ASSERT_TRUE(runToEnd(session));
    EXPECT_EQ(session.Errors(), QStringList{QStringLiteral("No default account is set. Cannot send.")});
    EXPECT_EQ(messages("Unsent").size(), 1);
}

TEST_F(ScriptedSessionTest, AnAccountWithoutServerIsReportedTwice)
{
    addAccount(makeAccount(QStringLiteral("Work"), QString(), QStringLiteral("25"), QStringLiteral("110")));
    cSendSession session(fStore, QStringLiteral("Work"));
    session.Start(UnsentRefs({unsentMessage("s")}));
    ASSERT_TRUE(runToEnd(session));
    EXPECT_EQ(session.Errors(), (QStringList{QStringLiteral("Account: Work. One or more setting is invalid, skipping."),
                                             QStringLiteral("Work: one or more of this account's settings are invalid.")}));
}

TEST_F(ScriptedSessionTest, MessagesQueuedWhileSendingGoOverTheSameConnection)
{
    ScriptedServer server;
    const QList<QByteArray> envelope = {"250 sender ok\r\n", "250 recipient ok\r\n", "354 go on\r\n"};
    server.Send("220 scripted ESMTP\r\n").Replies({"250 hello\r\n"}).Replies(envelope)
        .ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Replies(envelope)
        .ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Replies({"221 bye\r\n"});
    addAccount(makeAccount(QStringLiteral("Work"), QStringLiteral("127.0.0.1"), QString::number(server.Port()),
                           QStringLiteral("110")));
    cSendSession session(fStore, QStringLiteral("Work"));
    QSignalSpy totals(&session, &cSendSession::TotalChanged);
    session.Start(UnsentRefs({unsentMessage("first")}));
    // The greeting waits until the second message is queued, so the first cannot finish before it.
    ASSERT_TRUE(session.Append(UnsentRefs({unsentMessage("second")})));
    server.Start();
    ASSERT_TRUE(runToEnd(session));
    EXPECT_TRUE(session.Errors().isEmpty()) << session.Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(totals.last().at(0).toInt(), 2);
    EXPECT_TRUE(messages("Unsent").isEmpty());
    EXPECT_EQ(messages("Sent items").size(), 2);
    const QByteArray transcript = server.Transcript();
    EXPECT_EQ(transcript.count("EHLO "), 1);
    // The account's address, whatever the stored sender line says.
    EXPECT_EQ(transcript.count("MAIL FROM:<tester@localhost>\r\n"), 2);
    EXPECT_FALSE(session.Append(UnsentRefs({unsentMessage("late")})));
}

// Without SMTPUTF8 such an address would be raw 8-bit data on the wire: nothing is sent.
TEST_F(ScriptedSessionTest, AnAddressBeyondAsciiStaysUnsentWithoutSmtpUtf8)
{
    ScriptedServer server;
    server.Send("220 scripted ESMTP\r\n").Replies({"250 hello\r\n", "221 bye\r\n"}).Start();
    const QString path = unsentMessage("s");
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(path, false, true));
    m.To = "J\xc3\xb6rg <j\xc3\xb6rg@example.org>";
    ASSERT_TRUE(m.WriteFile(path));
    cSendSession session(fStore, sendAccount(server));
    session.Start(UnsentRefs({path}));
    ASSERT_TRUE(runToEnd(session));
    EXPECT_EQ(messages("Unsent").size(), 1);
    const QString errors = session.Errors().join(u'\n');
    EXPECT_TRUE(errors.contains(u"j\u00F6rg@example.org is not plain ASCII and 127.0.0.1:"_s)) << errors.toStdString();
    EXPECT_TRUE(errors.contains(u"was not sent and stays in Unsent"_s));
    EXPECT_FALSE(server.Transcript().contains("MAIL FROM"));
}

// A message sends through the account chosen for it; the others through the session's.
TEST_F(ScriptedSessionTest, EachMessageSendsThroughItsChosenAccount)
{
    const QList<QByteArray> envelope = {"250 sender ok\r\n", "250 recipient ok\r\n", "354 go on\r\n"};
    ScriptedServer work, home;
    for (ScriptedServer *server : {&work, &home}) {
        server->Send("220 scripted ESMTP\r\n").Replies({"250 hello\r\n"}).Replies(envelope);
        server->ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Replies({"221 bye\r\n"}).Start();
    }
    cAccount other = makeAccount(u"Home"_s, u"127.0.0.1"_s, QString::number(home.Port()), u"110"_s);
    other.email = u"me@home.example"_s;
    addAccount(other, false);
    const QString chosen = unsentMessage("from home");
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(chosen, false, true));
    m.SendAccount = "home"; // names match without regard to case
    ASSERT_TRUE(m.WriteFile(chosen));
    cSendSession session(fStore, sendAccount(work));
    session.Start(UnsentRefs({unsentMessage("from work"), chosen}));
    ASSERT_TRUE(runToEnd(session));
    EXPECT_TRUE(session.Errors().isEmpty()) << session.Errors().join(u'\n').toStdString();
    EXPECT_EQ(messages("Sent items").size(), 2);
    EXPECT_TRUE(work.Transcript().contains("MAIL FROM:<tester@localhost>\r\n"));
    const QByteArray homeTranscript = home.Transcript();
    EXPECT_TRUE(homeTranscript.contains("MAIL FROM:<me@home.example>\r\n"));
    EXPECT_TRUE(homeTranscript.contains("Subject: from home\r\n"));
}

TEST_F(ScriptedSessionTest, ARefusedMessageStaysUnsentAndTheQueueGoesOn)
{
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n", "250 ok\r\n", "550 no such user here\r\n", "250 reset\r\n"});
    server.Replies({"250 ok\r\n", "250 ok\r\n", "354 go on\r\n"}).ExpectUntil("\r\n.\r\n").Send("250 queued\r\n");
    server.Replies({"221 bye\r\n"}).Start();
    const QString refused = unsentMessage("refused");
    const QString next = unsentMessage("next");
    cSendSession session(fStore, sendAccount(server));
    session.Start(UnsentRefs({refused, next}));
    ASSERT_TRUE(runToEnd(session));
    EXPECT_EQ(session.Errors(), (QStringList{QStringLiteral("(Work) Error# 550: no such user here"),
                                             QStringLiteral("(Work) %1 was not sent and stays in Unsent: the server refused it.")
                                                 .arg(QFileInfo(refused).fileName())}));
    EXPECT_EQ(messages("Unsent"), QStringList{refused});
    EXPECT_EQ(messages("Sent items").size(), 1);
    EXPECT_TRUE(server.Transcript().endsWith("QUIT\r\n"));
}

TEST_F(ScriptedSessionTest, AfterAHangUpTheRestStayAndLaterOnesStartAgain)
{
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n"}).Expect().Close().Start();
    const QString first = unsentMessage("first");
    const QString second = unsentMessage("second");
    cSendSession session(fStore, sendAccount(server));
    session.Start(UnsentRefs({first, second}));
    ASSERT_TRUE(runToEnd(session));
    ASSERT_EQ(session.Errors().size(), 2);
    EXPECT_TRUE(session.Errors().last().endsWith(QStringLiteral("the connection failed.")));
    EXPECT_EQ(messages("Unsent").size(), 2);
    EXPECT_TRUE(session.Append(UnsentRefs({unsentMessage("next")})));
}

// An attachment that cannot be read stops its own message only, with the path in the error.
TEST_F(ScriptedSessionTest, AnUnreadableAttachmentKeepsItsMessageUnsent)
{
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go on\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Replies({"221 bye\r\n"}).Start();
    const QString missing = fDir.filePath(QStringLiteral("gone.pdf"));
    const QStringList bad = {withAttachment(missing), withAttachment(fDir.path()),
                             withAttachment(writeFile(QStringLiteral("a\nb.txt"), "x"))};
    const QString good = unsentMessage("good");
    cSendSession session(fStore, sendAccount(server));
    session.Start(UnsentRefs(bad + QStringList{good}));
    ASSERT_TRUE(runToEnd(session));
    ASSERT_EQ(session.Errors().size(), 3) << session.Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(session.Errors().at(0), QStringLiteral("(Work) %1 was not sent and stays in Unsent: the attachment \"%2\" "
                                                     "cannot be read: it does not exist")
                                          .arg(QFileInfo(bad.at(0)).fileName(), missing));
    EXPECT_TRUE(session.Errors().at(1).endsWith(fDir.path() + QStringLiteral("\" cannot be read: it is a folder")));
    EXPECT_TRUE(session.Errors().at(2).contains(QStringLiteral("cannot be read")));
    QStringList unsent = messages("Unsent"), expected = bad;
    unsent.sort();
    expected.sort();
    EXPECT_EQ(unsent.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(messages("Sent items").size(), 1);
}

// Stop between two messages: the one accepted is filed, the next one stays untouched.
TEST_F(ScriptedSessionTest, AStopBetweenMessagesLeavesTheRestUnsent)
{
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go on\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Expect();
    server.Start();
    const QString first = unsentMessage("first");
    const QString second = unsentMessage("second");
    cSendSession session(fStore, sendAccount(server));
    QObject::connect(&session, &cSendSession::MessageSent, &session, &cSendSession::Cancel);
    session.Start(UnsentRefs({first, second}));
    ASSERT_TRUE(runToEnd(session, 20000));
    EXPECT_TRUE(session.Errors().isEmpty()) << session.Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(messages("Unsent"), QStringList{second});
    EXPECT_EQ(messages("Sent items").size(), 1);
    EXPECT_EQ(server.Transcript().count("DATA\r\n"), 1);
}

TEST_F(ScriptedSessionTest, AServerThatHangsUpMidRetrieveLosesNothing)
{
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 1 300\r\n", "-ERR what is LAST\r\n", "+OK 1 300\r\n"})
        .Expect().Send("+OK 300 octets\r\nFrom: a@b\r\nSubject: cut\r\n\r\nfirst half")
        .Close();
    const auto session = fetchFrom(server);
    ASSERT_EQ(session->Errors().size(), 1);
    EXPECT_TRUE(session->Errors().first().startsWith(QStringLiteral("(Work) 127.0.0.1:")))
        << session->Errors().first().toStdString();
    EXPECT_TRUE(session->Errors().first().endsWith(QStringLiteral(" closed the connection before its reply was complete")))
        << session->Errors().first().toStdString();
    EXPECT_TRUE(messages("Inbox").isEmpty());
    EXPECT_EQ(server.Transcript().count("DELE"), 0);
}

// A refused greeting and a server nobody answers at each give one line that says why.
TEST_F(ScriptedSessionTest, AFailedConnectionIsOneErrorLine)
{
    ScriptedServer refusing;
    refusing.Send("-ERR too busy\r\n").Expect();
    EXPECT_EQ(fetchFrom(refusing)->Errors(), QStringList{QStringLiteral("(Work) Error #2000: too busy")});

    const quint16 closedPort = ScriptedServer().Port();
    const QStringList errors = fetchAt(closedPort)->Errors();
    ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("(Work) Could not connect to 127.0.0.1:%1").arg(closedPort)));
}

TEST_F(ScriptedSessionTest, AMalformedMessageIsStoredAsItComesAndDeleted)
{
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 2 300\r\n", "-ERR\r\n", "+OK 1 100\r\n",
                  "+OK\r\nSubject: bad\r\nContent-Type: multipart/mixed\r\n\r\nno boundary\r\n.\r\n", "+OK deleted\r\n",
                  "+OK 2 100\r\n", "+OK\r\nSubject: good\r\n\r\nfine\r\n.\r\n", "+OK deleted\r\n", "+OK bye\r\n"});
    const auto session = fetchFrom(server);
    EXPECT_TRUE(session->Errors().isEmpty()) << session->Errors().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(messages("Inbox").size(), 2);
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains("DELE 1\r\nLIST 2\r\n"));
    EXPECT_TRUE(transcript.contains("DELE 2\r\n"));
    EXPECT_EQ(session->Total(), 2);
}

TEST_F(ScriptedSessionTest, AMessageNestedThousandsOfLevelsDeepIsStoredAndDeleted)
{
    const QByteArray groups = QByteArray("g:").repeated(30000) + "a@b.c" + QByteArray(";").repeated(30000);
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 1 90100\r\n", "-ERR\r\n", "+OK 1 90100\r\n",
                  "+OK\r\nFrom: x@y.z\r\nTo: " + groups + "\r\nSubject: deep\r\n\r\nhi\r\n.\r\n", "+OK deleted\r\n",
                  "+OK bye\r\n"});
    const auto session = fetchFrom(server);
    EXPECT_TRUE(session->Errors().isEmpty()) << session->Errors().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(messages("Inbox").size(), 1);
    EXPECT_TRUE(server.Transcript().contains("DELE 1\r\n"));
}

// Only stored mail counts as new, and only stored mail is deleted on the server: a message
// whose attachment cannot be written and one over the size limit both stay there.
TEST_F(ScriptedSessionTest, MailThatIsNotStoredIsNeitherDeletedNorCounted)
{
    ASSERT_TRUE(cOptions::write(Opt::MaxMessageSizeMB, 1));
    SetAttachmentsFolder(writeFile(QStringLiteral("not-a-folder"), "a file where the attachments folder should be"));
    const QByteArray withAttachment = "+OK\r\nSubject: attached\r\nContent-Type: application/octet-stream; name=a.bin\r\n"
                                      "Content-Transfer-Encoding: base64\r\n\r\nAAEC\r\n.\r\n";
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 3 300\r\n", "-ERR\r\n", "+OK 1 100\r\n", withAttachment,
                  "+OK 2 5000000\r\n", "+OK 3 100\r\n", "+OK\r\nSubject: plain\r\n\r\nfine\r\n.\r\n",
                  "+OK deleted\r\n", "+OK bye\r\n"});
    const auto session = fetchFrom(server);
    ASSERT_EQ(session->Errors().size(), 2) << session->Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(session->Errors().at(0).startsWith(QStringLiteral("(Work) Message 1 was left on the server: ")));
    EXPECT_EQ(session->Errors().at(1),
              QStringLiteral("(Work) Message 2 was left on the server: it has 5000000 bytes, more than the limit of 1048576 bytes"));
    EXPECT_EQ(messages("Inbox").size(), 1);
    EXPECT_EQ(session->Total(), 1);
    const QByteArray transcript = server.Transcript();
    EXPECT_EQ(transcript.count("DELE"), 1);
    EXPECT_TRUE(transcript.contains("DELE 3\r\n"));
    EXPECT_FALSE(transcript.contains("RETR 2\r\n"));
}

TEST_F(ScriptedSessionTest, NewMessagesPast65535KeepTheirNumbers)
{
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 65537 300\r\n", "+OK 65535\r\n", "+OK 65536 20\r\n",
                  "+OK\r\nSubject: one\r\n\r\nx\r\n.\r\n", "+OK\r\n", "+OK 65537 20\r\n",
                  "+OK\r\nSubject: two\r\n\r\ny\r\n.\r\n", "+OK\r\n", "+OK bye\r\n"});
    const auto session = fetchFrom(server);
    EXPECT_TRUE(session->Errors().isEmpty()) << session->Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(session->Total(), 2);
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains("RETR 65536\r\nDELE 65536\r\n"));
    EXPECT_TRUE(transcript.contains("RETR 65537\r\nDELE 65537\r\nQUIT\r\n"));
}

// A stop during the second retrieval: the first message stays stored and its deletion takes
// effect with QUIT; the second is neither stored nor deleted.
TEST_F(ScriptedSessionTest, AStopKeepsWhatIsStoredAndLeavesTheRestOnTheServer)
{
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 2 300\r\n", "-ERR\r\n", "+OK 1 40\r\n",
                  "+OK\r\nSubject: one\r\n\r\nfirst\r\n.\r\n", "+OK deleted\r\n", "+OK 2 40\r\n"})
        .Expect().Send("+OK\r\nSubject: two\r\n\r\n").Trickle("second body\r\n.\r\n", 40)
        .Replies({"+OK bye\r\n"});
    server.Start();
    addAccount(makeAccount(QStringLiteral("Work"), QStringLiteral("127.0.0.1"), QStringLiteral("25"),
                           QString::number(server.Port())));
    cGetSession session(QStringList{QStringLiteral("Work")});
    QObject::connect(&session, &cGetSession::OutputChanged, &session, [&session](const QString &text) {
        if (text == QStringLiteral("Retrieving message 2 of 2"))
            session.Cancel();
    });
    session.Start();
    ASSERT_TRUE(runToEnd(session, 20000));
    EXPECT_TRUE(session.Errors().isEmpty()) << session.Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(session.StoppedEarly());
    EXPECT_EQ(session.Total(), 1);
    EXPECT_EQ(messages("Inbox").size(), 1);
    const QByteArray transcript = server.Transcript();
    EXPECT_TRUE(transcript.contains("DELE 1\r\n"));
    EXPECT_FALSE(transcript.contains("DELE 2\r\n"));
    EXPECT_TRUE(transcript.endsWith("QUIT\r\n"));
}

// The record of the mailbox "tester" on the scripted server's port.
cPop3State stateOf(const ScriptedServer &server)
{
    cPop3State state(QStringLiteral("tester"), QStringLiteral("127.0.0.1"), server.Port());
    EXPECT_TRUE(state.Load());
    return state;
}

// A known id is deleted, not fetched; the new ones go out in one window and each is deleted
// only after the record holds it; an id the server no longer has is dropped from the record.
TEST_F(ScriptedSessionTest, PipelinedCheckFetchesOnlyNewIdsAndDeletesAfterRecording)
{
    ScriptedServer server;
    {
        cPop3State seeded = stateOf(server);
        seeded.Record("known");
        seeded.Record("gone");
        ASSERT_TRUE(seeded.Save());
    }
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "+OK\r\nUIDL\r\nPIPELINING\r\n.\r\n", "+OK\r\n1 known\r\n2 new2\r\n3 new3\r\n.\r\n",
                  "+OK\r\n1 40\r\n2 40\r\n3 40\r\n.\r\n"})
        .ExpectUntil("RETR 3\r\n")
        .Send("+OK\r\n+OK\r\nSubject: two\r\n\r\nx\r\n.\r\n+OK\r\nSubject: three\r\n\r\ny\r\n.\r\n")
        .ExpectUntil("DELE 3\r\n").Send("+OK\r\n+OK\r\n").Replies({"+OK bye\r\n"});
    const auto session = fetchFrom(server);
    EXPECT_TRUE(session->Errors().isEmpty()) << session->Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(session->Total(), 2);
    EXPECT_EQ(messages("Inbox").size(), 2);
    EXPECT_EQ(server.Transcript(), "USER tester\r\nPASS secret\r\nCAPA\r\nUIDL\r\nLIST\r\nDELE 1\r\nRETR 2\r\nRETR 3\r\n"
                                   "DELE 2\r\nDELE 3\r\nQUIT\r\n");
    const cPop3State after = stateOf(server);
    EXPECT_TRUE(after.Knows("known") && after.Knows("new2") && after.Knows("new3"));
    EXPECT_FALSE(after.Knows("gone"));
}

// Leaving mail on the server for two days: the message stored three days ago is deleted, the
// one stored now is kept, the new one is fetched and kept; one command at a time without
// PIPELINING.
TEST_F(ScriptedSessionTest, LeftMailIsRemovedOnceItsDaysAreUp)
{
    ScriptedServer server;
    {
        cPop3State seeded = stateOf(server);
        seeded.Record("recent");
        ASSERT_TRUE(seeded.Save());
        QFile file(seeded.Path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        const QByteArray threeDaysAgo = QByteArray::number(QDateTime::currentSecsSinceEpoch() - 3 * 24 * 3600);
        text.replace("end 1\n", threeDaysAgo + " old\nend 2\n");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    ASSERT_TRUE(stateOf(server).Knows("old"));
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "+OK\r\n1 old\r\n2 recent\r\n3 fresh\r\n.\r\n", "-ERR\r\n",
                  "+OK\r\n", "+OK\r\nSubject: fresh\r\n\r\nz\r\n.\r\n", "+OK bye\r\n"});
    const auto session = fetchFrom(server, true, 2);
    EXPECT_TRUE(session->Errors().isEmpty()) << session->Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(messages("Inbox").size(), 1);
    EXPECT_EQ(server.Transcript(), "USER tester\r\nPASS secret\r\nCAPA\r\nUIDL\r\nLIST\r\nDELE 1\r\nRETR 3\r\nQUIT\r\n");
    EXPECT_TRUE(stateOf(server).Knows("fresh"));
}

} // namespace

// The record is written before anything is deleted; the mail is flushed to disk for it only
// when the record takes messages filed (here: by a check that was killed), not for ids the
// server dropped.
TEST_F(ScriptedSessionTest, TheMailIsFlushedOnlyForMessagesFiled)
{
    const cAccount account = makeAccount(QStringLiteral("Work"), QStringLiteral("127.0.0.1"), QStringLiteral("1"),
                                         QStringLiteral("1"));
    const struct
    {
        bool killedWhileFiling;
        int flushes;
    } cases[] = {{false, 0}, {true, 1}};
    for (const auto &[killedWhileFiling, flushes] : cases) {
        cPop3State before(account.userId, account.pop3Server, account.Pop3PortNumber());
        ASSERT_TRUE(before.Load());
        before.Record("dropped");
        ASSERT_TRUE(before.Save());
        if (killedWhileFiling) {
            const auto noted = [&](const QString &path, const cMailMessage &record) {
                return before.Filing("filed", path, record.DateTime);
            };
            ASSERT_TRUE(cIncomingStore::Store("Subject: filed\r\n\r\n", account.section, QStringLiteral("Inbox"),
                                              eDurability::Deferred, noted));
        }
        ScriptedServer server;
        server.Send("+OK\r\n").Expect().Send("+OK\r\n1 20\r\n.\r\n").Start();
        TVrxPOP pop;
        pop.Host = QStringLiteral("127.0.0.1");
        pop.Port = QString::number(server.Port());
        pop.Connect();
        int flushed = 0;
        cMailboxFetch fetch(pop, account, TVrxPOP::DefaultMaxMessageSize,
                            {[](const QString &) {}, [](const QString &) {},
                             [](const QByteArray &, qint64, const cIncomingStore::fBeforeFiling &) { return false; },
                             [&flushed] { return ++flushed > 0; }, {}});
        EXPECT_EQ(fetch.Prepare({{1, "filed"}}), killedWhileFiling ? 0 : 1);
        EXPECT_EQ(flushed, flushes) << killedWhileFiling;
        cPop3State after(account.userId, account.pop3Server, account.Pop3PortNumber());
        ASSERT_TRUE(after.Load());
        EXPECT_FALSE(after.Knows("dropped"));
        EXPECT_EQ(after.Knows("filed"), killedWhileFiling);
        EXPECT_FALSE(after.Changed());
    }
}
