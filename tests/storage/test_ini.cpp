// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AtomicFile.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class IniTest : public ::testing::Test
{
protected:
    QString path() const { return fDir.filePath(QStringLiteral("test.ini")); }

    void write(const QByteArray &data)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir fDir;
};

TEST_F(IniTest, NamesMatchWithoutCaseAndTheFirstOccurrenceWins)
{
    write("[MainWnd]\r\nSBVisible=0\r\nsbvisible=1\r\n[mainWnd]\r\nMsgListHeight=120\r\n");
    cIniFile ini(path());
    EXPECT_EQ(ini.readInteger(QStringLiteral("mainwnd"), "SbVisible", 7), 0);
    // The second "mainWnd" section is not read for the first one's keys.
    EXPECT_EQ(ini.readInteger(QStringLiteral("MAINWND"), "MsgListHeight", 99), 99);
    EXPECT_EQ(ini.readSections(), QStringList{QStringLiteral("MainWnd")});
}

TEST_F(IniTest, MissingThingsAndNonIntegersGiveTheDefault)
{
    cIniFile missing(fDir.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(missing.readString(QStringLiteral("Options"), "MailFolder", QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_TRUE(missing.errorString().isEmpty());
    EXPECT_TRUE(missing.readSections().isEmpty());

    write("[Options]\nVerifyMail=1\nPort=abc\nSize= 42 \nNeg=-3\nHalf=12x\nOff=0\n");
    cIniFile ini(path());
    EXPECT_TRUE(ini.readBool(QStringLiteral("Options"), "VerifyMail", false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("Options"), "Off", true));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Options"), "Port", 25), 25);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Options"), "Half", 25), 25);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Options"), "Size", 0), 42);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Options"), "Neg", 0), -3);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Nowhere"), "Size", 5), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Options"), "Absent", 5), 5);
}

TEST_F(IniTest, WritingAKeyChangesOnlyItsLine)
{
    const QByteArray before = "; comment line\n[A]\nkey = old value  \nOther=x\n\n[B]\nkey=b\nlast line without end";
    write(before);
    cIniFile ini(path());
    ASSERT_TRUE(ini.writeString(QStringLiteral("a"), "KEY", QStringLiteral("new")));
    QByteArray expected = before;
    expected.replace("key = old value  \n", "key =new\n");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(ini.readString(QStringLiteral("B"), "key"), QStringLiteral("b"));
}

TEST_F(IniTest, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEndOfTheFile)
{
    write("[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
    cIniFile ini(path());
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("A"), "z", 3));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("C"), "flag", true));
    EXPECT_EQ(contents(), QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nflag=1\r\n"));

    cIniFile fresh(fDir.filePath(QStringLiteral("fresh.ini")));
    ASSERT_TRUE(fresh.writeString(QStringLiteral("Info"), "To", QString()));
    EXPECT_EQ(fresh.readSections(), QStringList{QStringLiteral("Info")});
}

TEST_F(IniTest, AClosingKeyEndsTheSectionForReadsAndWrites)
{
    const QByteArray before = "[Header]\r\nSubject=s\r\nX_MailBoundary=7\r\nRead=0\r\n[Header]\r\nX_MailBoundary!7\r\nRead=0\r\n";
    write(before);
    cIniFile ini(path());
    ini.closedBy("X_MailBoundary");
    EXPECT_EQ(ini.readInteger(QStringLiteral("Header"), "Read", 9), 9);
    ASSERT_TRUE(ini.writeBool(QStringLiteral("Header"), "Read", true));
    EXPECT_EQ(contents(), QByteArray("[Header]\r\nSubject=s\r\nRead=1\r\nX_MailBoundary=7\r\nRead=0\r\n[Header]\r\n"
                                     "X_MailBoundary!7\r\nRead=0\r\n"));
}

TEST_F(IniTest, ErasingAndRenamingSections)
{
    write("[Work]\nname=w\n[Home]\nname=h\n[work]\nname=w2\n");
    cIniFile ini(path());
    ASSERT_TRUE(ini.eraseSection(QStringLiteral("WORK")));
    EXPECT_EQ(contents(), QByteArray("[Home]\nname=h\n"));

    ASSERT_TRUE(RenameIniSection(path(), QStringLiteral("home"), QStringLiteral("Office")));
    EXPECT_EQ(contents(), QByteArray("[Office]\nname=h\n"));
    ASSERT_TRUE(RenameIniSection(path(), QStringLiteral("Nowhere"), QStringLiteral("X")));
    EXPECT_EQ(contents(), QByteArray("[Office]\nname=h\n"));
}

TEST_F(IniTest, AWriteKeepsTheFilesPermissionsAndLeavesNoTemporaryFile)
{
    write("[A]\nk=v\n");
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    cIniFile ini(path());
    ASSERT_TRUE(ini.writeString(QStringLiteral("A"), "k", QStringLiteral("w")));
    EXPECT_EQ(QFileInfo(path()).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner); // owner, group, other
    EXPECT_EQ(QDir(fDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("test.ini")});
}

