// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cRuleEngine.h"

#include "rules/cRuleStore.h"
#include "storage/AtomicFile.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cIniFile.h"
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

bool sameFolder(const QString &a, const QString &b)
{
    return MailFolderPath(a) == MailFolderPath(b);
}

cResult setPriority(const QString &path, int priority)
{
    cIniFile file(path);
    if (file.closedBy("X_MailBoundary")
            .withDurability(eDurability::Deferred)
            .writeInteger(QStringLiteral("Header"), "Priority", cMailMessage::StoredPriority(priority)))
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, file.errorString());
}

// Moves or copies; false (with the error noted) when it failed.
bool transfer(const cRule &rule, const QString &target, bool move, cRuleOutcome &outcome)
{
    // Mail already in the folder stays as it is: a copy there would only be a twin.
    if (sameFolder(outcome.folder, target))
        return true;
    const cResultOf<QString> moved = cFolderStore::TransferMessage(outcome.path, outcome.folder, target, move, false);
    if (!moved) {
        outcome.errors.append(cTexts::tr("The rule \"%1\": %2").arg(rule.name, moved.text()));
        return false;
    }
    if (move) {
        outcome.path = moved.value();
        outcome.folder = target;
    }
    return true;
}

bool noteFailure(const cRule &rule, const cResult &result, cRuleOutcome &outcome)
{
    if (!result)
        outcome.errors.append(cTexts::tr("The rule \"%1\": %2").arg(rule.name, result.text()));
    return result.ok();
}

} // namespace

cRuleEngine::cRuleEngine(const QList<cRule> &rules)
{
    for (const cRule &rule : rules) {
        if (!rule.enabled)
            continue;
        QString problem = cRuleMatcher::Problem(rule);
        if (problem.isEmpty())
            problem = MissingFolder(rule);
        if (!problem.isEmpty()) {
            fNotes.append(problem + cTexts::tr(" The rule is off until that is mended."));
            continue;
        }
        fRules.append({rule, cRuleMatcher(rule)});
        fNeedsFullRecord |= fRules.last().matcher.NeedsHeaderLinesOrBody();
        fNeedsSize |= fRules.last().matcher.NeedsSize();
    }
}

cRuleEngine cRuleEngine::FromStore()
{
    QStringList unreadable;
    cRuleEngine engine(cRuleStore::Rules(&unreadable));
    engine.fNotes = unreadable + engine.fNotes;
    return engine;
}

QString cRuleEngine::MissingFolder(const cRule &rule)
{
    for (const cRuleAction &action : rule.actions) {
        const bool filing = action.kind == eRuleAction::MoveTo || action.kind == eRuleAction::CopyTo;
        if (filing && !QFileInfo(MailFolderPath(action.folder)).isDir())
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

cRuleOutcome cRuleEngine::Apply(const QString &path, const QString &folder) const
{
    cRuleOutcome outcome;
    outcome.path = path;
    outcome.folder = folder;
    if (fRules.isEmpty())
        return outcome;
    cMailMessage message;
    if (const cResult read = message.ReadFile(path, !fNeedsFullRecord); !read) {
        outcome.errors.append(read.text());
        return outcome;
    }
    return Apply(path, folder, message);
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
    cMatched matched;
    const qint64 size = fNeedsSize ? MessageSize(path, message) : 0;
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
    cRuleOutcome outcome;
    outcome.path = path;
    outcome.folder = folder;
    for (const qsizetype index : matched) {
        const cRule &rule = fRules.at(index).rule;
        if (!TakeActions(rule, message, outcome, flagsAhead) || rule.stop) {
            outcome.stopped = true;
            break;
        }
    }
    return outcome;
}

cRuleEngine::cFolderRun cRuleEngine::ApplyToFolder(
    const QString &folder, const std::function<void(const QString &path, const cRuleOutcome &)> &each) const
{
    return ApplyToMessages(cFolderStore::MessageFiles(folder), folder, each);
}

cRuleEngine::cFolderRun cRuleEngine::ApplyToMessages(
    const QStringList &paths, const QString &folder,
    const std::function<void(const QString &path, const cRuleOutcome &)> &each) const
{
    cFolderRun run;
    for (const QString &path : paths) {
        const cRuleOutcome outcome = Apply(path, folder);
        run.errors += outcome.errors;
        run.moved += outcome.path != path ? 1 : 0;
        if (each)
            each(path, outcome);
    }
    if (const cResult synced = SyncFileSystemOf(MailFolderRoot()); !synced)
        run.errors.append(synced.text());
    return run;
}

// False when the message is done with: an action failed or sent it to the Trash.
bool cRuleEngine::TakeActions(const cRule &rule, cMailMessage &message, cRuleOutcome &outcome, bool &flagsAhead) const
{
    for (const cRuleAction &action : rule.actions) {
        switch (action.kind) {
        case eRuleAction::MoveTo:
        case eRuleAction::CopyTo:
            flagsAhead &= action.kind == eRuleAction::MoveTo;
            if (!transfer(rule, action.folder, action.kind == eRuleAction::MoveTo, outcome))
                return false;
            break;
        case eRuleAction::MarkRead:
            if (!flagsAhead && !message.Read
                && !noteFailure(rule, cMailMessage::SetReadFlag(outcome.path, true, eDurability::Deferred), outcome))
                return false;
            message.Read = true;
            break;
        case eRuleAction::SetPriority:
            if (!flagsAhead && message.Priority != action.priority
                && !noteFailure(rule, setPriority(outcome.path, action.priority), outcome))
                return false;
            message.Priority = action.priority;
            break;
        case eRuleAction::Delete:
            // In the Trash already: a rule never deletes for good.
            (void)transfer(rule, kTrash, true, outcome);
            return false;
        }
    }
    return true;
}
