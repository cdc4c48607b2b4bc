// SPDX-License-Identifier: GPL-3.0-or-later
// The kept originals of received mail: stored once by content, found only by a well-formed id,
// shared by copies and removed only when no message file refers to them.
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cMailMessage.h"
#include "storage/cOriginalStore.h"
#include "tests/support/cScratchSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class OriginalStore : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fSettings.initStorage()); }

    // A message file in folder that refers to the original of raw.
    QString StoreMessage(const QString &folder, const QByteArray &raw)
    {
        const cResultOf<QByteArray> id = cOriginalStore::Keep(raw);
        EXPECT_TRUE(id) << qPrintable(id.text());
        cMailMessage record;
        record.Subject = "kept";
        record.Original = id.value();
        const cResultOf<QString> path = cFolderStore::NewMessagePath(folder);
        EXPECT_TRUE(path && record.WriteFile(path.value()));
        return path.value();
    }

    static int KeptCount()
    {
        int count = 0;
        QDirIterator files(MailFolderRoot() + QStringLiteral("/.originals"), QDir::Files, QDirIterator::Subdirectories);
        for (; files.hasNext(); files.next())
            ++count;
        return count;
    }

    cScratchSettings fSettings;
};

} // namespace

TEST_F(OriginalStore, SameBytesAreKeptOnceAndReadBackExactly)
{
    const char bytes[] = "From: a@b\r\n\r\n\x00\xff body\r\n";
    const QByteArray raw(bytes, sizeof bytes - 1);
    const cResultOf<QByteArray> first = cOriginalStore::Keep(raw);
    const cResultOf<QByteArray> second = cOriginalStore::Keep(raw);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first.value(), second.value());
    EXPECT_EQ(KeptCount(), 1);
    EXPECT_EQ(cOriginalStore::Read(first.value()).value(), raw);
    EXPECT_FALSE(cFolderStore::UserFolders().contains(QStringLiteral(".originals")));
}

TEST_F(OriginalStore, OnlyWellFormedIdsLeadToAFile)
{
    for (const QByteArray &id : {QByteArray("../../etc/passwd"), QByteArray(64, 'g'), QByteArray(63, 'a'),
                                QByteArray(64, 'A'), QByteArray()}) {
        EXPECT_TRUE(cOriginalStore::PathOf(id).isEmpty()) << id.constData();
        EXPECT_EQ(cOriginalStore::Read(id).cause(), eFailure::FileSystem);
    }
}

TEST_F(OriginalStore, TheReferenceSurvivesTheMessageFileAndItsCopies)
{
    const QString path = StoreMessage(QStringLiteral("Inbox"), "one");
    cMailMessage read;
    ASSERT_TRUE(read.ReadFile(path, true));
    const cResultOf<QString> copy =
        cFolderStore::TransferMessage(path, QStringLiteral("Sent items"), false);
    ASSERT_TRUE(copy);
    cMailMessage copied;
    ASSERT_TRUE(copied.ReadFile(copy.value(), true));
    EXPECT_EQ(copied.Original, read.Original);
    EXPECT_FALSE(read.Original.isEmpty());
}

TEST_F(OriginalStore, EmptyingTheTrashRemovesOnlyOriginalsNoMessageRefersTo)
{
    const QString kept = StoreMessage(QStringLiteral("Inbox"), "kept");
    StoreMessage(QStringLiteral("Trash"), "gone");
    ASSERT_TRUE(cFolderStore::ClearFolder(QStringLiteral("Inbox2")));
    EXPECT_EQ(KeptCount(), 2);
    ASSERT_TRUE(cFolderStore::ClearFolder(QStringLiteral("Trash")));
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(kept, true));
    EXPECT_TRUE(cOriginalStore::Read(record.Original));
    EXPECT_EQ(KeptCount(), 1);
}

TEST_F(OriginalStore, MailInTheJunkFolderKeepsItsOriginal)
{
    ASSERT_TRUE(QDir().mkdir(MailFolderPath(FolderName(eFolderKind::Junk))));
    StoreMessage(FolderName(eFolderKind::Junk), "junk");
    ASSERT_TRUE(cFolderStore::ClearFolder(FolderName(eFolderKind::Trash)));
    EXPECT_EQ(KeptCount(), 1);
}

TEST_F(OriginalStore, NothingIsRemovedWhileSomeMessageFileCannotBeRead)
{
    const QString unreadable = StoreMessage(QStringLiteral("Inbox"), "mine");
    (void)cOriginalStore::Keep("nobody's");
    ASSERT_TRUE(QFile::setPermissions(unreadable, QFileDevice::Permissions()));
    if (QFile(unreadable).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(cOriginalStore::RemoveUnreferenced(), 0);
    EXPECT_EQ(KeptCount(), 2);
}