TEST_F(IniTest, ValuesThatWouldBreakTheFileAreRefused)
{
    write("[A]\nk=v\n");
    cIniFile ini(path());
    EXPECT_FALSE(ini.writeBytes(QStringLiteral("A"), "k", "two\r\nlines"));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_EQ(contents(), QByteArray("[A]\nk=v\n"));
}

TEST_F(IniTest, AFailedWriteLeavesTheOldFileWhole)
{
    const QByteArray before = "[A]\nk=v\n" + QByteArray(4000, 'x') + "\n";
    write(before);
    // Files may grow to 100 bytes only: the write fails part-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    cIniFile ini(path());
    const bool written = ini.writeString(QStringLiteral("A"), "k", QStringLiteral("changed"));
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(written);
    EXPECT_TRUE(ini.errorString().contains(path())) << ini.errorString().toStdString();
    EXPECT_EQ(contents(), before);
}

TEST_F(IniTest, LinesOfAnyLengthAreReadWholeWhateverTheBlocks)
{
    // Line lengths around the reader's block size, with both line ends.
    QByteArray data = "[A]\r\n";
    const QList<int> lengths = {0, 1, 4095, 4096, 65534, 65535, 65536, 65537, 200000};
    for (int i = 0; i < lengths.size(); ++i)
        data += "k" + QByteArray::number(i) + '=' + QByteArray(lengths.at(i), char('a' + i)) + (i % 2 ? "\n" : "\r\n");
    data += "last=end";
    write(data);
    const cIniSection section = cIniFile(path()).readSection(QStringLiteral("A"));
    for (int i = 0; i < lengths.size(); ++i)
        EXPECT_EQ(section.value("k" + QByteArray::number(i)), QByteArray(lengths.at(i), char('a' + i))) << lengths.at(i);
    EXPECT_EQ(section.value("last"), QByteArray("end"));
}

TEST_F(IniTest, ATwentyMegabyteLineIsReadInLinearTime)
{
    const QByteArray huge(20 * 1024 * 1024, 'x');
    write("[Header]\r\nSubject=" + huge + "\r\nTo=bob@example.org\r\n");
    // Processor time: a busy machine must not fail the test, a quadratic step still does.
    const std::clock_t start = std::clock();
    const cIniSection section = cIniFile(path()).readSection(QStringLiteral("Header"));
    EXPECT_LT((std::clock() - start) * 1000 / CLOCKS_PER_SEC, 2000);
    EXPECT_EQ(section.value("Subject").size(), huge.size());
    EXPECT_EQ(section.value("To"), QByteArray("bob@example.org"));
}

TEST_F(IniTest, NewFilesArePrivateAndExistingOnesKeepTheirMode)
{
    const auto mode = [](const QString &file) { return QFileInfo(file).permissions() & 0x7777; };
    cIniFile fresh(path());
    ASSERT_TRUE(fresh.writeString(QStringLiteral("A"), "password", QStringLiteral("x")));
    EXPECT_EQ(mode(path()), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path(), shared));
    ASSERT_TRUE(fresh.writeString(QStringLiteral("A"), "password", QStringLiteral("y")));
    EXPECT_EQ(mode(path()) & 0x7077, shared);
}

// The id of a process that has ended.
qint64 endedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST_F(IniTest, OnlyStaleTemporariesOfOurOwnNamingAreRemoved)
{
    const QDir dir(fDir.path());
    const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-11 * 60);
    const QString own = QString::number(QCoreApplication::applicationPid());
    struct Case
    {
        QString name;
        bool old;
        bool removed;
    };
    const QList<Case> cases = {
        {QStringLiteral(".mail12.qrz.%1-0badf00d.tmp").arg(endedProcess()), false, true},
        {QStringLiteral(".mail13.qrz.%1-0badf00d.tmp").arg(own), false, false},
        {QStringLiteral(".mail14.qrz.%1-0badf00d.tmp").arg(own), true, true},
        {QStringLiteral(".notes.tmp"), true, false},
        {QStringLiteral(".mail15.qrz.0badf00d.tmp"), true, false},
        {QStringLiteral("mail16.qrz.%1-0badf00d.tmp").arg(endedProcess()), true, false},
        {QStringLiteral("mail17.qrz"), true, false},
    };
    for (const Case &c : cases) {
        QFile file(dir.filePath(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (c.old) {
            ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        }
    }
    EXPECT_EQ(RemoveStaleTemporaries(fDir.path()), 2);
    for (const Case &c : cases)
        EXPECT_EQ(QFileInfo::exists(dir.filePath(c.name)), !c.removed) << c.name.toStdString();
}

} // namespace
