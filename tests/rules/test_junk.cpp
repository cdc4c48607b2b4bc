// SPDX-License-Identifier: GPL-3.0-or-later
// The junk filter against the real bogofilter, on a generated corpus: messages of 80 words,
// half from a pool every message shares, 49% from their own class's pool and 1% from the
// other class's (spam talks of meetings now and then, colleagues of free offers), drawn with a
// fixed seed. After learning 500 of each, fresh messages must be judged right: 95% of spam and
// 99.5% of ham at least.
#include "rules/cJunkFilter.h"
#include "rules/cMailSorter.h"
#include "rules/cRuleStore.h"
#include "storage/MessageText.h"
#include "storage/cFolderStore.h"
#include "storage/cOriginalStore.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

const QList<QByteArray> kShared = {"the", "and", "you", "this", "for", "with", "today", "please", "about", "more",
                                   "your", "here", "time", "information", "now", "new", "we", "our", "week", "next"};
const QList<QByteArray> kSpam = {"viagra", "casino", "winner", "prize", "cheap", "pills", "lottery", "bitcoin",
                                 "investment", "guaranteed", "unsubscribe", "click", "offer", "discount", "free",
                                 "million", "claim", "urgent", "refinance", "loan"};
const QList<QByteArray> kHam = {"meeting", "agenda", "project", "review", "deadline", "report", "lunch", "tuesday",
                                "draft", "budget", "invoice", "team", "schedule", "minutes", "release", "patch",
                                "build", "thanks", "regards", "attached"};

class JunkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.initStorage());
        if (cJunkFilter::Program().isEmpty())
            GTEST_SKIP() << "bogofilter is not installed";
    }

    QByteArray message(bool spam)
    {
        QList<QByteArray> words;
        for (int i = 0; i < 80; ++i) {
            const int roll = int(fRandom.bounded(100));
            const QList<QByteArray> &pool = roll < 50 ? kShared : (roll < 99) == spam ? kSpam : kHam;
            words.append(pool.at(int(fRandom.bounded(int(pool.size())))));
        }
        return "From: someone" + QByteArray::number(fRandom.bounded(1000)) + "@example.org\r\nSubject: "
               + words.mid(0, 4).join(' ') + "\r\n\r\n" + words.join(' ') + "\r\n";
    }

    QList<QByteArray> messages(bool spam, int count)
    {
        QList<QByteArray> made;
        for (int i = 0; i < count; ++i)
            made.append(message(spam));
        return made;
    }

    void learn(int each)
    {
        ASSERT_TRUE(cJunkFilter::Learn(messages(true, each), true).ok());
        ASSERT_TRUE(cJunkFilter::Learn(messages(false, each), false).ok());
    }

    int judgedAs(bool spam, int count)
    {
        int right = 0;
        for (const QByteArray &mail : messages(spam, count)) {
            const cResultOf<eJunkVerdict> verdict = cJunkFilter::Classify(mail);
            EXPECT_TRUE(verdict.ok()) << verdict.text().toStdString();
            right += verdict.value() == (spam ? eJunkVerdict::Spam : eJunkVerdict::Ham) ? 1 : 0;
        }
        return right;
    }

    // The record of the generated mail with its original kept, as the incoming store makes it.
    static cMailMessage record(const QByteArray &raw)
    {
        const qsizetype headerEnd = raw.indexOf("\r\n\r\n");
        cMailMessage m;
        m.Original = cOriginalStore::Keep(raw).value();
        m.headerLines = raw.left(headerEnd).split('\n');
        for (QByteArray &line : m.headerLines)
            line = line.trimmed();
        m.From = HeaderField(m.headerLines, "From");
        m.Subject = HeaderField(m.headerLines, "Subject");
        m.body = {raw.mid(headerEnd + 4).trimmed()};
        return m;
    }

    static QString stored(const QByteArray &raw)
    {
        const QString path = cFolderStore::NewMessagePath(QStringLiteral("Inbox")).value();
        EXPECT_TRUE(record(raw).WriteFile(path).ok());
        return path;
    }

    cScratchSettings fDir;
    QRandomGenerator fRandom{20261209};
};

