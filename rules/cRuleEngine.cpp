// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleEngine.h"

#include "rules/cMessageFile.h"
#include "rules/cRuleStore.h"
#include "storage/cMailStoreBatch.h"
#include "storage/cOriginalStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cRuleEngine)
};

const QString kTrash = FolderName(eFolderKind::Trash);

// A message of a store, in a run over a folder.
class cStoredPlace final : public cRulePlace
{
public:
    cStoredPlace(cMailStore &store, const cMessageRef &message) : fStore(store), fMessage(message) {}

    const cMessageRef &Message() const { return fMessage; }

    bool IsIn(const QString &folder) const override { return fMessage.folder.compare(folder, Qt::CaseInsensitive) == 0; }
    cResult Transfer(const QString &folder, bool move) override
    {
        const cResultOf<cMessageRef> moved = fStore.Transfer(fMessage, folder, move);
        if (moved && move)
            fMessage = moved.value();
        return moved.result();
    }
    cResult MarkRead() override { return fStore.MarkRead(fMessage, true); }
    cResult SetPriority(int priority) override { return fStore.SetPriority(fMessage, priority); }

private:
    cMailStore &fStore;
    cMessageRef fMessage;
};

bool noteFailure(const cRule &rule, const cResult &result, QStringList &errors)
{
    if (!result)
        errors.append(cTexts::tr("The rule \"%1\": %2").arg(rule.name, result.text()));
    return result.ok();
}

// Moves or copies; false (with the error noted) when it failed.
bool transfer(const cRule &rule, const QString &target, bool move, cRulePlace &place, QStringList &errors)
{
    // Mail already in the folder stays as it is: a copy there would only be a twin.
    return place.IsIn(target) || noteFailure(rule, place.Transfer(target, move), errors);
}

} // namespace

cRuleEngine::cRuleEngine(const QList<cRule> &rules, const QStringList &folders)
{
    for (const cRule &rule : rules) {
        if (!rule.enabled)
            continue;
        QString problem = cRuleMatcher::Problem(rule);
        if (problem.isEmpty())
            problem = MissingFolder(rule, folders);
        if (!problem.isEmpty()) {
            fNotes.append(problem + cTexts::tr(" The rule is off until that is mended."));
            continue;
        }
        fRules.append({rule, cRuleMatcher(rule)});
        fNeedsFullRecord |= fRules.last().matcher.NeedsHeaderLinesOrBody();
        fNeedsSize |= fRules.last().matcher.NeedsSize();
    }
}

cRuleEngine cRuleEngine::FromStore(const QStringList &folders)
{
    QStringList unreadable;
    cRuleEngine engine(cRuleStore::Rules(&unreadable), folders);
    engine.fNotes = unreadable + engine.fNotes;
    return engine;
}

QString cRuleEngine::MissingFolder(const cRule &rule, const QStringList &folders)
{
    for (const cRuleAction &action : rule.actions) {
        const bool filing = action.kind == eRuleAction::MoveTo || action.kind == eRuleAction::CopyTo;
        if (filing && !folders.contains(action.folder, Qt::CaseInsensitive))
            return cTexts::tr("The rule \"%1\" names the folder \"%2\", which does not exist.").arg(rule.name, action.folder);
    }
    return {};
}

qint64 cRuleEngine::MessageSize(const QString &path, const cMailMessage &message)
{
    if (const QString original = cOriginalStore::PathOf(message.Original); !original.isEmpty()) {
        if (const QFileInfo kept(original); kept.exists())
            return kept.size();
    }
    qint64 size = QFileInfo(path).size();
    for (const QString &attachment : message.attachments)
        size += QFileInfo(attachment).size();
    return size;
}

cRuleOutcome cRuleEngine::Apply(const QString &path, const QString &folder, cMailMessage &message) const
{
    return TakeMatched(Matching(path, message), path, folder, message, false);
}

bool cRuleEngine::EndsRun(const cRule &rule)
{
    return rule.stop || std::any_of(rule.actions.cbegin(), rule.actions.cend(),
                                    [](const cRuleAction &action) { return action.kind == eRuleAction::Delete; });
}

cRuleEngine::cMatched cRuleEngine::Matching(const QString &path, const cMailMessage &message) const
{
    return RulesMatching(message, fNeedsSize ? MessageSize(path, message) : 0);
}

