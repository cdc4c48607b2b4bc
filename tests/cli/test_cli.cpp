// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include "cli/cCliCommands.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cOptions.h"
#include "tests/mailproto/ScriptedServer.h"
#include "transfer/cAccountStore.h"
#include "version/Version.h"

#include <QFile>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

namespace {

class CliTest : public ::testing::Test, public cCliRun
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    void setUpMailFolder() { ASSERT_TRUE(cOptions::write(Opt::MailFolder, fDir.mailRoot())); }

    QString file(const char *name, const QByteArray &data)
    {
        const QString path = fDir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
        return path;
    }

    cScratchSettings fDir;
};

TEST_F(CliTest, MisuseAndMissingSetUpAreReported)
{
    EXPECT_EQ(run({}), 2);
    EXPECT_TRUE(fErr.contains(QStringLiteral("Usage:")));
    EXPECT_EQ(run({QStringLiteral("frobnicate")}), 2);
    EXPECT_EQ(run({QStringLiteral("list")}), 2);
    EXPECT_EQ(run({QStringLiteral("import"), QStringLiteral("--folder")}), 2);

    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 1);
    EXPECT_TRUE(fErr.contains(QStringLiteral("no mail folder is set up"))) << fErr.toStdString();

    setUpMailFolder();
    EXPECT_EQ(run({QStringLiteral("check-mail")}), 1);
    EXPECT_TRUE(fErr.contains(QStringLiteral("no mail account"))) << fErr.toStdString();
    EXPECT_EQ(run({QStringLiteral("send-unsent")}), 0);
    EXPECT_EQ(fOut, QStringLiteral("No unsent messages.\n"));
    EXPECT_EQ(run({QStringLiteral("list"), QStringLiteral("Nowhere")}), 1);
}

// Each message sent is named where it was filed, for scripts that go on with it.
TEST_F(CliTest, SendUnsentNamesEachMessageWhereItWasFiled)
{
    setUpMailFolder();
    ASSERT_TRUE(InitMailStorage());
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go on\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 queued\r\n").Replies({"221 bye\r\n"}).Start();
    cAccount work;
    work.section = work.name = QStringLiteral("Work");
    work.email = QStringLiteral("ann@example.org");
    work.smtpServer = work.pop3Server = QStringLiteral("127.0.0.1");
    work.smtpPort = QString::number(server.Port());
    ASSERT_TRUE(cAccountStore::WriteAccount(work));
    ASSERT_TRUE(cAccountStore::SetDefaultAccountName(work.section));
    cMailMessage queued;
    queued.From = "Ann <ann@example.org>";
    queued.To = "bob@example.org";
    queued.Subject = "Hello";
    ASSERT_TRUE(queued.WriteFile(cFolderStore::NewMessagePath(QStringLiteral("Unsent")).value()));

    EXPECT_EQ(run({QStringLiteral("send-unsent")}), 0) << fErr.toStdString();
    const QStringList sent = cFolderStore::MessageFiles(QStringLiteral("Sent items"));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(fOut, QStringLiteral("sent %1\n").arg(sent.first()));
    EXPECT_TRUE(cFolderStore::MessageFiles(QStringLiteral("Unsent")).isEmpty());
}

TEST_F(CliTest, HelpAndVersionNeedNoSetUp)
{
    EXPECT_EQ(run({QStringLiteral("--version")}), 0);
    EXPECT_EQ(fOut, QStringLiteral("ravelin-cli " RAVELIN_VERSION "\n"));
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(fOut.startsWith(QStringLiteral("Usage: ravelin-cli"))) << fOut.toStdString();
    EXPECT_TRUE(fErr.isEmpty());
}

