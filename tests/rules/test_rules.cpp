// SPDX-License-Identifier: GPL-3.0-or-later
// Message rules: each condition and action once, the all/any and stop semantics, and what
// happens to mail when a rule cannot run.
#include "rules/cMailSorter.h"
#include "rules/cRuleEngine.h"
#include "rules/cRuleMatcher.h"
#include "rules/cRuleStore.h"
#include "rules/RuleWords.h"
#include "storage/MailStorage.h"
#include "storage/cFolderIndex.h"
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

cMailMessage sampleMessage()
{
    cMailMessage m;
    m.From = "Ann Lee";
    m.FromAddress = "ann@example.org";
    m.To = "Bob <bob@example.org>, carol@example.org";
    m.CC = "dave@example.org";
    m.Subject = "Offer: Cheap Flights";
    m.Account = "Work";
    m.headerLines = {"X-Mailing-List: devs@lists.example.org", "Subject: Offer: Cheap Flights",
                     "X-Label: Grüße aus KÖLN"};
    m.body = {"Hello,", "to unsubscribe, write back."};
    m.attachments = {QStringLiteral("/tmp/ticket.pdf")};
    return m;
}

cRuleCondition when(eRuleField field, eRuleMatch match, const char *text, const char *header = "")
{
    return {field, match, QString::fromUtf8(header), QString::fromUtf8(text), false};
}

cRule ruleOf(QList<cRuleCondition> conditions, QList<cRuleAction> actions = {{eRuleAction::MarkRead}},
             bool matchAll = true)
{
    cRule rule;
    rule.name = QStringLiteral("Rule");
    rule.matchAll = matchAll;
    rule.conditions = std::move(conditions);
    rule.actions = std::move(actions);
    return rule;
}

struct cConditionCase
{
    cRuleCondition condition;
    bool holds;
};

constexpr qint64 kSampleSize = 50 * 1024;

TEST(RuleConditions, EachFieldAndComparison)
{
    cRuleCondition caseSensitive = when(eRuleField::Subject, eRuleMatch::Contains, "CHEAP");
    caseSensitive.caseSensitive = true;
    const cConditionCase cases[] = {
        {when(eRuleField::From, eRuleMatch::Contains, "ann lee"), true},
        {when(eRuleField::From, eRuleMatch::Is, "ANN@example.org"), true},
        {when(eRuleField::From, eRuleMatch::BeginsWith, "ann@"), true},
        {when(eRuleField::From, eRuleMatch::NotContains, "example.org"), false},
        {when(eRuleField::To, eRuleMatch::Is, "carol@example.org"), true},
        {when(eRuleField::To, eRuleMatch::Is, "bob@example.org"), true},
        {when(eRuleField::CC, eRuleMatch::Contains, "dave"), true},
        {when(eRuleField::CC, eRuleMatch::Contains, "bob"), false},
        {when(eRuleField::ToOrCC, eRuleMatch::Is, "dave@example.org"), true},
        {when(eRuleField::ToOrCC, eRuleMatch::NotContains, "bob"), false},
        {when(eRuleField::Subject, eRuleMatch::Regex, "^offer:.*flights$"), true},
        {when(eRuleField::Subject, eRuleMatch::Is, "offer"), false},
        {caseSensitive, false},
        {when(eRuleField::Header, eRuleMatch::Contains, "devs@", "x-mailing-list"), true},
        {when(eRuleField::Header, eRuleMatch::Contains, "devs@", "List-Id"), false},
        {when(eRuleField::Header, eRuleMatch::NotContains, "devs@", "List-Id"), true},
        {when(eRuleField::Header, eRuleMatch::Is, "grÜße aus köln", "X-Label"), true},
        {when(eRuleField::Body, eRuleMatch::Contains, "UNSUBSCRIBE"), true},
        {when(eRuleField::Account, eRuleMatch::Is, "work"), true},
        {when(eRuleField::Size, eRuleMatch::LargerThan, "40"), true},
        {when(eRuleField::Size, eRuleMatch::SmallerThan, "40"), false},
        {when(eRuleField::HasAttachments, eRuleMatch::Is, ""), true},
    };
    // One set of texts for every case, as the rules of a run share it: no comparison may see
    // another's folding or another header's text.
    const cMailMessage message = sampleMessage();
    const cRuleTexts texts(message);
    for (const cConditionCase &c : cases) {
        const cRule rule = ruleOf({c.condition});
        ASSERT_EQ(cRuleMatcher::Problem(rule), QString());
        EXPECT_EQ(cRuleMatcher(rule).Matches(texts, kSampleSize), c.holds)
            << "field " << int(c.condition.field) << " match " << int(c.condition.match) << " "
            << c.condition.text.toStdString();
    }
}