cRuleEngine::cMatched cRuleEngine::RulesMatching(const cMailMessage &message, qint64 size) const
{
    cMatched matched;
    const cRuleTexts texts(message);
    for (qsizetype i = 0; i < fRules.size(); ++i) {
        if (!fRules.at(i).matcher.Matches(texts, size))
            continue;
        matched.append(i);
        if (EndsRun(fRules.at(i).rule))
            break;
    }
    return matched;
}

void cRuleEngine::SetFlagsAhead(const cMatched &matched, cMailMessage &record) const
{
    for (const qsizetype index : matched) {
        for (const cRuleAction &action : fRules.at(index).rule.actions) {
            switch (action.kind) {
            case eRuleAction::MoveTo: break;
            // A copy keeps the flags of its moment; a deleted message takes no more actions.
            case eRuleAction::CopyTo:
            case eRuleAction::Delete: return;
            case eRuleAction::MarkRead: record.Read = true; break;
            case eRuleAction::SetPriority: record.Priority = action.priority; break;
            }
        }
    }
}

cRuleOutcome cRuleEngine::TakeMatched(const cMatched &matched, const QString &path, const QString &folder,
                                      cMailMessage &message, bool flagsAhead) const
{
    cMessageFile file(path, folder);
    cRuleOutcome outcome;
    outcome.stopped = Take(matched, file, message, flagsAhead, outcome.errors);
    outcome.path = file.Path();
    outcome.folder = file.Folder();
    return outcome;
}

bool cRuleEngine::Take(const cMatched &matched, cRulePlace &place, cMailMessage &message, bool flagsAhead,
                       QStringList &errors) const
{
    for (const qsizetype index : matched) {
        const cRule &rule = fRules.at(index).rule;
        if (!TakeActions(rule, message, place, errors, flagsAhead) || rule.stop)
            return true;
    }
    return false;
}

cRuleEngine::cStoredOutcome cRuleEngine::Apply(cMailStore &store, const cMessageRef &message) const
{
    cStoredOutcome outcome{message, {}};
    if (fRules.isEmpty())
        return outcome;
    const cResultOf<cMailMessage> read = fNeedsFullRecord ? store.Read(message) : store.ReadHeader(message);
    if (!read) {
        outcome.errors.append(read.text());
        return outcome;
    }
    cMailMessage record = read.value();
    cStoredPlace place(store, message);
    (void)Take(RulesMatching(record, fNeedsSize ? MessageSize(store.FileOf(message), record) : 0), place, record,
               false, outcome.errors);
    outcome.message = place.Message();
    return outcome;
}

cRuleEngine::cFolderRun cRuleEngine::ApplyToFolder(cMailStore &store, const QString &folder, const fEach &each) const
{
    return ApplyToMessages(store, store.Messages(folder), each);
}

cRuleEngine::cFolderRun cRuleEngine::ApplyToMessages(cMailStore &store, const QList<cMessageRef> &messages,
                                                     const fEach &each) const
{
    cFolderRun run;
    cMailStoreBatch batch(store);
    for (const cMessageRef &message : messages) {
        const cStoredOutcome outcome = Apply(store, message);
        run.errors += outcome.errors;
        run.moved += outcome.message != message ? 1 : 0;
        if (each)
            each(message, outcome.message);
    }
    if (const cResult flushed = batch.Finish(); !flushed)
        run.errors.append(flushed.text());
    return run;
}

// False when the message is done with: an action failed or sent it to the Trash.
bool cRuleEngine::TakeActions(const cRule &rule, cMailMessage &message, cRulePlace &place, QStringList &errors,
                              bool &flagsAhead) const
{
    for (const cRuleAction &action : rule.actions) {
        switch (action.kind) {
        case eRuleAction::MoveTo:
        case eRuleAction::CopyTo:
            flagsAhead &= action.kind == eRuleAction::MoveTo;
            if (!transfer(rule, action.folder, action.kind == eRuleAction::MoveTo, place, errors))
                return false;
            break;
        case eRuleAction::MarkRead:
            if (!flagsAhead && !message.Read && !noteFailure(rule, place.MarkRead(), errors))
                return false;
            message.Read = true;
            break;
        case eRuleAction::SetPriority:
            if (!flagsAhead && message.Priority != action.priority
                && !noteFailure(rule, place.SetPriority(action.priority), errors))
                return false;
            message.Priority = action.priority;
            break;
        case eRuleAction::Delete:
            // In the Trash already: a rule never deletes for good.
            (void)transfer(rule, kTrash, true, place, errors);
            return false;
        }
    }
    return true;
}