TEST_F(CliTest, ImportedFilesAreStoredLikeReceivedMailAndListed)
{
    setUpMailFolder();
    const QString withAttachment = file("one.eml",
        "From: Ann Lee <ann@example.org>\r\nTo: bob@example.org\r\nSubject: Report\r\n"
        "Content-Type: multipart/mixed; boundary=\"XX\"\r\n\r\n--XX\r\nContent-Type: text/plain\r\n\r\nSee attached.\r\n"
        "--XX\r\nContent-Type: application/pdf; name=\"r.pdf\"\r\nContent-Transfer-Encoding: base64\r\n\r\nQUJD\r\n--XX--\r\n");
    const QString lfOnly = file("two.eml", "From: bob@example.org\nSubject: Plain\n\nHello\n");
    ASSERT_EQ(run({QStringLiteral("import"), withAttachment, lfOnly, QStringLiteral("--folder"), QStringLiteral("inbox")}), 0)
        << fErr.toStdString();
    EXPECT_EQ(fOut.count(QStringLiteral("stored ")), 2);

    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    QStringList lines = fOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.sort();
    ASSERT_EQ(lines.size(), 2);
    QStringList columns = lines.join(QLatin1Char('\t')).split(QLatin1Char('\t'));
    EXPECT_TRUE(columns.contains(QStringLiteral("Ann Lee")));
    EXPECT_TRUE(columns.contains(QStringLiteral("Report")));
    EXPECT_TRUE(columns.contains(QStringLiteral("Plain")));

    QFile saved(AttachmentsFolder() + QStringLiteral("/r.pdf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("ABC"));
}

TEST_F(CliTest, ListingNeverPassesControlCharactersToTheTerminal)
{
    setUpMailFolder();
    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    cMailMessage m;
    m.Subject = "Hi\x1b]0;owned\x07 \xc2\x9b" "31m\tthere\xe2\x80\xae\xe2\x80\xa8y\xe2\x80\xa9";
    m.From = "Eve\x1b[2J\x0b\x7f line";
    m.DateTime = "08.12.2026 09:05:07";
    ASSERT_TRUE(m.WriteFile(MailFolderPath(QStringLiteral("Inbox")) + QStringLiteral("/mail1.qrz")));
    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    EXPECT_EQ(fOut, QStringLiteral("mail1.qrz\tEve?[2J?? line\tHi?]0;owned? ?31m?there??y?\t08.12.2026 09:05:07\n"));
}

TEST_F(CliTest, SearchFindsImportedMailInEveryFolderSafeForTheTerminal)
{
    EXPECT_EQ(run({QStringLiteral("search")}), 2);
    EXPECT_EQ(run({QStringLiteral("search"), QStringLiteral("(budget")}), 2);
    EXPECT_TRUE(fErr.contains(QStringLiteral("Cannot read the search"))) << fErr.toStdString();
    EXPECT_EQ(run({QStringLiteral("search"), QStringLiteral("budget")}), 1);

    setUpMailFolder();
    const QString mail = file("one.eml", "From: Eve <eve@example.org>\r\nSubject: Plans\r\n\r\nThe budget, at last.\r\n");
    ASSERT_EQ(run({QStringLiteral("import"), mail, QStringLiteral("--folder"), QStringLiteral("Trash")}), 0) << fErr.toStdString();
    const QString stored = fOut.section(QLatin1Char(' '), 1).trimmed();
    cMailMessage m;
    m.Subject = "budget\x1b]0;owned\x07\tnow\xe2\x80\xa8";
    m.From = "Eve\x1b[2J";
    m.DateTime = "08.12.2026 09:05:07";
    const QString written = MailFolderPath(QStringLiteral("Inbox")) + QStringLiteral("/mail1.qrz");
    ASSERT_TRUE(m.WriteFile(written));

    ASSERT_EQ(run({QStringLiteral("search"), QStringLiteral("budget"), QStringLiteral("from:eve")}), 0) << fErr.toStdString();
    const QStringList lines = fOut.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << fOut.toStdString();
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("Trash\t") + stored + u'\t')) << fOut.toStdString();
    EXPECT_TRUE(lines.at(0).endsWith(QStringLiteral("\tEve <eve@example.org>\tPlans"))) << fOut.toStdString();
    const QString safe = QStringLiteral("Inbox\t%1\t08.12.2026 09:05:07\tEve?[2J\tbudget?]0;owned??now?").arg(written);
    EXPECT_EQ(lines.at(1), safe);
    ASSERT_EQ(run({QStringLiteral("search"), QStringLiteral("budget NOT folder:trash")}), 0);
    EXPECT_EQ(fOut, safe + u'\n');
}

// Malformed mail is stored as well as it can be read, as a mail check stores it; only a file
// that cannot be read is refused.
TEST_F(CliTest, LegacyEightBitTextReadsAsTheWindowsShowIt)
{
    setUpMailFolder();
    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    cMailMessage m;
    m.Subject = "caf\xe9 \x93q\x94 \x80";
    m.From = "J\xf6rg";
    ASSERT_TRUE(m.WriteFile(MailFolderPath(QStringLiteral("Inbox")) + QStringLiteral("/mail1.qrz")));
    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    EXPECT_TRUE(fOut.startsWith(QStringLiteral("mail1.qrz\tJ\u00f6rg\tcaf\u00e9 \u201cq\u201d \u20ac\t"))) << fOut.toStdString();
}