TEST(RuleConditions, AllNeedsEveryConditionAnyNeedsOne)
{
    const QList<cRuleCondition> oneOfTwo = {when(eRuleField::Subject, eRuleMatch::Contains, "offer"),
                                            when(eRuleField::Subject, eRuleMatch::Contains, "invoice")};
    const cMailMessage message = sampleMessage();
    EXPECT_FALSE(cRuleMatcher(ruleOf(oneOfTwo)).Matches(cRuleTexts(message), kSampleSize));
    EXPECT_TRUE(cRuleMatcher(ruleOf(oneOfTwo, {{eRuleAction::MarkRead}}, false)).Matches(cRuleTexts(message), kSampleSize));
    EXPECT_TRUE(cRuleMatcher(ruleOf({}, {{eRuleAction::MarkRead}}, false)).Matches(cRuleTexts(message), kSampleSize));
}

TEST(RuleConditions, RulesThatCannotRunAreNamedWithTheirReason)
{
    const struct
    {
        cRule rule;
        const char *reason;
    } cases[] = {
        {ruleOf({when(eRuleField::Subject, eRuleMatch::Regex, "(unclosed")}), "not a valid regular expression"},
        {ruleOf({when(eRuleField::Size, eRuleMatch::LargerThan, "big")}), "number of kilobytes"},
        {ruleOf({when(eRuleField::Subject, eRuleMatch::LargerThan, "5")}), "only a size"},
        {ruleOf({when(eRuleField::Header, eRuleMatch::Contains, "x")}), "header's name is missing"},
        {ruleOf({when(eRuleField::Subject, eRuleMatch::Contains, "x")}, {}), "has no action"},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(cRuleMatcher::Problem(c.rule).contains(QLatin1String(c.reason))) << c.reason;
}

class RuleStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fDir.initStorage()); }

    static QString inbox() { return FolderName(eFolderKind::Inbox); }

    static cMailMessage read(const QString &path)
    {
        cMailMessage m;
        EXPECT_TRUE(m.ReadFile(path, true).ok()) << path.toStdString();
        return m;
    }

    static cRule named(const char *name, cRule rule)
    {
        rule.name = QLatin1String(name);
        return rule;
    }

    cScratchSettings fDir;
};

TEST_F(RuleStoreTest, RulesReadBackAsSavedInOrder)
{
    cRuleCondition header = when(eRuleField::Header, eRuleMatch::BeginsWith, " re: ", "X-Mailing-List");
    header.caseSensitive = true;
    cRule first = named("Lists", ruleOf({header, when(eRuleField::Size, eRuleMatch::SmallerThan, "12")},
                                        {{eRuleAction::MoveTo, QStringLiteral("My lists")}, {eRuleAction::SetPriority, {}, 4}},
                                        false));
    first.stop = true;
    const cRule second = named("Quiet", ruleOf({}, {{eRuleAction::MarkRead}}));
    ASSERT_TRUE(cRuleStore::Save({first, second}).ok());

    const QList<cRule> rules = cRuleStore::Rules();
    ASSERT_EQ(rules.size(), 2);
    const cRule &back = rules.first();
    EXPECT_EQ(back.name, first.name);
    EXPECT_FALSE(back.matchAll);
    EXPECT_TRUE(back.stop);
    ASSERT_EQ(back.conditions.size(), 2);
    EXPECT_EQ(back.conditions[0].text, QStringLiteral(" re: "));
    EXPECT_EQ(back.conditions[0].header, QStringLiteral("X-Mailing-List"));
    EXPECT_TRUE(back.conditions[0].caseSensitive);
    EXPECT_EQ(back.conditions[1].match, eRuleMatch::SmallerThan);
    ASSERT_EQ(back.actions.size(), 2);
    EXPECT_EQ(back.actions[0].folder, QStringLiteral("My lists"));
    EXPECT_EQ(back.actions[1].priority, 4);
    EXPECT_EQ(rules.last().name, second.name);
}

