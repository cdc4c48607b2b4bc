// SPDX-License-Identifier: GPL-3.0-or-later
// "ravelin-cli rule run" killed at random points while its rules move a folder's mail: after
// each kill, and after a last run to its end, every message is in exactly one place.
#include "rules/cRuleStore.h"
#include "storage/cFolderStore.h"
#include "storage/cMailMessage.h"
#include "tests/support/cScratchSettings.h"

#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <iostream>

namespace {

constexpr int kMessages = 2000;
constexpr int kWaitMs = 60000;

class RuleKillTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.initStorage());
        ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Archive")).ok());
        cRule archive;
        archive.name = QStringLiteral("Archive");
        archive.conditions = {{eRuleField::Subject, eRuleMatch::BeginsWith, {}, QStringLiteral("message"), false}};
        archive.actions = {{eRuleAction::MoveTo, QStringLiteral("Archive")}};
        ASSERT_TRUE(cRuleStore::Save({archive}).ok());
        for (int n = 0; n < kMessages; ++n) {
            cMailMessage m;
            m.Subject = "message " + QByteArray::number(n);
            ASSERT_TRUE(m.WriteFile(cFolderStore::NewMessagePath(QStringLiteral("Inbox")).value(), eDurability::Deferred).ok());
        }
    }

    // Starts a run and kills it after it reported `moves` moves (or ended).
    static void runAndKill(int moves)
    {
        QProcess run;
        run.start(qEnvironmentVariable("RAVELIN_CLI"), {QStringLiteral("rule"), QStringLiteral("run"), QStringLiteral("Inbox")});
        ASSERT_TRUE(run.waitForStarted());
        for (int seen = 0; seen < moves && run.state() == QProcess::Running;) {
            if (!run.canReadLine() && !run.waitForReadyRead(kWaitMs))
                break;
            while (run.canReadLine())
                seen += run.readLine().startsWith("moved ") ? 1 : 0;
        }
        run.kill();
        run.waitForFinished(kWaitMs);
    }

    static void expectEachOnce()
    {
        QMap<QByteArray, int> counts;
        for (const QString &folder : {QStringLiteral("Inbox"), QStringLiteral("Archive")})
            for (const QString &path : cFolderStore::MessageFiles(folder)) {
                cMailMessage m;
                ASSERT_TRUE(m.ReadFile(path, true).ok()) << path.toStdString();
                ++counts[m.Subject];
            }
        EXPECT_EQ(counts.size(), kMessages);
        for (auto count = counts.cbegin(); count != counts.cend(); ++count)
            EXPECT_EQ(count.value(), 1) << count.key().toStdString();
    }

    cScratchSettings fDir;
};

TEST_F(RuleKillTest, KilledRunsMoveEachMessageOnce)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    std::cout << "random seed " << seed << "\n";
    QRandomGenerator random(seed);
    for (int i = 0; i < 3; ++i) {
        runAndKill(int(random.bounded(1, kMessages / 4)));
        expectEachOnce();
    }
    runAndKill(kMessages + 1);
    expectEachOnce();
    EXPECT_TRUE(cFolderStore::MessageFiles(QStringLiteral("Inbox")).isEmpty());
}

} // namespace
