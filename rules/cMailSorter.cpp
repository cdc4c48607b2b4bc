#include "rules/cMailSorter.h"

#include "rules/cJunkFilter.h"
#include "storage/eFolderKind.h"

cMailSorter::cMailSorter()
    : fRules(cRuleEngine::FromStore()), fJunkFilter(!cJunkFilter::Program().isEmpty() && cJunkFilter::Trained())
{
}

cMailSorter::cSorted cMailSorter::Sort(const QString &path, const QString &folder)
{
    cSorted sorted{path, folder, {}};
    if (!fNotesTold) {
        sorted.notes = fRules.Notes();
        fNotesTold = true;
    }
    const cRuleOutcome outcome = fRules.Apply(path, folder);
    sorted.path = outcome.path;
    sorted.folder = outcome.folder;
    sorted.notes += outcome.errors;
    if (!outcome.stopped && fJunkFilter)
        Classify(sorted);
    return sorted;
}

void cMailSorter::Classify(cSorted &sorted)
{
    // The kept original is all the filter reads; the text only when there is none.
    cMailMessage message;
    cResult read = message.ReadFile(sorted.path, true);
    if (read && message.Original.isEmpty())
        read = message.ReadFile(sorted.path);
    if (!read) {
        sorted.notes.append(read.text());
        return;
    }
    const cResultOf<eJunkVerdict> verdict = fJunk.Classify(message);
    if (!verdict) {
        sorted.notes.append(verdict.text());
        return;
    }
    if (verdict.value() != eJunkVerdict::Spam)
        return;
    const cResultOf<QString> moved = cJunkFilter::MoveToJunk(sorted.path, sorted.folder);
    if (!moved) {
        sorted.notes.append(moved.text());
        return;
    }
    sorted.path = moved.value();
    sorted.folder = FolderName(eFolderKind::Junk);
}
