// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchQuery.h"
#include "storage/cMailMessage.h"

#include "SearchFixture.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

struct cCase
{
    const char *query;
    QStringList found;
};

const QString A = QStringLiteral("Inbox/a.qrz");
const QString B = QStringLiteral("Inbox/b.qrz");
const QString C = QStringLiteral("Work/c.qrz");

using QueryLanguage = SearchFixture;

TEST_F(QueryLanguage, EachOperatorFindsItsMessages)
{
    openAndUpdate();
    const cCase cases[] = {
        {"budget", {A}},
        {"BUDGET - \xe2\x80\x94", {A}},
        {"cafe", {A}},
        {"\"the meeting\"", {A}},
        {"\"meeting the\"", {}},
        {"from:bob", {B}},
        {"from:carol@example.net", {C}},
        {"to:bob", {A}},
        {"cc:carol", {A}},
        {"subject:report", {A, C}},
        {"subject:\"quarterly report\"", {A, C}},
        {"body:report", {}},
        {"body:ramen", {B}},
        {"folder:work", {C}},
        {"has:attachment", {A}},
        {"xlsx", {A}},
        {"is:unread", {A, C}},
        {"is:read", {B}},
        {"before:2024-01-01", {C}},
        {"after:2024-05-20", {B}},
        {"after:2024-03 before:2024-04", {A}},
        {"budget OR ramen", {B, A}},
        {"report AND NOT from:carol", {A}},
        {"report NOT folder:work", {A}},
        {"NOT is:unread", {B}},
        {"quart*", {A, C}},
        {"\xe6\x9d\xb1\xe4\xba\xac", {B}},
        {"\xe4\xba\xac\xe6\x9d\xb1", {}},
        {"final", {C}},
        {"color", {}},
        {"(budget OR numbers) is:unread", {A, C}},
        {"ramen OR is:unread", {B, A, C}},
        {"re:", {C}},
    };
    for (const cCase &c : cases)
        EXPECT_EQ(find(QString::fromUtf8(c.query)), c.found) << c.query;
}

TEST_F(QueryLanguage, UnreadableQueriesAreRefusedNamingWhy)
{
    const char *const wrong[] = {"", "   ", "from:", "(budget", "budget)", "budget AND", "OR budget",
                                 "before:yesterday", "has:pictures", "is:flagged"};
    for (const char *query : wrong) {
        const cResultOf<cSearchQuery> parsed = cSearchQuery::Parse(QString::fromUtf8(query));
        EXPECT_EQ(parsed.cause(), eFailure::Refused) << query;
        EXPECT_TRUE(parsed.text().startsWith(QStringLiteral("Cannot read the search"))) << query;
    }
}

TEST_F(QueryLanguage, TypedQuotesAndColumnsStayWords)
{
    openAndUpdate();
    const cCase cases[] = {
        {"\"budget\" OR \"x\"\"y\"", {A}},
        {"body:\"words MATCH\"", {}},
        {"folder:\"Inbox' OR 1=1 --\"", {}},
        {"subject:NEAR", {}},
    };
    for (const cCase &c : cases)
        EXPECT_EQ(find(QString::fromUtf8(c.query)), c.found) << c.query;
}

using IndexUpkeep = SearchFixture;

TEST_F(IndexUpkeep, ADamagedMissingOrOlderIndexIsMadeAnew)
{
    const std::function<void(const QString &)> spoilers[] = {
        [](const QString &path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'x'));
        },
        [](const QString &path) {
            for (const char *suffix : {"", "-wal", "-shm"})
                QFile::remove(path + QLatin1String(suffix));
        },
        [](const QString &path) {
            cSqliteDb db;
            ASSERT_TRUE(db.Open(path, eSqliteOpen::Create));
            ASSERT_TRUE(db.Exec("PRAGMA user_version = 99"));
        },
    };
    openAndUpdate();
    for (const auto &spoil : spoilers) {
        fIndex.Close();
        spoil(cSearchIndex::DefaultPath());
        openAndUpdate();
        EXPECT_EQ(find(QStringLiteral("budget")), QStringList{A});
        EXPECT_EQ(fIndex.Count(), 3);
    }
}

// The index covers the store's folders but Junk, the junk filter's.
TEST_F(IndexUpkeep, LeavesJunkOut)
{
    ASSERT_TRUE(QDir(MailFolderRoot()).mkdir(FolderName(eFolderKind::Junk)));
    ASSERT_TRUE(QFile::rename(pathOf("Inbox", "a.qrz"), pathOf("Junk", "a.qrz")));
    openAndUpdate();
    EXPECT_EQ(find(QStringLiteral("budget")), QStringList{});
    EXPECT_EQ(fIndex.Count(), 2);
}

