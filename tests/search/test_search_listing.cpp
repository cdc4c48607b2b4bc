// SPDX-License-Identifier: GPL-3.0-or-later
// What a search hands the message list, and the saved searches' file.
#include "SearchFixture.h"

#include "search/SearchListing.h"
#include "search/cListedSearch.h"
#include "search/cSavedSearches.h"

#include <QFile>
#include <QFileInfo>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList names(const std::vector<cIndexEntry> &entries)
{
    QStringList found;
    for (const cIndexEntry &entry : entries)
        found.append(entry.stamp.name);
    return found;
}

} // namespace

using SearchListing = SearchFixture;

// Entries are named by folder and file under the mail folder, newest first, with the fields a
// folder's list shows; a message gone since the index looked is left out, not shown broken.
TEST_F(SearchListing, EntriesNameTheirFolderAndLeaveOutGoneFiles)
{
    openAndUpdate();
    const cResultOf<std::vector<cIndexEntry>> found = FindListed(QStringLiteral("quarterly"));
    ASSERT_TRUE(found) << found.text().toStdString();
    EXPECT_EQ(names(found.value()), (QStringList{QStringLiteral("Inbox/a.qrz"), QStringLiteral("Work/c.qrz")}));
    EXPECT_EQ(found.value().front().Subject, QByteArray("Quarterly report"));
    EXPECT_TRUE(found.value().back().Html);

    ASSERT_TRUE(QFile::remove(pathOf("Work", "c.qrz")));
    EXPECT_EQ(names(FindListed(QStringLiteral("quarterly")).value()), QStringList{QStringLiteral("Inbox/a.qrz")});
}

// The window's searches keep the index open; one made anew in its place is followed.
TEST_F(SearchListing, AKeptSearchFollowsAnIndexMadeAnew)
{
    openAndUpdate();
    cListedSearch listed;
    EXPECT_EQ(names(listed.Find(QStringLiteral("quarterly"), cSearchIndex::DefaultPath()).value()),
              (QStringList{QStringLiteral("Inbox/a.qrz"), QStringLiteral("Work/c.qrz")}));
    fIndex.Close();
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(cSearchIndex::DefaultPath() + QLatin1String(suffix));
    store(message("Dan Hale", "dan@example.org", "Quarterly numbers", {2025, 1, 2}), "Inbox", "d.qrz");
    openAndUpdate();
    EXPECT_EQ(names(listed.Find(QStringLiteral("quarterly"), cSearchIndex::DefaultPath()).value()),
              (QStringList{QStringLiteral("Inbox/d.qrz"), QStringLiteral("Inbox/a.qrz"), QStringLiteral("Work/c.qrz")}));
}

// A search runs beside the indexer, which may be making the file at that moment: the search
// says so and leaves the file alone, where making it anew would throw the indexer's work away.
TEST_F(SearchListing, ASearchNeverMakesNorReplacesTheIndex)
{
    const QString path = cSearchIndex::DefaultPath();
    struct cCase
    {
        const char *what;
        int version; // of the file the search finds; none when negative
    };
    for (const cCase c : {cCase{"none yet", -1}, cCase{"just made by a writer", 0}, cCase{"of an older format", 99}}) {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        if (c.version >= 0) {
            cSqliteDb writer;
            ASSERT_TRUE(writer.Open(path, eSqliteOpen::Create));
            ASSERT_TRUE(writer.Exec(QByteArray("PRAGMA user_version = " + QByteArray::number(c.version)).constData()));
        }
        const QByteArray before = contentOf(path);
        const cResultOf<std::vector<cIndexEntry>> found = FindListed(QStringLiteral("quarterly"));
        EXPECT_FALSE(found) << c.what;
        EXPECT_TRUE(found.text().contains(path)) << found.text().toStdString();
        EXPECT_EQ(QFileInfo::exists(path), c.version >= 0) << c.what;
        EXPECT_EQ(contentOf(path), before) << c.what;
    }
    openAndUpdate();
    EXPECT_EQ(names(FindListed(QStringLiteral("quarterly")).value()),
              (QStringList{QStringLiteral("Inbox/a.qrz"), QStringLiteral("Work/c.qrz")}));
}

TEST_F(SearchListing, AQueryThatCannotBeReadIsRefused)
{
    openAndUpdate();
    const cResultOf<std::vector<cIndexEntry>> found = FindListed(QStringLiteral("(report"));
    ASSERT_FALSE(found);
    EXPECT_EQ(found.result().cause(), eFailure::Refused);
}

// Saved in order, replaced by name without case, removed alone; what was typed stays one line
// of the file, so it can never add a search or a key.
TEST_F(SearchListing, SavedSearchesKeepTheirOrderAndStayOneLineEach)
{
    EXPECT_TRUE(cSavedSearches::Read().empty());
    ASSERT_TRUE(cSavedSearches::Save({QStringLiteral("Money"), QStringLiteral("budget")}));
    ASSERT_TRUE(cSavedSearches::Save({QStringLiteral("Bob"), QStringLiteral("from:bob\r\n[Search9]\nName=x")}));
    ASSERT_TRUE(cSavedSearches::Save({QStringLiteral("money"), QStringLiteral("budget OR report")}));
    const std::vector<cSavedSearch> saved{{QStringLiteral("money"), QStringLiteral("budget OR report")},
                                          {QStringLiteral("Bob"), QStringLiteral("from:bob [Search9] Name=x")}};
    EXPECT_EQ(cSavedSearches::Read(), saved);

    ASSERT_TRUE(cSavedSearches::Remove(QStringLiteral("MONEY")));
    EXPECT_EQ(cSavedSearches::Read(), std::vector<cSavedSearch>{saved.back()});
}
