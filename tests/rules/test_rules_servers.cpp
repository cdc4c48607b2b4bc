// SPDX-License-Identifier: GPL-3.0-or-later
// A mail check against the real dovecot with rules in place: each message lands in the folder
// its rules name, is shown there, and leaves the server; a rule that cannot run keeps its mail
// in Inbox and says why once.
#include "tests/transfer/SessionFixture.h"

#include "rules/cJunkFilter.h"
#include "rules/cRuleStore.h"
#include "tests/servers/MailServerEnv.h"
#include "transfer/cGetSession.h"

#include <QDateTime>
#include <QSignalSpy>

#include <pwd.h>
#include <unistd.h>

namespace {

class RulesServerTest : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        ASSERT_TRUE(fServers.Load()) << "the mailservers fixture did not run";
        for (const QString &sub : {QStringLiteral("/new"), QStringLiteral("/cur")})
            for (const QString &name : QDir(fServers.Maildir + sub).entryList(QDir::Files))
                QFile::remove(fServers.Maildir + sub + QLatin1Char('/') + name);
        addAccount(makeAccount(QStringLiteral("Demo"), QStringLiteral("127.0.0.1"), fServers.SmtpPort, fServers.Pop3Port,
                               fServers.User, fServers.Password));
        ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Lists")).ok());
    }

    // dovecot serves the Maildir as its owner, which under root is the mail user.
    void deliver(const QByteArray &from, const QByteArray &subject, const QByteArray &text = "Text.") const
    {
        static int serial = 0;
        const QString path = fServers.Maildir
                             + QStringLiteral("/new/%1.rules%2").arg(QDateTime::currentSecsSinceEpoch()).arg(++serial);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("From: " + from + "\r\nTo: tester@localhost\r\nSubject: " + subject + "\r\n\r\n" + text + "\r\n");
        file.close();
        if (const passwd *mail = getuid() == 0 ? getpwnam("mail") : nullptr) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), mail->pw_uid, mail->pw_gid), 0);
        }
    }

    static cRule rule(const char *name, cRuleCondition condition, QList<cRuleAction> actions, bool stop = false)
    {
        cRule made;
        made.name = QLatin1String(name);
        made.conditions = {std::move(condition)};
        made.actions = std::move(actions);
        made.stop = stop;
        return made;
    }

    // The folder each subject was announced in.
    QMap<QByteArray, QString> check()
    {
        cGetSession get({QStringLiteral("Demo")});
        QSignalSpy stored(&get, &cGetSession::MessageStored);
        get.Start();
        EXPECT_TRUE(runToEnd(get));
        fErrors = get.Errors();
        QMap<QByteArray, QString> folders;
        for (const QList<QVariant> &arrival : stored) {
            cMailMessage m;
            EXPECT_TRUE(m.ReadFile(arrival.at(0).toString(), true).ok()) << arrival.at(0).toString().toStdString();
            EXPECT_TRUE(arrival.at(0).toString().startsWith(folder(arrival.at(1).toString().toUtf8().constData())));
            folders.insert(m.Subject, arrival.at(1).toString());
        }
        return folders;
    }

    int onServer() const
    {
        return int(QDir(fServers.Maildir + QStringLiteral("/new")).entryList(QDir::Files).size()
                   + QDir(fServers.Maildir + QStringLiteral("/cur")).entryList(QDir::Files).size());
    }

    MailServerEnv fServers;
    QStringList fErrors;
};

TEST_F(RulesServerTest, CheckedMailLandsInTheFoldersItsRulesName)
{
    ASSERT_TRUE(cRuleStore::Save({
        rule("Lists", {eRuleField::Subject, eRuleMatch::BeginsWith, {}, QStringLiteral("[devs]"), false},
             {{eRuleAction::MoveTo, QStringLiteral("Lists")}}, true),
        rule("Bin", {eRuleField::From, eRuleMatch::Is, {}, QStringLiteral("offers@example.net"), false}, {{eRuleAction::Delete}}),
        rule("Seen", {eRuleField::Subject, eRuleMatch::Regex, {}, QStringLiteral("release|offer"), false},
             {{eRuleAction::MarkRead}}),
    }).ok());
    deliver("Dev List <devs@example.org>", "[devs] release 2.0");
    deliver("Shop <offers@example.net>", "An offer");
    deliver("Ann <ann@example.org>", "Lunch");

    const QMap<QByteArray, QString> folders = check();
    EXPECT_TRUE(fErrors.isEmpty()) << fErrors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(folders.value("[devs] release 2.0"), QStringLiteral("Lists"));
    EXPECT_EQ(folders.value("An offer"), QStringLiteral("Trash"));
    EXPECT_EQ(folders.value("Lunch"), QStringLiteral("Inbox"));
    EXPECT_EQ(messages("Lists").size(), 1);
    EXPECT_EQ(messages("Trash").size(), 1);
    EXPECT_EQ(messages("Inbox").size(), 1);
    // "Lists" stopped the run: "Seen" never marked the list mail read.
    cMailMessage listed;
    ASSERT_TRUE(listed.ReadFile(messages("Lists").first(), true).ok());
    EXPECT_FALSE(listed.Read);
    EXPECT_EQ(onServer(), 0);
}

TEST_F(RulesServerTest, ARuleNamingAMissingFolderKeepsItsMailInInbox)
{
    ASSERT_TRUE(cRuleStore::Save({rule("Old", {eRuleField::Subject, eRuleMatch::Contains, {}, QStringLiteral("report"), false},
                                       {{eRuleAction::MoveTo, QStringLiteral("Reports")}})})
                    .ok());
    deliver("Ann <ann@example.org>", "report one");
    deliver("Ann <ann@example.org>", "report two");

    const QMap<QByteArray, QString> folders = check();
    EXPECT_EQ(folders.value("report one"), QStringLiteral("Inbox"));
    EXPECT_EQ(messages("Inbox").size(), 2);
    ASSERT_EQ(fErrors.size(), 1) << fErrors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(fErrors.first().contains(QLatin1String("\"Reports\""))) << fErrors.first().toStdString();
    EXPECT_EQ(onServer(), 0);
}

TEST_F(RulesServerTest, CheckedSpamLandsInJunkOnceTheFilterHasLearned)
{
    if (cJunkFilter::Program().isEmpty())
        GTEST_SKIP() << "bogofilter is not installed";
    const QByteArray spam = "Subject: win\r\n\r\ncheap pills casino winner claim your prize";
    const QByteArray ham = "Subject: notes\r\n\r\nthe project meeting agenda for tuesday";
    ASSERT_TRUE(cJunkFilter::Learn(QList<QByteArray>(20, spam), true).ok());
    ASSERT_TRUE(cJunkFilter::Learn(QList<QByteArray>(20, ham), false).ok());
    deliver("Prize <win@example.net>", "You won", "cheap pills casino winner claim your prize");
    deliver("Ann <ann@example.org>", "Notes", "the project meeting agenda for tuesday");

    const QMap<QByteArray, QString> folders = check();
    EXPECT_TRUE(fErrors.isEmpty()) << fErrors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(folders.value("You won"), QStringLiteral("Junk"));
    EXPECT_EQ(folders.value("Notes"), QStringLiteral("Inbox"));
    EXPECT_EQ(messages("Junk").size(), 1);
}

} // namespace
