// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back deletes, moves and read marks: each comes back as it was, the history reaches
// far enough back, and a message that vanished or changed since is never overwritten.
#include "StorageFixture.h"

#include "storage/cFolderStore.h"
#include "storage/cUndoHistory.h"

#include <QFileInfo>

namespace {

class UndoHistoryTest : public StorageFixture
{
protected:
    void SetUp() override
    {
        StorageFixture::SetUp();
        initStorage();
        ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Work")));
    }

    QString put(const QString &folder, const QString &name, bool read = false)
    {
        cMailMessage m;
        m.Subject = name.toUtf8();
        m.Read = read;
        const QString path = MailFolderPath(folder) + QLatin1Char('/') + name;
        EXPECT_TRUE(m.WriteFile(path));
        return path;
    }
    static bool isRead(const QString &path)
    {
        cMailMessage m;
        EXPECT_TRUE(m.ReadFile(path, true));
        return m.Read;
    }
    static QString inbox() { return FolderName(eFolderKind::Inbox); }
    static QString trash() { return FolderName(eFolderKind::Trash); }

    cUndoHistory fHistory;
};

TEST_F(UndoHistoryTest, DeleteAndMoveComeBackUnderTheirOwnNames)
{
    struct cCase
    {
        const char *name;
        std::function<cBatchOutcome(cUndoHistory &, const QStringList &)> step;
    };
    const QList<cCase> cases{
        {"delete", [](cUndoHistory &h, const QStringList &p) { return h.Delete(p, inbox()); }},
        {"move", [](cUndoHistory &h, const QStringList &p) { return h.Transfer(p, inbox(), QStringLiteral("Work"), true); }},
    };
    for (const cCase &c : cases) {
        const QStringList paths{put(inbox(), QStringLiteral("mail1.qrz")), put(inbox(), QStringLiteral("mail2.qrz"))};
        const cBatchOutcome done = c.step(fHistory, paths);
        ASSERT_TRUE(done.result) << c.name;
        EXPECT_FALSE(QFileInfo::exists(paths.first())) << c.name;
        EXPECT_TRUE(fHistory.Undo()) << c.name;
        EXPECT_TRUE(QFileInfo::exists(paths.at(0)) && QFileInfo::exists(paths.at(1))) << c.name;
        for (const QString &moved : done.newPaths)
            EXPECT_FALSE(QFileInfo::exists(moved)) << c.name;
        EXPECT_FALSE(fHistory.CanUndo());
    }
}

TEST_F(UndoHistoryTest, MarksReturnToWhatEachMessageHadBefore)
{
    const QString wasRead = put(inbox(), QStringLiteral("mail1.qrz"), true);
    const QString wasUnread = put(inbox(), QStringLiteral("mail2.qrz"), false);
    ASSERT_TRUE(fHistory.Mark({wasRead, wasUnread}, false).result);
    ASSERT_TRUE(fHistory.Mark({wasRead, wasUnread}, true).result);
    EXPECT_TRUE(fHistory.Undo());
    EXPECT_FALSE(isRead(wasRead));
    EXPECT_TRUE(fHistory.Undo());
    EXPECT_TRUE(isRead(wasRead));
    EXPECT_FALSE(isRead(wasUnread));
}

TEST_F(UndoHistoryTest, StepsAreTakenBackNewestFirstAsFarAsTheHistoryReaches)
{
    QString path = put(inbox(), QStringLiteral("mail1.qrz"));
    const QStringList folders{inbox(), QStringLiteral("Work")};
    const int steps = cUndoHistory::kMostSteps + 5;
    for (int n = 0; n < steps; ++n) {
        const cBatchOutcome moved = fHistory.Transfer({path}, folders.at(n % 2), folders.at((n + 1) % 2), true);
        ASSERT_TRUE(moved.result);
        path = moved.newPaths.first();
    }
    EXPECT_EQ(fHistory.Count(), cUndoHistory::kMostSteps);
    while (fHistory.CanUndo())
        ASSERT_TRUE(fHistory.Undo());
    // The oldest five steps were forgotten: the message stops where they had taken it.
    EXPECT_TRUE(QFileInfo::exists(MailFolderPath(folders.at(1)) + QStringLiteral("/mail1.qrz")));
}

TEST_F(UndoHistoryTest, WhatVanishedOrChangedSinceIsNamedAndLeftAlone)
{
    const QString gone = put(inbox(), QStringLiteral("mail1.qrz"));
    const QString kept = put(inbox(), QStringLiteral("mail2.qrz"));
    const cBatchOutcome deleted = fHistory.Delete({gone, kept}, inbox());
    ASSERT_TRUE(QFile::remove(deleted.newPaths.first()));
    const cResult undone = fHistory.Undo();
    EXPECT_FALSE(undone);
    EXPECT_TRUE(undone.text().contains(deleted.newPaths.first()));
    EXPECT_TRUE(QFileInfo::exists(kept));

    // A message put in the old place since keeps it; the one moved back gets a new name.
    const cBatchOutcome moved = fHistory.Transfer({kept}, inbox(), QStringLiteral("Work"), true);
    const QString newcomer = put(inbox(), QStringLiteral("mail2.qrz"), true);
    EXPECT_TRUE(fHistory.Undo());
    EXPECT_TRUE(isRead(newcomer));
    EXPECT_EQ(cFolderStore::MessageFiles(inbox()).size(), 2);
    EXPECT_FALSE(QFileInfo::exists(moved.newPaths.first()));

    // Marked otherwise since: that later choice stands.
    ASSERT_TRUE(fHistory.Mark({newcomer}, false).result);
    ASSERT_TRUE(cFolderStore::MarkRead(newcomer, true));
    const cResult unmarked = fHistory.Undo();
    EXPECT_FALSE(unmarked);
    EXPECT_TRUE(unmarked.text().contains(newcomer));
    EXPECT_TRUE(isRead(newcomer));
}

TEST_F(UndoHistoryTest, DeletingFromTheTrashIsSaidToBeForGood)
{
    const QString path = put(trash(), QStringLiteral("mail1.qrz"));
    ASSERT_TRUE(fHistory.Delete({path}, trash()).result);
    const cResult undone = fHistory.Undo();
    EXPECT_EQ(undone.cause(), eFailure::Refused);
    EXPECT_TRUE(undone.text().contains(QStringLiteral("for good")));
    EXPECT_FALSE(fHistory.CanUndo());
    EXPECT_EQ(fHistory.Undo().cause(), eFailure::Refused);
}

} // namespace
