// SPDX-License-Identifier: GPL-3.0-or-later
// One instance per user and settings folder, with real processes: a later start hands its
// request to the running one and ends; the leftovers of a crashed one do not stop a start.
#include "app/HandOver.h"
#include "app/MailFolderLock.h"
#include "app/cSingleInstance.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "tests/support/cScratchSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class SingleInstance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fSettings.isValid());
        ASSERT_TRUE(fRuntime.isValid());
        fEnv = QProcessEnvironment::systemEnvironment();
        fEnv.insert(u"RAVELIN_CONFIG_DIR"_s, fSettings.filePath(u"config"_s));
        fEnv.insert(u"XDG_RUNTIME_DIR"_s, fRuntime.path());
        fEnv.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }

    std::unique_ptr<QProcess> start(const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(fEnv);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(RAVELIN_INSTANCE_HELPER), arguments);
        return process;
    }

    // A helper started in one of its own modes, once it says it is ready; null when it did not.
    std::unique_ptr<QProcess> running(const QString &mode = u"first"_s)
    {
        auto process = start({mode});
        return nextLine(*process) == "ready" ? std::move(process) : nullptr;
    }

    // A later start asking for a new message; its exit code (10: handed over and ended).
    int startWithLink(const QString &link) { return exitCode(*start({u"-newmail"_s, link})); }

    static QByteArray nextLine(QProcess &process)
    {
        while (!process.canReadLine())
            if (!process.waitForReadyRead(30000))
                return "(no answer)";
        return process.readLine().trimmed();
    }

    static int exitCode(QProcess &process)
    {
        return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    cScratchSettings fSettings;
    QTemporaryDir fRuntime;
    QProcessEnvironment fEnv;
};

TEST_F(SingleInstance, aSecondStartHandsItsRequestOverAndEnds)
{
    const auto first = running();
    ASSERT_TRUE(first);

    EXPECT_EQ(startWithLink(u"mailto:ann%40example.org?subject=Hi%20there&cc=bob@example.org&body=a%0Ab"_s), 10);
    EXPECT_EQ(nextLine(*first), "ann@example.org|Hi there|bob@example.org|a");
    EXPECT_EQ(nextLine(*first), "b");
    EXPECT_EQ(exitCode(*first), 0);

    const cIniFile handOver(fSettings.filePath(u"config/Ravelin2 TempInfo.ini"_s));
    EXPECT_EQ(handOver.readString(u"Info"_s, "To"), u"ann@example.org"_s);
    EXPECT_EQ(handOver.readString(u"Info"_s, "Subject"), u"Hi there"_s);
}

TEST_F(SingleInstance, anEmptySecondStartWritesEmptyKeysAndEndsWithoutTelling)
{
    const auto first = running();
    ASSERT_TRUE(first);
    EXPECT_EQ(startWithLink(u"mailto:ann@example.org?subject=Old"_s), 10);
    EXPECT_EQ(nextLine(*first), "ann@example.org|Old||");

    const auto again = running();
    ASSERT_TRUE(again);
    EXPECT_EQ(exitCode(*start({})), 10);
    const QByteArray file = [&] {
        QFile f(fSettings.filePath(u"config/Ravelin2 TempInfo.ini"_s));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_TRUE(file.contains("To=\n") || file.contains("To=\r\n")) << file.constData();
    EXPECT_TRUE(file.contains("Subject=\n") || file.contains("Subject=\r\n")) << file.constData();
    // The running one reports the first request it is told of: the empty start told it nothing.
    EXPECT_EQ(startWithLink(u"mailto:cy@example.org"_s), 10);
    EXPECT_EQ(nextLine(*again), "cy@example.org|||");
}

TEST_F(SingleInstance, theLeftoversOfACrashedInstanceAreTakenOver)
{
    const auto crashed = running(u"crash"_s);
    ASSERT_TRUE(crashed);
    ASSERT_EQ(exitCode(*crashed), 3);
    ASSERT_FALSE(QDir(fRuntime.path()).entryList({u"ravelin-*"_s}, QDir::System | QDir::Files).isEmpty())
        << "the crash should leave its socket and lock behind";

    const auto next = running();
    ASSERT_TRUE(next);
    EXPECT_EQ(startWithLink(u"mailto:cy@example.org"_s), 10);
    EXPECT_EQ(nextLine(*next), "cy@example.org|||");
}

TEST_F(SingleInstance, separateSettingsFoldersRunSideBySide)
{
    const auto first = running();
    ASSERT_TRUE(first);
    cScratchSettings other;
    fEnv.insert(u"RAVELIN_CONFIG_DIR"_s, other.filePath(u"config"_s));
    EXPECT_EQ(startWithLink(u"mailto:cy@example.org"_s), 0);
    first->kill();
    first->waitForFinished();
}

TEST_F(SingleInstance, oneMailFolderServesOneRunningProgramAtATime)
{
    cScratchSettings other;
    const QString mailRoot = fSettings.filePath(u"shared-mail"_s);
    const QString configs[] = {fSettings.filePath(u"config"_s), other.filePath(u"config"_s)};
    for (const QString &config : configs) {
        ASSERT_TRUE(QDir().mkpath(config));
        ASSERT_TRUE(cIniFile(config + u"/Ravelin2 Options.ini"_s).writeString(u"Options"_s, "MailFolder", mailRoot));
    }
    const auto first = start({u"lock"_s});
    ASSERT_EQ(nextLine(*first), "locked");

    fEnv.insert(u"RAVELIN_CONFIG_DIR"_s, configs[1]);
    const auto second = start({u"lock"_s});
    EXPECT_TRUE(nextLine(*second).startsWith("The mail folder " + mailRoot.toUtf8() + " is in use"));
    EXPECT_EQ(exitCode(*second), 5);

    first->kill();
    first->waitForFinished();
    const auto afterCrash = start({u"lock"_s});
    EXPECT_EQ(nextLine(*afterCrash), "locked");
    afterCrash->kill();
    afterCrash->waitForFinished();
}

} // namespace

const QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                   | QFile::WriteOther | QFile::ExeOther;

// The lock and socket go only where no other local user can make files first; anywhere else
// a stranger could take the lock (and Ravelin would not start) or receive a handed-over link.
TEST(InstanceFolder, onlyAFolderTheUserAloneOwnsIsUsed)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const uint me = ::getuid();
    const auto folder = [&scratch](const QString &name, QFile::Permissions mode) {
        const QString path = scratch.filePath(name);
        EXPECT_TRUE(QDir().mkdir(path));
        EXPECT_TRUE(QFile::setPermissions(path, mode));
        return path;
    };
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QString privateFolder = folder(u"private"_s, owner);
    const QString link = scratch.filePath(u"link"_s);
    ASSERT_TRUE(QFile::link(privateFolder, link));
    struct Case
    {
        const char *name;
        QString runtime;
        uint uid;
        bool used;
    };
    const QList<Case> cases = {
        {"private", privateFolder, me, true},
        {"owned by another user", privateFolder, me + 1, false},
        {"others may read", folder(u"readable"_s, owner | QFile::ReadOther | QFile::ExeOther), me, false},
        {"others may write", folder(u"open"_s, owner | QFile::WriteOther | QFile::ExeOther), me, false},
        {"a link", link, me, false},
        {"missing", scratch.filePath(u"missing"_s), me, false},
        {"unset", QString(), me, false},
    };
    const QString fallback = scratch.filePath(u"fallback"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString chosen = cSingleInstance::InstanceFolder(c.runtime, fallback, c.uid);
        EXPECT_EQ(chosen, c.used ? c.runtime : fallback);
    }
    EXPECT_EQ(QFileInfo(fallback).permissions() & kOthers, QFile::Permissions());
}

TEST(InstanceFolder, locksAreReadableByTheUserAloneWhateverTheUmask)
{
    cScratchSettings settings;
    ASSERT_TRUE(settings.initStorage());
    const mode_t saved = ::umask(0);
    cSingleInstance instance(settings.filePath(u"instance"_s));
    const bool claimed = instance.Claim();
    const bool mailLocked = LockMailFolder().ok();
    ::umask(saved);
    ASSERT_TRUE(claimed);
    ASSERT_TRUE(mailLocked);
    for (const QString &lock : {settings.filePath(u"instance.lock"_s), settings.mailRoot() + u"/.ravelin.lock"_s}) {
        SCOPED_TRACE(lock.toStdString());
        EXPECT_EQ(QFileInfo(lock).permissions() & (kOthers | QFile::ExeOwner), QFile::Permissions());
    }
}