TEST_F(JunkTest, AfterLearningFiveHundredOfEachFreshMailIsJudgedRight)
{
    EXPECT_FALSE(cJunkFilter::Trained());
    learn(500);
    EXPECT_TRUE(cJunkFilter::Trained());
    EXPECT_GE(judgedAs(true, 200), 190);
    EXPECT_GE(judgedAs(false, 200), 199);
}

TEST_F(JunkTest, NewSpamGoesToJunkUnlessARuleStoppedFirst)
{
    learn(200);
    cRule keep;
    keep.name = QStringLiteral("Keep");
    keep.conditions = {{eRuleField::From, eRuleMatch::Is, {}, QStringLiteral("boss@example.org"), false}};
    keep.actions = {{eRuleAction::MarkRead}};
    keep.stop = true;
    ASSERT_TRUE(cRuleStore::Save({keep}).ok());
    const QString inbox = FolderName(eFolderKind::Inbox);
    const QByteArray spamText = message(true);
    const QByteArray fromBoss = "From: boss@example.org" + spamText.mid(spamText.indexOf("\r\n"));

    const QString spam = stored(message(true)), ham = stored(message(false)), boss = stored(fromBoss);

    // Verdicts may come a message later; Finish brings back the rest, each message once.
    cMailSorter sorter;
    QList<cMailSorter::cSorted> sorted;
    for (const QString &path : {spam, ham, boss})
        sorted += sorter.Sort(path, inbox);
    sorted += sorter.Finish();
    QMap<QString, QString> folders;
    for (const cMailSorter::cSorted &message : sorted)
        folders.insert(QFileInfo(message.path).fileName(), message.folder);
    EXPECT_EQ(sorted.size(), 3);
    EXPECT_EQ(folders.value(QFileInfo(spam).fileName()), FolderName(eFolderKind::Junk));
    EXPECT_EQ(folders.value(QFileInfo(ham).fileName()), inbox);
    EXPECT_EQ(folders.value(QFileInfo(boss).fileName()), inbox);
    EXPECT_EQ(cFolderStore::MessageFiles(FolderName(eFolderKind::Junk)).size(), 1);
}

// On the folder tree and on the memory stand-in alike; Junk is made the first time.
TEST_F(JunkTest, MarkingAsJunkTeachesAndMovesNotJunkBringsBack)
{
    const QString inbox = FolderName(eFolderKind::Inbox), junk = FolderName(eFolderKind::Junk);
    cQrzMailStore tree;
    cMemoryMailStore memory;
    for (cMailStore *store : std::initializer_list<cMailStore *>{&tree, &memory}) {
        const cMailMessage spam = record(message(true));
        ASSERT_TRUE(cJunkFilter::MarkMessages(*store, {store->Store(inbox, spam).value()}, true).ok());
        EXPECT_TRUE(cJunkFilter::Trained());
        ASSERT_EQ(store->Messages(junk).size(), 1);
        ASSERT_TRUE(cJunkFilter::MarkMessages(*store, store->Messages(junk), false).ok());
        EXPECT_TRUE(store->Messages(junk).isEmpty());
        ASSERT_EQ(store->Messages(inbox).size(), 1);
        EXPECT_EQ(store->Read(store->Messages(inbox).first()).value().Subject, spam.Subject);
    }
}

// What the word list counts as learned: spam and ham messages, as bogoutil reports them.
std::pair<int, int> learnedCounts()
{
    QProcess bogoutil;
    bogoutil.start(QStringLiteral("bogoutil"), {QStringLiteral("-w"), cJunkFilter::WordListFolder(), QStringLiteral(".MSG_COUNT")});
    if (!bogoutil.waitForFinished())
        return {-1, -1};
    const QList<QByteArray> fields = bogoutil.readAllStandardOutput().split('\n').value(1).simplified().split(' ');
    return {fields.value(1).toInt(), fields.value(2).toInt()};
}