TEST_F(RuleStoreTest, AnUnstorableRuleIsRefusedAndTheFileKept)
{
    ASSERT_TRUE(cRuleStore::Add(named("Keep", ruleOf({}))).ok());
    const cRule badPattern = named("Bad", ruleOf({when(eRuleField::Subject, eRuleMatch::Regex, "[a-")}));
    const cResult saved = cRuleStore::Add(badPattern);
    EXPECT_EQ(saved.cause(), eFailure::Refused);
    EXPECT_TRUE(saved.text().contains(QLatin1String("regular expression"))) << saved.text().toStdString();
    EXPECT_EQ(cRuleStore::Add(named("keep", ruleOf({}))).cause(), eFailure::Refused);
    EXPECT_EQ(cRuleStore::Add(named("Two\nlines", ruleOf({}))).cause(), eFailure::Refused);
    EXPECT_EQ(cRuleStore::Add(named("Line", ruleOf({when(eRuleField::Subject, eRuleMatch::Is, "a\r\nEnabled=0")}))).cause(),
              eFailure::Refused);
    ASSERT_EQ(cRuleStore::Rules().size(), 1);
    EXPECT_TRUE(cRuleStore::Delete(QStringLiteral("KEEP")).ok());
    EXPECT_TRUE(cRuleStore::Rules().isEmpty());
    EXPECT_EQ(cRuleStore::Delete(QStringLiteral("Keep")).cause(), eFailure::Refused);
}

TEST_F(RuleStoreTest, AStoredWordThisVersionDoesNotKnowSwitchesTheRuleOff)
{
    QFile file(cRuleStore::FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray future = "[Future]\r\nEnabled=1\r\nCondition1=spam-score\r\nCondition1Text=\"5\"\r\nAction1=move\r\n";
    file.write(future);
    file.close();
    QStringList notes;
    const QList<cRule> rules = cRuleStore::Rules(&notes);
    ASSERT_EQ(rules.size(), 1);
    EXPECT_FALSE(rules.first().enabled);
    EXPECT_EQ(notes.size(), 1);

    // Adding and deleting another rule leaves that one as it was written.
    ASSERT_TRUE(cRuleStore::Add(named("Keep", ruleOf({}))).ok());
    EXPECT_EQ(cRuleStore::Rules().size(), 2);
    ASSERT_TRUE(cRuleStore::Delete(QStringLiteral("keep")).ok());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), future);
}

