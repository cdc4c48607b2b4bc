// SPDX-License-Identifier: GPL-3.0-or-later
// The send and get sessions against real servers: aiosmtpd delivers into the Maildir that
// dovecot serves, so a message goes out of Unsent, through SMTP, back through POP3 into Inbox.
#include "SessionFixture.h"

#include "storage/cOriginalStore.h"
#include "tests/servers/MailServerEnv.h"
#include "transfer/OutgoingMessage.h"
#include "transfer/cGetSession.h"
#include "transfer/cSendSession.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

class ServerSessionTest : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        ASSERT_TRUE(fServers.Load()) << "the mailservers fixture did not run";
        emptyMaildir();
        addAccount(makeAccount(QStringLiteral("Demo"), QStringLiteral("127.0.0.1"), fServers.SmtpPort,
                               fServers.Pop3Port, fServers.User, fServers.Password));
    }

    void emptyMaildir() const
    {
        for (const char *sub : {"new", "cur"})
            for (const QString &name : QDir(fServers.Maildir + QLatin1Char('/') + QLatin1String(sub)).entryList(QDir::Files))
                QFile::remove(fServers.Maildir + QLatin1Char('/') + QLatin1String(sub) + QLatin1Char('/') + name);
    }

    int messagesOnServer() const
    {
        int count = 0;
        for (const char *sub : {"new", "cur"})
            count += int(QDir(fServers.Maildir + QLatin1Char('/') + QLatin1String(sub)).entryList(QDir::Files).size());
        return count;
    }

    QByteArray randomBytes(int size) const
    {
        QByteArray data(size, '\0');
        for (char &c : data)
            c = char(QRandomGenerator::global()->bounded(256));
        return data;
    }

    QString unsent(const QByteArray &subject, const QList<QByteArray> &body, const QStringList &attachments = {},
                   const QByteArray &cc = {}, const QList<QByteArray> &headerLines = {"X-Mailer-Version:v2.12"})
    {
        cMailMessage m;
        m.Subject = subject;
        m.To = fServers.User + "@localhost";
        m.CC = cc;
        m.From = "Test User <" + fServers.User + "@localhost>";
        m.body = body;
        m.attachments = attachments;
        m.headerLines = headerLines;
        const QString path = cFolderStore::NewMessagePath(QStringLiteral("Unsent")).value();
        EXPECT_TRUE(m.WriteFile(path));
        return path;
    }

    void sendAll()
    {
        cSendSession send(fStore, QStringLiteral("Demo"));
        send.Start(fStore.Messages(QStringLiteral("Unsent")));
        ASSERT_TRUE(runToEnd(send));
        ASSERT_TRUE(send.Errors().isEmpty()) << send.Errors().join(QLatin1Char('\n')).toStdString();
    }

    void fetch(const QStringList &accounts = {QStringLiteral("Demo")})
    {
        cGetSession get(accounts);
        get.Start();
        ASSERT_TRUE(runToEnd(get));
        fGetErrors = get.Errors();
    }

    QMap<QByteArray, cMailMessage> inboxBySubject() const
    {
        QMap<QByteArray, cMailMessage> bySubject;
        for (const QString &path : messages("Inbox")) {
            cMailMessage m;
            EXPECT_TRUE(m.ReadFile(path));
            bySubject.insert(m.Subject, m);
        }
        return bySubject;
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // The messages as the SMTP server stored them (LF line ends).
    QList<QByteArray> delivered() const
    {
        QList<QByteArray> all;
        const QDir dir(fServers.Maildir + QStringLiteral("/new"));
        for (const QString &name : dir.entryList(QDir::Files))
            all.append(contents(dir.filePath(name)));
        return all;
    }

    // How often each header field (lower-case name) occurs in a stored message.
    static QMap<QByteArray, int> fieldCounts(const QByteArray &message)
    {
        QMap<QByteArray, int> counts;
        for (const QByteArray &line : message.left(message.indexOf("\n\n")).split('\n'))
            if (!line.startsWith(' ') && !line.startsWith('\t') && line.contains(':'))
                ++counts[line.left(line.indexOf(':')).toLower()];
        return counts;
    }

    MailServerEnv fServers;
    QStringList fGetErrors;
};