// "Not junk" after "Mark as junk" (and the CLI's learning run twice) must leave the message
// counted once, as what it was last called.
TEST_F(JunkTest, TeachingAgainCountsOnceAndTheOtherWayTakesBackFirst)
{
    const QByteArray mail = message(true);
    const struct
    {
        QList<QByteArray> mails;
        bool spam;
        std::pair<int, int> counts;
    } steps[] = {{{mail, mail}, true, {1, 0}}, {{mail}, true, {1, 0}}, {{mail}, false, {0, 1}},
                 {{mail}, false, {0, 1}},      {{mail}, true, {1, 0}}};
    for (const auto &step : steps) {
        ASSERT_TRUE(cJunkFilter::Learn(step.mails, step.spam).ok());
        EXPECT_EQ(learnedCounts(), step.counts);
    }
}

// A filter that answers once and dies, and fails every time it is started again: the check
// starts it once, keeps the verdict it gave, keeps every other message where it arrived and
// says so once, instead of starting it again for each message.
TEST_F(JunkTest, AFilterThatDiesMidCheckLeavesTheRestUnjudgedAndSaysSoOnce)
{
    const QString fake = fDir.filePath(QStringLiteral("bogofilter")), starts = fDir.filePath(QStringLiteral("starts"));
    QFile script(fake);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho started >> '" + QFile::encodeName(starts) + "'\n"
                 "case \" $* \" in *\" -b \"*) ;; *) echo 'word list damaged' >&2; exit 3;; esac\n"
                 "read name && echo \"$name S 0.999\"\nexit 3\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(QDir().mkpath(cJunkFilter::WordListFolder()));
    QFile wordList(cJunkFilter::WordListFolder() + QStringLiteral("/wordlist.db"));
    ASSERT_TRUE(wordList.open(QIODevice::WriteOnly));
    wordList.close();
    qputenv(cJunkFilter::kProgramVariable, QFile::encodeName(fake));
    const QString inbox = FolderName(eFolderKind::Inbox);

    QList<cMailSorter::cSorted> sorted;
    {
        cMailSorter sorter;
        for (int i = 0; i < 5; ++i)
            sorted += sorter.Sort(stored(message(false)), inbox);
        sorted += sorter.Finish();
    }
    qunsetenv(cJunkFilter::kProgramVariable);

    ASSERT_EQ(sorted.size(), 5);
    EXPECT_EQ(sorted.first().folder, FolderName(eFolderKind::Junk));
    QStringList notes;
    for (const cMailSorter::cSorted &message : sorted.mid(1)) {
        EXPECT_EQ(message.folder, inbox);
        EXPECT_TRUE(QFileInfo::exists(message.path));
        notes += message.notes;
    }
    EXPECT_EQ(notes.size(), 1) << notes.join(u'\n').toStdString();
    EXPECT_EQ(cFolderStore::MessageFiles(inbox).size(), 4);
    QFile started(starts);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll().count('\n'), 1);
}

TEST_F(JunkTest, WithoutBogofilterNothingIsJudgedAndLearningNamesThePackage)
{
    learn(20);
    qputenv(cJunkFilter::kProgramVariable, "/nonexistent/bogofilter");
    const cResult learned = cJunkFilter::Learn({message(true)}, true);
    cMailSorter sorter;
    const QList<cMailSorter::cSorted> sorted = sorter.Sort(stored(message(true)), FolderName(eFolderKind::Inbox));
    qunsetenv(cJunkFilter::kProgramVariable);
    EXPECT_EQ(learned.cause(), eFailure::Refused);
    EXPECT_TRUE(learned.text().contains(QLatin1String("\"bogofilter\""))) << learned.text().toStdString();
    ASSERT_EQ(sorted.size(), 1);
    EXPECT_EQ(sorted.first().folder, FolderName(eFolderKind::Inbox));
    EXPECT_TRUE(sorted.first().notes.isEmpty());
}

} // namespace
