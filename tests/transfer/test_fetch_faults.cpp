// SPDX-License-Identifier: GPL-3.0-or-later
// A mail check run as a ravelin-cli child process against the real dovecot and interrupted at
// random points: the process killed, dovecot restarted, dovecot stalled until the time-out.
// After the interruptions a last check runs to its end; then every message must be in Inbox
// exactly once and none may be left on the server. Each case interrupts one 500-message fetch
// three times (two stalls, as each costs a time-out), which keeps the suite well under a minute.
#include "SessionFixture.h"

#include "tests/servers/MailServerEnv.h"
#include "transfer/cGetSession.h"
#include "transfer/cPop3State.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <iostream>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kMessages = 500;
constexpr int kWaitMs = 120000;

class FetchFaultTest : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        ASSERT_TRUE(fServers.Load()) << "the mailservers fixture did not run";
        emptyMaildir();
        addAccount(makeAccount(QStringLiteral("Demo"), QStringLiteral("127.0.0.1"), fServers.SmtpPort,
                               fServers.Pop3Port, fServers.User, fServers.Password));
        const quint32 seed = QRandomGenerator::global()->generate();
        fRandom.seed(seed);
        std::cout << "random seed " << seed << "\n";
    }

    void emptyMaildir() const
    {
        for (const char *sub : {"/new", "/cur"})
            for (const QFileInfo &file : QDir(fServers.Maildir + QLatin1String(sub)).entryInfoList(QDir::Files))
                QFile::remove(file.filePath());
    }

    int messagesOnServer() const
    {
        int count = 0;
        for (const char *sub : {"/new", "/cur"})
            count += int(QDir(fServers.Maildir + QLatin1String(sub)).entryList(QDir::Files).size());
        return count;
    }

    // Messages "message <first>" onwards, about a kilobyte each; dovecot serves them as the
    // Maildir's owner, which under root is the mail user.
    void addToServer(int first, int count) const
    {
        const passwd *mail = getuid() == 0 ? getpwnam("mail") : nullptr;
        for (int n = first; n < first + count; ++n) {
            const QString path = fServers.Maildir + QStringLiteral("/new/%1.fault%2").arg(QDateTime::currentSecsSinceEpoch()).arg(n);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("From: sender@example.org\r\nTo: tester@localhost\r\nSubject: message " + QByteArray::number(n)
                       + "\r\n\r\n" + QByteArray("A line of text in a message.\r\n").repeated(30));
            file.close();
            if (mail) {
                ASSERT_EQ(::chown(QFile::encodeName(path).constData(), mail->pw_uid, mail->pw_gid), 0);
            }
        }
    }

    std::unique_ptr<QProcess> startCheck(const QByteArray &replyTimeoutMs = {}) const
    {
        auto check = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!replyTimeoutMs.isEmpty())
            environment.insert(QLatin1String(cGetSession::kReplyTimeoutVariable), QString::fromLatin1(replyTimeoutMs));
        check->setProcessEnvironment(environment);
        check->start(qEnvironmentVariable("RAVELIN_CLI"), {QStringLiteral("check-mail")});
        EXPECT_TRUE(check->waitForStarted());
        return check;
    }

    static bool ended(QProcess &check)
    {
        return check.state() == QProcess::NotRunning || check.waitForFinished(kWaitMs);
    }

    // Waits until the check has stored `count` messages (or ended).
    static void waitForStored(QProcess &check, int count)
    {
        int stored = 0;
        while (stored < count && check.state() == QProcess::Running) {
            if (!check.canReadLine() && !check.waitForReadyRead(kWaitMs))
                break;
            while (check.canReadLine())
                stored += check.readLine().startsWith("stored ") ? 1 : 0;
        }
    }

    // A check run to its end: its exit code, and its errors in fErrors.
    int checkToEnd(const QByteArray &replyTimeoutMs = {})
    {
        const auto check = startCheck(replyTimeoutMs);
        EXPECT_TRUE(check->waitForFinished(kWaitMs));
        fErrors = QString::fromUtf8(check->readAllStandardError());
        return check->exitCode();
    }

    int randomPoint() { return int(fRandom.bounded(1, kMessages / 4)); }

    static int servers(const QString &command)
    {
        const QString dir = QFileInfo(qEnvironmentVariable("RAVELIN_MAILSERVERS_ENV")).absolutePath();
        return QProcess::execute(qEnvironmentVariable("RAVELIN_MAILSERVERS"), {command, dir});
    }

    // Waits up to five seconds for a process that is not our child to end.
    static void waitForEnd(pid_t pid)
    {
        const int handle = int(::syscall(SYS_pidfd_open, pid, 0));
        if (handle < 0)
            return; // already gone
        pollfd ended{handle, POLLIN, 0};
        EXPECT_EQ(::poll(&ended, 1, 5000), 1) << "server process " << pid << " did not end";
        ::close(handle);
    }

    static QList<pid_t> pop3Processes()
    {
        QProcess list;
        list.start(qEnvironmentVariable("RAVELIN_MAILSERVERS"),
                   {QStringLiteral("pop3-pids"), QFileInfo(qEnvironmentVariable("RAVELIN_MAILSERVERS_ENV")).absolutePath()});
        list.waitForFinished();
        QList<pid_t> pids;
        for (const QByteArray &line : list.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                pids.append(pid_t(line.trimmed().toInt()));
        return pids;
    }

    // How often each subject is in Inbox.
    QMap<QByteArray, int> inboxSubjects() const
    {
        QMap<QByteArray, int> counts;
        for (const QString &path : messages("Inbox")) {
            cMailMessage m;
            EXPECT_TRUE(m.ReadFile(path, true));
            ++counts[m.Subject];
        }
        return counts;
    }

    void expectEachStoredOnce(int count) const
    {
        const QMap<QByteArray, int> subjects = inboxSubjects();
        EXPECT_EQ(subjects.size(), count);
        for (int n = 0; n < count; ++n)
            EXPECT_EQ(subjects.value("message " + QByteArray::number(n)), 1) << "message " << n;
    }

    void leaveMailOnServer() const
    {
        cAccount account = cAccountStore::ReadAccount(QStringLiteral("Demo"));
        account.leaveMailOnServer = true;
        ASSERT_TRUE(cAccountStore::WriteAccount(account));
    }

    MailServerEnv fServers;
    QRandomGenerator fRandom;
    QString fErrors;
};