TEST_F(CliTest, AFileThatCannotBeImportedIsNamedAndTheOthersStillAre)
{
    setUpMailFolder();
    const QString broken = file("broken.eml", "Subject: x\r\nContent-Type: multipart/mixed\r\n\r\nno boundary\r\n");
    const QString good = file("good.eml", "Subject: fine\r\n\r\nbody\r\n");
    EXPECT_EQ(run({QStringLiteral("import"), fDir.filePath(QStringLiteral("missing.eml")), broken, good}), 1);
    EXPECT_TRUE(fErr.contains(QStringLiteral("missing.eml")));
    EXPECT_FALSE(fErr.contains(QStringLiteral("broken.eml"))) << fErr.toStdString();
    EXPECT_EQ(cFolderStore::MessageFiles(QStringLiteral("Inbox")).size(), 2);
}

// 30,000 nested address groups (90 KB) once crashed every import and check.
TEST_F(CliTest, AMessageNestedThousandsOfLevelsDeepIsStored)
{
    setUpMailFolder();
    const QByteArray groups = QByteArray("g:").repeated(30000) + "a@b.c" + QByteArray(";").repeated(30000);
    const QString deep = file("deep.eml", "From: x@y.z\r\nTo: " + groups + "\r\nSubject: deep\r\n\r\nhi\r\n");
    ASSERT_EQ(run({QStringLiteral("import"), deep}), 0) << fErr.toStdString();
    ASSERT_EQ(run({QStringLiteral("list"), QStringLiteral("Inbox")}), 0);
    EXPECT_TRUE(fOut.contains(QStringLiteral("\tdeep\t"))) << fOut.toStdString();
}

TEST_F(CliTest, AddingAnAccountStoresWhatTheDialogsWould)
{
    ASSERT_EQ(run({QStringLiteral("add-account"), QStringLiteral("Demo"), QStringLiteral("--email"),
                   QStringLiteral("me@localhost"), QStringLiteral("--smtp"), QStringLiteral("127.0.0.1:2525"),
                   QStringLiteral("--pop3"), QStringLiteral("localhost"), QStringLiteral("--user"), QStringLiteral("me"),
                   QStringLiteral("--password"), QStringLiteral(" pa ss "), QStringLiteral("--default")}), 0)
        << fErr.toStdString();
    const cAccount account = cAccountStore::ReadAccount(QStringLiteral("demo"));
    EXPECT_EQ(account.SmtpPortNumber(), 2525);
    EXPECT_EQ(account.pop3Server, QStringLiteral("localhost"));
    EXPECT_EQ(account.Pop3PortNumber(), 110);
    EXPECT_EQ(account.password, QByteArray(" pa ss "));
    EXPECT_EQ(account.ShownAddress(), QStringLiteral("me@localhost"));
    EXPECT_EQ(cAccountStore::GetDefaultAccountName(), QStringLiteral("Demo"));
    EXPECT_EQ(account.removeAfterDays, 0);
    ASSERT_EQ(run({QStringLiteral("add-account"), QStringLiteral("Kept"), QStringLiteral("--leave-mail-on-server"),
                   QStringLiteral("--remove-after-days"), QStringLiteral("30")}), 0)
        << fErr.toStdString();
    EXPECT_EQ(cAccountStore::ReadAccount(QStringLiteral("Kept")).removeAfterDays, 30);
    EXPECT_EQ(run({QStringLiteral("add-account"), QStringLiteral("X"), QStringLiteral("--remove-after-days"),
                   QStringLiteral("0")}), 2);
    EXPECT_EQ(run({QStringLiteral("add-account"), QStringLiteral("X"), QStringLiteral("--smtp")}), 2);
    EXPECT_EQ(run({QStringLiteral("add-account"), QStringLiteral("X"), QStringLiteral("--bogus"), QStringLiteral("1")}), 2);
}

