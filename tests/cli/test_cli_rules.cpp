// SPDX-License-Identifier: GPL-3.0-or-later
// ravelin-cli's rule and junk commands: what they refuse, and a rule added, listed, run and
// deleted through them.
#include "CliRun.h"

#include "cli/cCliCommands.h"
#include "rules/cJunkFilter.h"
#include "storage/cFolderStore.h"
#include "storage/cMailMessage.h"
#include "storage/cOptions.h"

#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

namespace {

class CliRulesTest : public ::testing::Test, public cCliRun
{
protected:
    void SetUp() override { ASSERT_TRUE(fDir.initStorage()); }

    static QString storeMessage(const QByteArray &subject)
    {
        cMailMessage m;
        m.Subject = subject;
        m.From = "Ann <ann@example.org>";
        const QString path = cFolderStore::NewMessagePath(QStringLiteral("Inbox")).value();
        EXPECT_TRUE(m.WriteFile(path).ok());
        return path;
    }

    cScratchSettings fDir;
};

TEST_F(CliRulesTest, MisusedRuleCommandsAreRefused)
{
    const struct
    {
        QStringList arguments;
        int code;
        const char *said;
    } cases[] = {
        {{QStringLiteral("rule")}, 2, "rule takes"},
        {{QStringLiteral("rule"), QStringLiteral("add")}, 2, "needs a rule name"},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("R"), QStringLiteral("--subject"), QStringLiteral("x")}, 2,
         "needs an action"},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("R"), QStringLiteral("--priority"), QStringLiteral("9")}, 2,
         "from 0 (highest)"},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("R"), QStringLiteral("--match"), QStringLiteral("matches"),
          QStringLiteral("--subject"), QStringLiteral("[a-"), QStringLiteral("--mark-read")}, 1, "not a valid regular expression"},
        {{QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("R"), QStringLiteral("--move-to"), QStringLiteral("Gone")}, 1,
         "no mail folder \"Gone\""},
        {{QStringLiteral("rule"), QStringLiteral("delete"), QStringLiteral("None")}, 1, "no rule called \"None\""},
        {{QStringLiteral("rule"), QStringLiteral("run"), QStringLiteral("Gone")}, 1, "no mail folder \"Gone\""},
        {{QStringLiteral("junk"), QStringLiteral("learn"), QStringLiteral("file.eml")}, 2, "--spam or --ham"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.arguments), c.code) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(fErr.contains(QLatin1String(c.said))) << fErr.toStdString();
    }
}

TEST_F(CliRulesTest, ARuleIsAddedListedRunAndDeleted)
{
    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Lists")).ok());
    const QString listed = storeMessage("[devs] release");
    storeMessage("lunch?");
    ASSERT_EQ(run({QStringLiteral("rule"), QStringLiteral("add"), QStringLiteral("Devs"), QStringLiteral("--any"),
                   QStringLiteral("--subject"), QStringLiteral("[devs]"), QStringLiteral("--header"),
                   QStringLiteral("List-Id:devs"), QStringLiteral("--move-to"), QStringLiteral("Lists"), QStringLiteral("--stop")}),
              0)
        << fErr.toStdString();
    ASSERT_EQ(run({QStringLiteral("rule"), QStringLiteral("list")}), 0);
    EXPECT_EQ(fOut, QStringLiteral("Devs\ton\tsubject contains \"[devs]\" or header \"List-Id\" contains \"devs\"\t"
                                   "move to \"Lists\", stop\n"));

    ASSERT_EQ(run({QStringLiteral("rule"), QStringLiteral("run"), QStringLiteral("Inbox")}), 0) << fErr.toStdString();
    EXPECT_TRUE(fOut.endsWith(QStringLiteral("1 message(s) moved\n"))) << fOut.toStdString();
    EXPECT_EQ(cFolderStore::MessageFiles(QStringLiteral("Lists")).size(), 1);
    EXPECT_EQ(cFolderStore::MessageFiles(QStringLiteral("Inbox")).size(), 1);
    EXPECT_FALSE(QFile::exists(listed));

    ASSERT_EQ(run({QStringLiteral("rule"), QStringLiteral("delete"), QStringLiteral("devs")}), 0);
    ASSERT_EQ(run({QStringLiteral("rule"), QStringLiteral("list")}), 0);
    EXPECT_TRUE(fOut.isEmpty());
}

TEST_F(CliRulesTest, LearningWithoutBogofilterNamesThePackage)
{
    qputenv(cJunkFilter::kProgramVariable, "/nonexistent/bogofilter");
    const int code = run({QStringLiteral("junk"), QStringLiteral("learn"), QStringLiteral("--spam"), QStringLiteral("a.eml")});
    qunsetenv(cJunkFilter::kProgramVariable);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(fErr.contains(QLatin1String("Debian package \"bogofilter\""))) << fErr.toStdString();
}

} // namespace