TEST_F(ServerSessionTest, MessagesGoOutAndComeBackWhole)
{
    const QList<QByteArray> body = {"First line", ".", "..two dots", ". leading dot", "", "last line"};
    QStringList attachments;
    QMap<QString, QByteArray> sent;
    for (int size : {0, 1, 2, 57, 58, 1000000}) {
        const QString name = QStringLiteral("file%1.bin").arg(size);
        sent.insert(name, randomBytes(size));
        attachments.append(writeFile(name, sent.value(name)));
    }
    unsent("With attachments", body, attachments.mid(0, 5), "copy@example.org");
    unsent("Big one", {"See the attachment."}, attachments.mid(5));
    unsent("Plain", {"Gr\xc3\xbc\xc3\x9f" "e", "no attachment"});
    const QStringList names = [&] {
        QStringList n;
        for (const QString &path : messages("Unsent"))
            n.append(QFileInfo(path).fileName());
        n.sort();
        return n;
    }();

    sendAll();
    EXPECT_TRUE(messages("Unsent").isEmpty());
    QStringList sentNames;
    for (const QString &path : messages("Sent items"))
        sentNames.append(QFileInfo(path).fileName());
    sentNames.sort();
    EXPECT_EQ(sentNames, names);
    EXPECT_EQ(messagesOnServer(), 3);

    fetch();
    EXPECT_TRUE(fGetErrors.isEmpty()) << fGetErrors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(messagesOnServer(), 0);
    const auto inbox = inboxBySubject();
    ASSERT_EQ(inbox.size(), 3);
    const cMailMessage &first = inbox.value("With attachments");
    EXPECT_EQ(first.body.mid(0, body.size()), body);
    EXPECT_EQ(first.From, QByteArray("Test User"));
    EXPECT_EQ(first.Account, QByteArray("Demo"));
    QStringList received = first.attachments + inbox.value("Big one").attachments;
    ASSERT_EQ(received.size(), 6);
    for (const QString &path : received) {
        const QString original = QFileInfo(path).fileName();
        ASSERT_TRUE(sent.contains(original)) << original.toStdString();
        EXPECT_EQ(contents(path), sent.value(original)) << original.toStdString();
    }
    EXPECT_EQ(inbox.value("Plain").body.first(), QByteArray("Gr\xc3\xbc\xc3\x9f" "e"));
}

TEST_F(ServerSessionTest, LeavingMailOnTheServerKeepsIt)
{
    cAccount account = cAccountStore::ReadAccount(QStringLiteral("Demo"));
    account.leaveMailOnServer = true;
    ASSERT_TRUE(cAccountStore::WriteAccount(account));
    unsent("Keep me", {"body"});
    sendAll();
    fetch();
    EXPECT_TRUE(fGetErrors.isEmpty()) << fGetErrors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(messages("Inbox").size(), 1);
    EXPECT_EQ(messagesOnServer(), 1);
}

TEST_F(ServerSessionTest, AnInboxThatCannotBeWrittenLeavesTheMailOnTheServer)
{
    unsent("Cannot be stored", {"body"});
    sendAll();
    QDir(folder("Inbox")).removeRecursively();
    writeFile(QDir(fDir.path()).relativeFilePath(folder("Inbox")), "a file where the folder should be");
    fetch();
    ASSERT_EQ(fGetErrors.size(), 1);
    EXPECT_TRUE(fGetErrors.first().startsWith(QStringLiteral("(Demo) Message 1 was left on the server:")))
        << fGetErrors.first().toStdString();
    EXPECT_EQ(messagesOnServer(), 1);
}

TEST_F(ServerSessionTest, AnInvalidAccountIsSkippedAndTheNextFetched)
{
    cAccount broken = makeAccount(QStringLiteral("Broken"), QStringLiteral("127.0.0.1"), fServers.SmtpPort,
                                  fServers.Pop3Port, QByteArray(), fServers.Password);
    addAccount(broken, false);
    unsent("For the second account", {"body"});
    sendAll();
    fetch({QStringLiteral("Broken"), QStringLiteral("Demo")});
    EXPECT_EQ(fGetErrors, QStringList{QStringLiteral("Account: Broken One or more setting is invalid, skipping.")});
    EXPECT_EQ(messages("Inbox").size(), 1);
}

TEST_F(ServerSessionTest, AWrongPasswordEndsThatAccountOnly)
{
    cAccount account = cAccountStore::ReadAccount(QStringLiteral("Demo"));
    account.password = "wrong";
    account.section = QStringLiteral("Wrong");
    addAccount(account, false);
    unsent("After a bad login", {"body"});
    sendAll();
    fetch({QStringLiteral("Wrong"), QStringLiteral("Demo")});
    ASSERT_EQ(fGetErrors.size(), 1);
    EXPECT_TRUE(fGetErrors.first().startsWith(QStringLiteral("(Wrong) Error #2001: "))) << fGetErrors.first().toStdString();
    EXPECT_EQ(messages("Inbox").size(), 1);
}