TEST_F(CliTest, AddAccountTakesSecurityLoginsAndTrust)
{
    const QString print = QStringLiteral("AB:") + QString(62, QLatin1Char('c'));
    ASSERT_EQ(run({QStringLiteral("add-account"), QStringLiteral("Safe"), QStringLiteral("--pop3"), QStringLiteral("pop.example.org"),
                   QStringLiteral("--smtp"), QStringLiteral("smtp.example.org"), QStringLiteral("--pop3-security"),
                   QStringLiteral("tls"), QStringLiteral("--smtp-security"), QStringLiteral("tls"), QStringLiteral("--pop3-login"),
                   QStringLiteral("apop"), QStringLiteral("--smtp-login"), QStringLiteral("own"), QStringLiteral("--smtp-user"),
                   QStringLiteral("out"), QStringLiteral("--smtp-password"), QStringLiteral("s3cret"), QStringLiteral("--trust"), print,
                   QStringLiteral("--trust"), QString(64, QLatin1Char('d'))}), 0)
        << fErr.toStdString();
    const cAccount safe = cAccountStore::ReadAccount(QStringLiteral("Safe"));
    EXPECT_EQ(safe.pop3Security, eVrxSecurity::Tls);
    EXPECT_EQ(safe.pop3Port, QStringLiteral("995"));
    EXPECT_EQ(safe.smtpPort, QStringLiteral("465"));
    EXPECT_EQ(safe.pop3Login, ePop3Login::Apop);
    EXPECT_EQ(safe.SmtpLoginUser(), QStringLiteral("out"));
    EXPECT_EQ(safe.SmtpLoginPassword(), "s3cret");
    EXPECT_FALSE(safe.allowPasswordInClear);
    EXPECT_FALSE(safe.passwordInKeyring);
    EXPECT_EQ(safe.trustedCertificates, (QList<QByteArray>{"ab" + QByteArray(62, 'c'), QByteArray(64, 'd')}));

    ASSERT_EQ(run({QStringLiteral("add-account"), QStringLiteral("Old"), QStringLiteral("--pop3"), QStringLiteral("h:1110"),
                   QStringLiteral("--allow-plain-password"), QStringLiteral("--smtp-security"), QStringLiteral("starttls")}), 0);
    const cAccount old = cAccountStore::ReadAccount(QStringLiteral("Old"));
    EXPECT_TRUE(old.allowPasswordInClear);
    EXPECT_EQ(old.pop3Port, QStringLiteral("1110"));
    EXPECT_EQ(old.smtpPort, QStringLiteral("25"));
    EXPECT_EQ(old.smtpSecurity, eVrxSecurity::StartTls);

    const struct
    {
        const char *option, *value, *said;
    } misuses[] = {
        {"--pop3-security", "ssl", "--pop3-security takes one of none, starttls, tls, not \"ssl\"."},
        {"--smtp-security", "TLS", "--smtp-security takes one of none, starttls, tls, not \"TLS\"."},
        {"--pop3-login", "pass", "--pop3-login takes one of user, apop, sasl, not \"pass\"."},
        {"--smtp-login", "yes", "--smtp-login takes one of none, pop3, own, not \"yes\"."},
        {"--trust", "abc", "--trust needs a SHA-256 fingerprint of 64 hexadecimal digits, not \"abc\"."},
    };
    for (const auto &misuse : misuses) {
        EXPECT_EQ(run({QStringLiteral("add-account"), QStringLiteral("X"), QLatin1String(misuse.option), QLatin1String(misuse.value)}), 2);
        EXPECT_TRUE(fErr.contains(QLatin1String(misuse.said))) << fErr.toStdString();
    }
    EXPECT_FALSE(cAccountStore::AccountNames().contains(QStringLiteral("X")));
}

} // namespace

TEST_F(CliTest, ShowPrintsAStoredMessageDecodedAndSafeForTheTerminal)
{
    setUpMailFolder();
    const QString source = file("enc.eml",
        "From: =?UTF-8?Q?Ren=C3=A9e?= <renee@example.org>\r\nTo: bob@example.org\r\n"
        "Subject: =?UTF-8?Q?Caf=C3=A9?=\r\nDate: Tue, 08 Dec 2026 10:00:00 +0100\r\n"
        "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
        "caf=C3=A9\tnow\r\n=1B[2Jgone?\r\n");
    ASSERT_EQ(run({QStringLiteral("import"), source}), 0) << fErr.toStdString();
    const QStringList stored = cFolderStore::MessageFiles(QStringLiteral("Inbox"));
    ASSERT_EQ(stored.size(), 1);
    ASSERT_EQ(run({QStringLiteral("show"), stored.first()}), 0) << fErr.toStdString();
    EXPECT_EQ(fOut, QStringLiteral("From: Ren\u00e9e <renee@example.org>\nTo: bob@example.org\n"
                                   "Date: Tue, 08 Dec 2026 10:00:00 +0100\nSubject: Caf\u00e9\n\n"
                                   "caf\u00e9\tnow\n?[2Jgone?\n"));
    EXPECT_EQ(run({QStringLiteral("show"), fDir.filePath(QStringLiteral("missing.qrz"))}), 1);
    EXPECT_TRUE(fErr.contains(QStringLiteral("missing.qrz"))) << fErr.toStdString();
}
