// SPDX-License-Identifier: GPL-3.0-or-later
// Message rules and the junk filter. Running 20 rules over a folder of 10,000 messages (goal:
// under 1 s), with rules that read only the header section and with one that also reads the
// header lines. And storing 1,000 messages of 4 KB as a mail check does, without sorting and
// with 20 rules and a trained junk filter (goal: within 1.15x; a real check adds the network,
// so the ratio here is the stricter one).
#include "SampleMail.h"
#include "rules/cJunkFilter.h"
#include "rules/cMailSorter.h"
#include "rules/cRuleStore.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cMailStoreBatch.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cScratchSettings.h"
#include "transfer/cIncomingStore.h"

#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFolderMessages = 10000;
constexpr int kArrivals = 1000;
const QString kInbox = QStringLiteral("Inbox");
const QString kLists = QStringLiteral("Lists");

cRuleCondition when(eRuleField field, eRuleMatch match, const QString &text, const QString &header = {})
{
    return {field, match, header, text, false};
}

// 20 rules: 18 that match nothing here, one that marks a tenth of the mail read, one that files
// a twentieth of it into Lists. withHeaderLines adds a List-Id condition, which makes every
// message be read whole.
QList<cRule> twentyRules(bool withHeaderLines)
{
    QList<cRule> rules;
    for (int n = 0; n < 18; ++n) {
        cRule rule;
        rule.name = QStringLiteral("Rule %1").arg(n);
        rule.matchAll = n % 2 == 0;
        rule.conditions = {when(eRuleField::From, eRuleMatch::Is, QStringLiteral("nobody%1@example.net").arg(n)),
                           when(eRuleField::Subject, eRuleMatch::Regex, QStringLiteral("^\\[project-%1\\]").arg(n))};
        if (withHeaderLines && n == 0)
            rule.conditions.append(when(eRuleField::Header, eRuleMatch::Contains, QStringLiteral("nothing"),
                                        QStringLiteral("List-Id")));
        rule.actions = {{eRuleAction::MoveTo, kLists}};
        rules.append(rule);
    }
    cRule read;
    read.name = QStringLiteral("Read");
    read.conditions = {when(eRuleField::Subject, eRuleMatch::BeginsWith, QStringLiteral("tenth"))};
    read.actions = {{eRuleAction::MarkRead}};
    cRule file;
    file.name = QStringLiteral("File");
    file.conditions = {when(eRuleField::ToOrCC, eRuleMatch::Contains, QStringLiteral("devs@lists.example.org"))};
    file.actions = {{eRuleAction::MoveTo, kLists}};
    file.stop = true;
    return rules << read << file;
}

QByteArray arrival(int n)
{
    QByteArray raw = "From: Sender " + QByteArray::number(n % 97) + " <s" + QByteArray::number(n % 97)
                     + "@example.org>\r\nTo: " + (n % 20 == 0 ? "devs@lists.example.org" : "bob@example.org")
                     + "\r\nSubject: " + (n % 10 == 0 ? "tenth " : "message ") + QByteArray::number(n)
                     + "\r\nMessage-ID: <" + QByteArray::number(n) + "@example.org>\r\n\r\n";
    while (raw.size() < 4096)
        raw += "A line of body text that makes the message about as long as a short real one.\r\n";
    return raw;
}

const cScratchSettings &settings()
{
    static cScratchSettings dir;
    static const bool ready = dir.initStorage() && cFolderStore::CreateFolder(kLists).ok();
    (void)ready;
    return dir;
}

void fillInbox()
{
    static bool filled = false;
    if (filled)
        return;
    filled = true;
    for (int n = 0; n < kFolderMessages; ++n) {
        cMailMessage m = SampleMessage(40);
        m.Subject = n % 10 == 0 ? "tenth " + QByteArray::number(n) : "message " + QByteArray::number(n);
        m.To = n % 20 == 0 ? "devs@lists.example.org" : "bob@example.org";
        (void)m.WriteFile(cFolderStore::NewMessagePath(kInbox).value(), eDurability::Deferred);
    }
}

void moveBack()
{
    for (const QString &path : cFolderStore::MessageFiles(kLists))
        (void)cFolderStore::TransferMessage(path, kInbox, true);
}

void BM_TwentyRulesOverTenThousandMessages(benchmark::State &state)
{
    settings();
    fillInbox();
    if (!cRuleStore::Save(twentyRules(state.range(0) == 1)).ok())
        state.SkipWithError("cannot save the rules");
    cQrzMailStore store;
    for (auto _ : state) {
        const cRuleEngine engine = cRuleEngine::FromStore(store.Folders());
        int moved = 0;
        {
            // As a run over the folder works, but for its flush at the end, which times the disk.
            const cMailStoreBatch batch(store);
            for (const cMessageRef &message : store.Messages(kInbox))
                moved += engine.Apply(store, message).message.folder == kLists ? 1 : 0;
        }
        state.PauseTiming();
        if (moved != kFolderMessages / 20)
            state.SkipWithError("the rules filed the wrong messages");
        moveBack();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFolderMessages);
}

void learnOnce()
{
    static bool learned = false;
    if (learned || cJunkFilter::Program().isEmpty())
        return;
    learned = true;
    QList<QByteArray> spam, ham;
    for (int n = 0; n < 50; ++n) {
        spam.append("From: win@prize.example\r\nSubject: cheap pills casino winner\r\n\r\nclaim your free million now\r\n");
        ham.append(arrival(n));
    }
    (void)cJunkFilter::Learn(spam, true);
    (void)cJunkFilter::Learn(ham, false);
}

// range(0): 0 stores only; 1 also runs 20 rules; 2 also runs 20 rules and the junk filter.
void BM_StoreThousandArrivals(benchmark::State &state)
{
    settings();
    const bool sort = state.range(0) >= 1;
    if (state.range(0) == 2 && cJunkFilter::Program().isEmpty())
        state.SkipWithError("bogofilter is not installed");
    learnOnce();
    if (state.range(0) == 1)
        qputenv(cJunkFilter::kProgramVariable, "/nonexistent/bogofilter");
    if (!cRuleStore::Save(sort ? twentyRules(false) : QList<cRule>{}).ok())
        state.SkipWithError("cannot save the rules");
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString &folder : {kInbox, kLists, FolderName(eFolderKind::Junk)})
            (void)cFolderStore::ClearFolder(folder);
        state.ResumeTiming();
        // Unsorted, the rules file is still read, as every check reads it.
        cMailSorter sorter;
        // As a mail check does, the sorter sees each record before it is written.
        const cIncomingStore::fBeforeFiling prepare = [&sorter](const QString &path, cMailMessage &record) {
            sorter.Prepare(path, record);
            return cResult::Ok();
        };
        for (int n = 0; n < kArrivals; ++n) {
            const auto stored = cIncomingStore::Store(arrival(n), QStringLiteral("Demo"), kInbox, eDurability::Deferred,
                                                      sort ? prepare : cIncomingStore::fBeforeFiling());
            if (!stored.ok()) {
                state.SkipWithError("cannot store");
                break;
            }
            if (sort)
                benchmark::DoNotOptimize(sorter.Sort(stored.value().path, kInbox));
        }
        benchmark::DoNotOptimize(sorter.Finish());
    }
    qunsetenv(cJunkFilter::kProgramVariable);
    state.SetItemsProcessed(state.iterations() * kArrivals);
}

} // namespace

BENCHMARK(BM_TwentyRulesOverTenThousandMessages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreThousandArrivals)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