// A stored header block crafted to end DATA early and deliver a second message of its own.
TEST_F(ServerSessionTest, AHeaderBlockCannotSmuggleASecondMessage)
{
    unsent("Harmless", {"body"}, {}, {},
           {"X-Before: 1", ".", "MAIL FROM:<ceo@example.org>", "RCPT TO:<attacker@example.org>", "DATA",
            "Subject: Wire the money", "", "Pay now.", ".", ".X-Dotted: kept"});
    sendAll();
    const QList<QByteArray> messages = delivered();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_FALSE(messages.first().contains("Wire the money"));
    EXPECT_TRUE(messages.first().contains("\n.X-Dotted: kept\n"));
    EXPECT_EQ(fieldCounts(messages.first()).value("subject"), 1);
}

// A received message moved to Unsent and sent again: one of each header, the attachment whole.
TEST_F(ServerSessionTest, AnImportedMessageGoesOutWithOneHeaderBlock)
{
    const QByteArray data = randomBytes(5000);
    const QString attachment = writeFile(QStringLiteral("report.bin"), data);
    const QList<QByteArray> received = {
        "Return-Path: <someone@example.net>", "Received: from mx.example.net (mx.example.net [192.0.2.1])",
        "\tby here; Mon, 5 Jan 2004 09:05:07 +0100", "Date: Mon, 5 Jan 2004 09:05:07 +0100",
        "From: Someone <someone@example.net>", "To: tester@localhost", "Cc: ", "Subject: Quarterly report",
        "Message-ID: <abc@example.net>", "MIME-Version: 1.0", "Content-Type: multipart/mixed;",
        "\tboundary=\"old-boundary\"", "Content-Transfer-Encoding: 7bit", "X-Priority: 3", "X-Mailer: Other 1.0",
        "X-Custom: kept"};
    unsent("Quarterly report", {"See attached."}, {attachment}, {}, received);
    sendAll();
    const QList<QByteArray> messages = delivered();
    ASSERT_EQ(messages.size(), 1);
    const QMap<QByteArray, int> counts = fieldCounts(messages.first());
    for (auto it = counts.begin(); it != counts.end(); ++it)
        EXPECT_EQ(it.value(), 1) << it.key().constData();
    EXPECT_FALSE(counts.contains("received"));
    EXPECT_FALSE(counts.contains("return-path"));
    EXPECT_FALSE(counts.contains("cc"));
    EXPECT_TRUE(counts.contains("x-custom"));
    EXPECT_FALSE(messages.first().contains("old-boundary"));

    fetch();
    EXPECT_TRUE(fGetErrors.isEmpty()) << fGetErrors.join(QLatin1Char('\n')).toStdString();
    const cMailMessage back = inboxBySubject().value("Quarterly report");
    ASSERT_EQ(back.attachments.size(), 1);
    EXPECT_EQ(contents(back.attachments.first()), data);
}

} // namespace

// Forward as attachment sends the received message itself, byte for byte, never the message
// file; a message kept only as its record is rebuilt as the mail Ravelin would send.
TEST_F(ServerSessionTest, AForwardedMessageTravelsByteExact)
{
    unsent("Original", {"Gr\xc3\xbc\xc3\x9f" "e", ".", ".leading dot"});
    sendAll();
    fetch();
    const QStringList inbox = messages("Inbox");
    ASSERT_EQ(inbox.size(), 1);
    cMailMessage received;
    ASSERT_TRUE(received.ReadFile(inbox.first()));
    const cResultOf<QByteArray> original = cOriginalStore::Read(received.Original);
    ASSERT_TRUE(original) << original.text().toStdString();

    const cResultOf<QString> eml = SaveForwardable(inbox.first(), QStringLiteral("Original"));
    ASSERT_TRUE(eml) << eml.text().toStdString();
    EXPECT_TRUE(eml.value().endsWith(QStringLiteral("Original.eml")));
    EXPECT_EQ(contents(eml.value()), original.value());

    unsent("Fw: Original", {"See the attached message."}, {eml.value()});
    sendAll();
    const QList<QByteArray> out = delivered();
    ASSERT_EQ(out.size(), 1);
    QByteArray expected = original.value();
    expected.replace("\r\n", "\n");
    EXPECT_TRUE(out.first().contains("Content-Type: message/rfc822; name=\"Original.eml\"\n"));
    EXPECT_TRUE(out.first().contains(expected)) << out.first().constData();

    const cResultOf<QByteArray> rebuilt = ForwardableMessage(messages("Sent items").first());
    ASSERT_TRUE(rebuilt) << rebuilt.text().toStdString();
    EXPECT_TRUE(rebuilt.value().startsWith("Message-Id: <VRX.")) << rebuilt.value().constData();
    EXPECT_FALSE(rebuilt.value().contains("X_MailBoundary"));
}
