// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back deletes, moves and read marks: each comes back as it was, the history reaches
// far enough back, and a message that vanished or changed since is never overwritten.
#include "StorageFixture.h"

#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
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

    cMessageRef put(const QString &folder, const QString &name, bool read = false)
    {
        cMailMessage m;
        m.Subject = name.toUtf8();
        m.Read = read;
        const cMessageRef ref{folder, name};
        EXPECT_TRUE(m.WriteFile(cQrzMailStore::PathOf(ref)));
        return ref;
    }
    static bool exists(const cMessageRef &ref) { return QFileInfo::exists(cQrzMailStore::PathOf(ref)); }
    static bool isRead(const cMessageRef &ref)
    {
        cMailMessage m;
        EXPECT_TRUE(m.ReadFile(cQrzMailStore::PathOf(ref), true));
        return m.Read;
    }
    static QString inbox() { return FolderName(eFolderKind::Inbox); }
    static QString trash() { return FolderName(eFolderKind::Trash); }

    cQrzMailStore fStore;
    cUndoHistory fHistory{fStore};
};

TEST_F(UndoHistoryTest, DeleteAndMoveComeBackUnderTheirOwnNames)
{
    struct cCase
    {
        const char *name;
        std::function<cStoreBatch(cUndoHistory &, const QList<cMessageRef> &)> step;
    };
    const QList<cCase> cases{
        {"delete", [](cUndoHistory &h, const QList<cMessageRef> &m) { return h.Delete(m); }},
        {"move", [](cUndoHistory &h, const QList<cMessageRef> &m) { return h.Transfer(m, QStringLiteral("Work"), true); }},
    };
    for (const cCase &c : cases) {
        const QList<cMessageRef> refs{put(inbox(), QStringLiteral("mail1.qrz")), put(inbox(), QStringLiteral("mail2.qrz"))};
        const cStoreBatch done = c.step(fHistory, refs);
        ASSERT_TRUE(done.result) << c.name;
        EXPECT_FALSE(exists(refs.first())) << c.name;
        EXPECT_TRUE(fHistory.Undo()) << c.name;
        EXPECT_TRUE(exists(refs.at(0)) && exists(refs.at(1))) << c.name;
        for (const cMessageRef &moved : done.now)
            EXPECT_FALSE(exists(moved)) << c.name;
        EXPECT_FALSE(fHistory.CanUndo());
    }
}

// A run over many messages stops at the first that fails, names it, and leaves every message
// either done or where it was: none is lost or doubled.
TEST_F(UndoHistoryTest, BatchesStopAtTheFirstFailureAndLoseNothing)
{
    const cMessageRef vanished{inbox(), QStringLiteral("vanished.qrz")};
    const QList<cMessageRef> refs{put(inbox(), QStringLiteral("mail1.qrz")), put(inbox(), QStringLiteral("mail2.qrz")),
                                  vanished, put(inbox(), QStringLiteral("mail4.qrz"))};
    const cStoreBatch moved = fHistory.Transfer(refs, QStringLiteral("Work"), true);
    EXPECT_EQ(moved.done, refs.mid(0, 2));
    EXPECT_EQ(moved.now.size(), 2);
    EXPECT_TRUE(exists(moved.now.at(0)) && exists(moved.now.at(1)));
    EXPECT_TRUE(moved.result.text().contains(QStringLiteral("vanished.qrz")));
    EXPECT_TRUE(exists(refs.at(3)));

    const cStoreBatch marked = fHistory.Mark({moved.now.at(0), vanished, moved.now.at(1)}, true);
    EXPECT_EQ(marked.done, QList<cMessageRef>{moved.now.at(0)});
    EXPECT_TRUE(marked.result.text().contains(QStringLiteral("vanished.qrz")));
    EXPECT_TRUE(isRead(moved.now.at(0)));
    EXPECT_FALSE(isRead(moved.now.at(1)));
}

TEST_F(UndoHistoryTest, MarksReturnToWhatEachMessageHadBefore)
{
    const cMessageRef wasRead = put(inbox(), QStringLiteral("mail1.qrz"), true);
    const cMessageRef wasUnread = put(inbox(), QStringLiteral("mail2.qrz"), false);
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
    cMessageRef ref = put(inbox(), QStringLiteral("mail1.qrz"));
    const QStringList folders{inbox(), QStringLiteral("Work")};
    const int steps = cUndoHistory::kMostSteps + 5;
    for (int n = 0; n < steps; ++n) {
        const cStoreBatch moved = fHistory.Transfer({ref}, folders.at((n + 1) % 2), true);
        ASSERT_TRUE(moved.result);
        ref = moved.now.first();
    }
    EXPECT_EQ(fHistory.Count(), cUndoHistory::kMostSteps);
    while (fHistory.CanUndo())
        ASSERT_TRUE(fHistory.Undo());
    // The oldest five steps were forgotten: the message stops where they had taken it.
    EXPECT_TRUE(QFileInfo::exists(MailFolderPath(folders.at(1)) + QStringLiteral("/mail1.qrz")));
}

TEST_F(UndoHistoryTest, WhatVanishedOrChangedSinceIsNamedAndLeftAlone)
{
    const cMessageRef gone = put(inbox(), QStringLiteral("mail1.qrz"));
    const cMessageRef kept = put(inbox(), QStringLiteral("mail2.qrz"));
    const cStoreBatch deleted = fHistory.Delete({gone, kept});
    ASSERT_TRUE(QFile::remove(cQrzMailStore::PathOf(deleted.now.first())));
    const cResult undone = fHistory.Undo();
    EXPECT_FALSE(undone);
    EXPECT_TRUE(undone.text().contains(trash() + QStringLiteral("/mail1.qrz")));
    EXPECT_TRUE(exists(kept));

    // A message put in the old place since keeps it; the one moved back gets a new name.
    const cStoreBatch moved = fHistory.Transfer({kept}, QStringLiteral("Work"), true);
    const cMessageRef newcomer = put(inbox(), QStringLiteral("mail2.qrz"), true);
    EXPECT_TRUE(fHistory.Undo());
    EXPECT_TRUE(isRead(newcomer));
    EXPECT_EQ(cFolderStore::MessageFiles(inbox()).size(), 2);
    EXPECT_FALSE(exists(moved.now.first()));

    // Marked otherwise since: that later choice stands.
    ASSERT_TRUE(fHistory.Mark({newcomer}, false).result);
    ASSERT_TRUE(fStore.MarkRead(newcomer, true));
    const cResult unmarked = fHistory.Undo();
    EXPECT_FALSE(unmarked);
    EXPECT_TRUE(unmarked.text().contains(newcomer.key));
    EXPECT_TRUE(isRead(newcomer));
}

TEST_F(UndoHistoryTest, DeletingFromTheTrashIsSaidToBeForGood)
{
    ASSERT_TRUE(fHistory.Delete({put(trash(), QStringLiteral("mail1.qrz"))}).result);
    const cResult undone = fHistory.Undo();
    EXPECT_EQ(undone.cause(), eFailure::Refused);
    EXPECT_TRUE(undone.text().contains(QStringLiteral("for good")));
    EXPECT_FALSE(fHistory.CanUndo());
    EXPECT_EQ(fHistory.Undo().cause(), eFailure::Refused);
}

} // namespace
