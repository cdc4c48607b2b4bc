// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchIndexer.h"

#include "SearchFixture.h"

#include <QFile>
#include <QSignalSpy>

namespace {

class SearchIndexer : public SearchFixture
{
protected:
    // Waits for the indexer's next round to end; whether it went well.
    bool roundEnds()
    {
        if (fFinished.isEmpty() && !fFinished.wait(10000))
            return false;
        return fFinished.takeFirst().at(0).toBool();
    }

    cSearchIndexer fIndexer{fStore};
    QSignalSpy fFinished{&fIndexer, &cSearchIndexer::Finished};
};

TEST_F(SearchIndexer, BuildsInTheBackgroundTellingHowFarItGot)
{
    QSignalSpy progress(&fIndexer, &cSearchIndexer::Progress);
    fIndexer.Refresh();
    ASSERT_TRUE(roundEnds());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).value<qsizetype>(), 3);
    EXPECT_EQ(progress.last().at(1).value<qsizetype>(), 3);
    ASSERT_TRUE(fIndex.Open());
    EXPECT_EQ(find(QStringLiteral("budget")), QStringList{QStringLiteral("Inbox/a.qrz")});
}

TEST_F(SearchIndexer, AStoredMessageIsAddedWithoutALookOverItsFolder)
{
    cMailMessage arrived = message("Erin Fox", "erin@example.org", "Tickets", {2024, 7, 1});
    arrived.body = {"Your tickets for the opera"};
    store(arrived, "Inbox", "d.qrz");
    fIndexer.Add(QStringLiteral("Inbox"), QStringLiteral("d.qrz"));
    ASSERT_TRUE(roundEnds());
    ASSERT_TRUE(fIndex.Open());
    EXPECT_EQ(find(QStringLiteral("opera")), QStringList{QStringLiteral("Inbox/d.qrz")});
    EXPECT_EQ(fIndex.Count(), 1);
}

TEST_F(SearchIndexer, WatchedFoldersAreFollowedWithoutBeingAsked)
{
    fIndexer.Refresh();
    ASSERT_TRUE(roundEnds());
    fIndexer.Watch();
    cMailMessage arrived = message("Erin Fox", "erin@example.org", "Tickets", {2024, 7, 1});
    arrived.body = {"Your tickets for the opera"};
    store(arrived, "Inbox", "d.qrz");
    ASSERT_TRUE(roundEnds());
    ASSERT_TRUE(fIndex.Open());
    EXPECT_EQ(find(QStringLiteral("opera")), QStringList{QStringLiteral("Inbox/d.qrz")});

    ASSERT_TRUE(QFile::rename(pathOf("Inbox", "d.qrz"), pathOf("Trash", "d.qrz")));
    // Both folders change: one round or two.
    const QStringList moved{QStringLiteral("Trash/d.qrz")};
    for (int round = 0; round < 2 && find(QStringLiteral("opera")) != moved; ++round) {
        ASSERT_TRUE(roundEnds());
    }
    EXPECT_EQ(find(QStringLiteral("opera")), moved);
}

} // namespace