// A run over a folder goes through the store it is given: the folder tree and the memory
// stand-in alike.
TEST_F(RuleStoreTest, EachActionOfAFolderRunDoesWhatItSaysInAnyStore)
{
    const QString travel = QStringLiteral("Travel");
    const QString trash = FolderName(eFolderKind::Trash);
    const struct
    {
        cRuleAction action;
        QString folder;   // where the message ends up
        int inInbox;      // messages left in Inbox
        bool read;
        int priority;
    } cases[] = {
        {{eRuleAction::MoveTo, travel}, travel, 0, false, 2},
        {{eRuleAction::CopyTo, travel}, inbox(), 1, false, 2},
        {{eRuleAction::MarkRead}, inbox(), 1, true, 2},
        {{eRuleAction::SetPriority, {}, 0}, inbox(), 1, false, 0},
        {{eRuleAction::Delete}, trash, 0, false, 2},
    };
    cQrzMailStore tree;
    cMemoryMailStore memory;
    for (cMailStore *store : std::initializer_list<cMailStore *>{&tree, &memory}) {
        ASSERT_TRUE(store->CreateFolder(travel));
        for (const auto &c : cases) {
            SCOPED_TRACE(DescribeAction(c.action).toStdString());
            for (const QString &folder : {inbox(), travel, trash})
                ASSERT_TRUE(store->EmptyFolder(folder));
            ASSERT_TRUE(store->Store(inbox(), sampleMessage()));
            const cRuleEngine engine({ruleOf({when(eRuleField::Subject, eRuleMatch::Contains, "offer")}, {c.action})},
                                     store->Folders());
            cMessageRef placed;
            const auto told = [&placed](const cMessageRef &, const cMessageRef &now) { placed = now; };
            const cRuleEngine::cFolderRun run = engine.ApplyToFolder(*store, inbox(), told);
            EXPECT_TRUE(run.errors.isEmpty()) << run.errors.join(u'\n').toStdString();
            EXPECT_EQ(placed.folder, c.folder);
            EXPECT_EQ(run.moved, c.inInbox == 0 ? 1 : 0);
            EXPECT_EQ(store->Messages(inbox()).size(), c.inInbox);
            const cResultOf<cMailMessage> after = store->Read(placed);
            ASSERT_TRUE(after) << after.text().toStdString();
            EXPECT_EQ(after.value().Read, c.read);
            EXPECT_EQ(after.value().Priority, c.priority);
        }
    }
}

TEST_F(RuleStoreTest, StopEndsTheRunForThatMessage)
{
    cMemoryMailStore store;
    store.AddFolder(QStringLiteral("Travel"));
    cRule file = named("File", ruleOf({when(eRuleField::Subject, eRuleMatch::Contains, "flights")},
                                      {{eRuleAction::MoveTo, QStringLiteral("Travel")}}));
    const cRule markRead = named("Read", ruleOf({}, {{eRuleAction::MarkRead}}));
    for (const bool stop : {false, true}) {
        file.stop = stop;
        const cMessageRef message = store.Store(inbox(), sampleMessage()).value();
        const cRuleEngine::cStoredOutcome outcome = cRuleEngine({file, markRead}, store.Folders()).Apply(store, message);
        EXPECT_EQ(outcome.message.folder, QStringLiteral("Travel"));
        EXPECT_EQ(store.Read(outcome.message).value().Read, !stop) << "stop " << stop;
    }
}

TEST_F(RuleStoreTest, ARuleNamingAMissingFolderIsOffAndKeepsTheMail)
{
    cMemoryMailStore store;
    const cRule lost = named("Lost", ruleOf({}, {{eRuleAction::MoveTo, QStringLiteral("Gone")}}));
    const cRule markRead = named("Read", ruleOf({}, {{eRuleAction::MarkRead}}));
    const cRuleEngine engine({lost, markRead}, store.Folders());
    ASSERT_EQ(engine.Notes().size(), 1);
    EXPECT_TRUE(engine.Notes().first().contains(QLatin1String("\"Gone\"")));
    const cMessageRef message = store.Store(inbox(), sampleMessage()).value();
    EXPECT_EQ(engine.Apply(store, message).message, message);
    EXPECT_TRUE(store.Read(message).value().Read);
}

TEST_F(RuleStoreTest, DeletingInTheTrashKeepsTheMessage)
{
    cMemoryMailStore store;
    const cMessageRef message = store.Store(FolderName(eFolderKind::Trash), sampleMessage()).value();
    const cRuleEngine engine({named("Delete", ruleOf({}, {{eRuleAction::Delete}}))}, store.Folders());
    EXPECT_EQ(engine.Apply(store, message).message, message);
    EXPECT_TRUE(store.Read(message));
}