TEST_F(FetchFaultTest, KilledChecksStoreEveryMessageOnce)
{
    addToServer(0, kMessages);
    for (int i = 0; i < 3; ++i) {
        const auto check = startCheck();
        waitForStored(*check, randomPoint());
        check->kill();
        ASSERT_TRUE(ended(*check));
    }
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    expectEachStoredOnce(kMessages);
    EXPECT_EQ(messagesOnServer(), 0);
}

TEST_F(FetchFaultTest, ARestartedServerLosesNothingAndGivesNothingTwice)
{
    addToServer(0, kMessages);
    for (int i = 0; i < 3; ++i) {
        const auto check = startCheck();
        waitForStored(*check, randomPoint());
        ASSERT_EQ(servers(QStringLiteral("restart-pop3")), 0);
        ASSERT_TRUE(ended(*check));
    }
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    expectEachStoredOnce(kMessages);
    EXPECT_EQ(messagesOnServer(), 0);
}

TEST_F(FetchFaultTest, AStalledServerTimesOutAndLosesNothing)
{
    addToServer(0, kMessages);
    for (int i = 0; i < 2; ++i) {
        const auto check = startCheck("4000");
        waitForStored(*check, randomPoint());
        // Held while its server is looked up: a fast check would otherwise fetch the rest meanwhile.
        ASSERT_EQ(::kill(pid_t(check->processId()), SIGSTOP), 0);
        const QList<pid_t> stalled = pop3Processes();
        for (pid_t pid : stalled)
            ::kill(pid, SIGSTOP);
        ::kill(pid_t(check->processId()), SIGCONT);
        ASSERT_FALSE(stalled.isEmpty()) << "no server process of the check's connection";
        const bool timedOut = ended(*check);
        for (pid_t pid : stalled)
            ::kill(pid, SIGCONT);
        // A woken server process holds the mailbox until it sees the closed connection.
        for (pid_t pid : stalled)
            waitForEnd(pid);
        ASSERT_TRUE(timedOut);
        const QByteArray errors = check->readAllStandardError();
        EXPECT_EQ(check->exitCode(), 1) << errors.toStdString();
        EXPECT_TRUE(errors.contains("did not")) << "no time-out reported: " << errors.toStdString();
    }
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    expectEachStoredOnce(kMessages);
    EXPECT_EQ(messagesOnServer(), 0);
}

TEST_F(FetchFaultTest, LeftMailIsStoredOnceOverThreeChecks)
{
    leaveMailOnServer();
    addToServer(0, 100);
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    addToServer(100, 20);
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    expectEachStoredOnce(120);
    EXPECT_EQ(messagesOnServer(), 120);
}

// The record cannot prove what was stored, so mail left on the server comes again; nothing is
// lost, the error names the file, and the rebuilt record serves the next check.
TEST_F(FetchFaultTest, ADamagedRecordIsNamedRebuiltAndLosesNothing)
{
    leaveMailOnServer();
    addToServer(0, 30);
    ASSERT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    const QString record = cPop3State(QString::fromUtf8(fServers.User), QStringLiteral("127.0.0.1"),
                                      fServers.Pop3Port.toInt()).Path();
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\x7f" "ELF garbage where the record was\n");
    file.close();
    addToServer(30, 5);

    EXPECT_EQ(checkToEnd(), 1);
    EXPECT_TRUE(fErrors.contains(QStringLiteral("\"%1\" is damaged").arg(record))) << fErrors.toStdString();
    const QMap<QByteArray, int> subjects = inboxSubjects();
    EXPECT_EQ(subjects.size(), 35);
    EXPECT_EQ(subjects.value("message 31"), 1);

    const qsizetype stored = messages("Inbox").size();
    EXPECT_EQ(checkToEnd(), 0) << fErrors.toStdString();
    EXPECT_EQ(messages("Inbox").size(), stored);
    EXPECT_EQ(messagesOnServer(), 35);
}

} // namespace