TEST_F(IndexUpkeep, FollowsMovesDeletesReadMarksAndOtherPrograms)
{
    openAndUpdate();
    ASSERT_TRUE(QFile::rename(pathOf("Inbox", "a.qrz"), pathOf("Work", "a.qrz")));
    ASSERT_TRUE(QFile::remove(pathOf("Inbox", "b.qrz")));
    ASSERT_TRUE(cMailMessage::SetReadFlag(pathOf("Work", "c.qrz"), true));
    cMailMessage changed = message("Dan Hale", "dan@example.org", "Rewritten", {2024, 6, 1});
    changed.body = {"Edited by another program"};
    store(changed, "Work", "c.qrz");
    ASSERT_TRUE(fIndex.Update(fStore));
    EXPECT_EQ(find(QStringLiteral("budget")), QStringList{QStringLiteral("Work/a.qrz")});
    EXPECT_EQ(find(QStringLiteral("ramen")), QStringList{});
    EXPECT_EQ(find(QStringLiteral("numbers")), QStringList{});
    EXPECT_EQ(find(QStringLiteral("edited is:unread")), QStringList{C});
    EXPECT_EQ(fIndex.Count(), 2);
}

TEST_F(IndexUpkeep, ARenamedFolderKeepsItsEntriesUnreadAndACopyIsFoundTwice)
{
    openAndUpdate();
    ASSERT_TRUE(QDir(MailFolderRoot()).rename(QStringLiteral("Work"), QStringLiteral("Projects")));
    ASSERT_TRUE(QFile::copy(pathOf("Inbox", "b.qrz"), pathOf("Trash", "b.qrz")));
    qsizetype read = 0;
    ASSERT_TRUE(fIndex.Update(fStore, {}, [&read](qsizetype, qsizetype total) { read = total; return true; }));
    EXPECT_EQ(read, 1);
    EXPECT_EQ(find(QStringLiteral("folder:projects")), QStringList{QStringLiteral("Projects/c.qrz")});
    EXPECT_EQ(find(QStringLiteral("ramen")), (QStringList{B, QStringLiteral("Trash/b.qrz")}));
}

TEST_F(IndexUpkeep, AddedFilesAreReadAloneAndOnlyMessagesOfTheFolder)
{
    ASSERT_TRUE(QFile::copy(pathOf("Inbox", "a.qrz"), pathOf("Inbox", ".hidden.qrz")));
    ASSERT_TRUE(QFile::copy(pathOf("Inbox", "a.qrz"), pathOf("Inbox", "notes.txt")));
    ASSERT_TRUE(fIndex.Open());
    const QStringList names{u"../Work/c.qrz"_s, u".hidden.qrz"_s, u"notes.txt"_s, u"missing.qrz"_s, u"b.qrz"_s};
    ASSERT_TRUE(fIndex.Add(fStore, QStringLiteral("Inbox"), names));
    EXPECT_EQ(fIndex.Count(), 1);
    EXPECT_EQ(find(QStringLiteral("ramen")), QStringList{B});

    cMailMessage changed = message("Dan Hale", "dan@example.org", "Rewritten", {2024, 6, 1});
    changed.body = {"Edited by another program"};
    store(changed, "Inbox", "b.qrz");
    ASSERT_TRUE(fIndex.Add(fStore, QStringLiteral("Inbox"), {u"b.qrz"_s, u"b.qrz"_s}));
    EXPECT_EQ(fIndex.Count(), 1);
    EXPECT_EQ(find(QStringLiteral("ramen")), QStringList{});
    EXPECT_EQ(find(QStringLiteral("edited")), QStringList{B});
    // A look over the folder afterwards sees the added file as it is.
    qsizetype read = 0;
    ASSERT_TRUE(fIndex.Update(fStore, {QStringLiteral("Inbox")}, [&read](qsizetype, qsizetype total) {
        read = total;
        return true;
    }));
    EXPECT_EQ(read, 1);
}

// The window keeps its index open while the indexer's connection stores and forgets mail.
TEST_F(IndexUpkeep, AnOpenIndexFindsWhatAnotherConnectionChanged)
{
    openAndUpdate();
    EXPECT_EQ(find(QStringLiteral("report")), (QStringList{A, C}));
    cMailMessage arrived = message("Eve Fox", "eve@example.org", "Report draft", {2024, 7, 1});
    store(arrived, "Work", "d.qrz");
    ASSERT_TRUE(QFile::remove(pathOf("Inbox", "a.qrz")));
    cSearchIndex indexer;
    ASSERT_TRUE(indexer.Open());
    ASSERT_TRUE(indexer.Update(fStore));
    EXPECT_EQ(find(QStringLiteral("report")), (QStringList{QStringLiteral("Work/d.qrz"), C}));
    EXPECT_EQ(find(QStringLiteral("report folder:work")), (QStringList{QStringLiteral("Work/d.qrz"), C}));
}

TEST_F(IndexUpkeep, AStoppedUpdateGoesOnWhereItStopped)
{
    ASSERT_TRUE(fIndex.Open());
    const cResult stopped = fIndex.Update(fStore, {}, [](qsizetype, qsizetype) { return false; });
    EXPECT_EQ(stopped.cause(), eFailure::Cancelled);
    const qsizetype done = fIndex.Count();
    EXPECT_GT(done, 0);
    qsizetype read = 0;
    ASSERT_TRUE(fIndex.Update(fStore, {}, [&read](qsizetype, qsizetype total) { read = total; return true; }));
    EXPECT_EQ(read, 3 - done);
    EXPECT_EQ(fIndex.Count(), 3);
}

} // namespace