// A check hands the record to the sorter before writing it: the flags its rules set before any
// copy go into that one writing; a copy keeps the flags of its moment, and the folder's listing
// agrees with the files.
TEST_F(RuleStoreTest, ArrivingMailIsWrittenOnceWithTheFlagsOfItsRules)
{
    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Travel")).ok());
    const QString travel = QStringLiteral("Travel");
    const auto stampOf = [](const QString &path) {
        const std::vector<cFileStamp> stamps = cFolderIndex::Scan(QFileInfo(path).path());
        const auto found = std::find_if(stamps.cbegin(), stamps.cend(),
                                        [&](const cFileStamp &stamp) { return stamp.name == QFileInfo(path).fileName(); });
        return found == stamps.cend() ? cFileStamp() : *found;
    };
    const cRule markRead = named("Read", ruleOf({}, {{eRuleAction::MarkRead}}));
    const cRule copy = named("Copy", ruleOf({}, {{eRuleAction::CopyTo, travel}}));
    const cRule move = named("Move", ruleOf({}, {{eRuleAction::MoveTo, travel}}));
    const cRule lowest = named("Low", ruleOf({}, {{eRuleAction::SetPriority, {}, 4}}));
    const cRule highest = named("High", ruleOf({}, {{eRuleAction::SetPriority, {}, 0}}));
    const struct
    {
        const char *what;
        QList<cRule> rules;
        QString folder;       // where the arrival ends up
        bool read;
        int priority;
        int copiesRead;       // -1: no copy in Travel
        bool writtenOnce;
    } cases[] = {
        {"mark read", {markRead}, inbox(), true, 2, -1, true},
        {"move, then mark read", {move, markRead}, travel, true, 2, -1, true},
        {"two priorities", {lowest, highest}, inbox(), false, 0, -1, true},
        {"mark read, then copy", {markRead, copy}, inbox(), true, 2, 1, true},
        {"copy, then mark read", {copy, markRead}, inbox(), true, 2, 0, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString &folder : {inbox(), travel})
            ASSERT_TRUE(cFolderStore::ClearFolder(folder).ok());
        (void)cFolderIndex::List(MailFolderPath(inbox()));
        ASSERT_TRUE(cRuleStore::Save(c.rules).ok());
        cMailSorter sorter;
        cMailMessage record = sampleMessage();
        const QString path = cFolderStore::NewMessagePath(inbox()).value();
        sorter.Prepare(path, record);
        ASSERT_TRUE(record.WriteFile(path, eDurability::Deferred).ok());
        const quint64 written = stampOf(path).inode;

        const QList<cMailSorter::cSorted> sorted = sorter.Sort(path, inbox()) + sorter.Finish();
        ASSERT_EQ(sorted.size(), 1);
        EXPECT_TRUE(sorted.first().notes.isEmpty()) << sorted.first().notes.join(u'\n').toStdString();
        EXPECT_EQ(sorted.first().folder, c.folder);
        EXPECT_EQ(stampOf(sorted.first().path).inode == written, c.writtenOnce);
        const cMailMessage stored = read(sorted.first().path);
        EXPECT_EQ(stored.Read, c.read);
        EXPECT_EQ(stored.Priority, c.priority);
        const std::vector<cIndexEntry> listed = cFolderIndex::List(MailFolderPath(c.folder));
        const auto entry = std::find_if(listed.cbegin(), listed.cend(), [&](const cIndexEntry &e) {
            return e.stamp.name == QFileInfo(sorted.first().path).fileName();
        });
        ASSERT_NE(entry, listed.cend());
        EXPECT_EQ(entry->Read, c.read);
        const QStringList copies = cFolderStore::MessageFiles(travel);
        EXPECT_EQ(copies.size(), c.copiesRead >= 0 || c.folder == travel ? 1 : 0);
        if (c.copiesRead >= 0 && !copies.isEmpty()) {
            EXPECT_EQ(read(copies.first()).Read, c.copiesRead == 1);
        }
    }
}

} // namespace
