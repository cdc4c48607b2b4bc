// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cMailSorter.h"

#include "rules/cJunkFilter.h"
#include "rules/cMessageFile.h"
#include "storage/cOriginalStore.h"
#include "storage/eFolderKind.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cMailSorter)
};

} // namespace

cMailSorter::cMailSorter()
    : fRules(cRuleEngine::FromStore(cMessageFile::Folders())),
      fJunkFilter(!cJunkFilter::Program().isEmpty() && cJunkFilter::Trained())
{
}

QList<cMailSorter::cSorted> cMailSorter::Sort(const QString &path, const QString &folder)
{
    cSorted sorted{path, folder, {}};
    if (!fNotesTold) {
        sorted.notes = fRules.Notes();
        fNotesTold = true;
    }
    QList<cSorted> settled;
    if (SettledNow(sorted))
        settled.append(sorted);
    return settled + Settle(fWaiting.size() - kMostWaiting);
}

void cMailSorter::Prepare(const QString &path, cMailMessage &record)
{
    if (fRules.IsEmpty() && !fJunkFilter)
        return;
    const cRuleEngine::cMatched matched = fRules.Matching(path, record);
    fRules.SetFlagsAhead(matched, record);
    cMailMessage header = record;
    header.headerLines.clear();
    header.body.clear();
    fDecided = cDecided{path, matched, std::move(header)};
}

bool cMailSorter::SettledNow(cSorted &sorted)
{
    if (fRules.IsEmpty() && !fJunkFilter)
        return true;
    cMailMessage message;
    cRuleOutcome outcome;
    const std::optional<cDecided> decided = std::exchange(fDecided, std::nullopt);
    if (decided && decided->path == sorted.path) {
        message = decided->header;
        outcome = fRules.TakeMatched(decided->matched, sorted.path, sorted.folder, message, true);
    } else {
        // One reading serves the rules and the filter.
        if (const cResult read = message.ReadFile(sorted.path, !fRules.NeedsFullRecord()); !read) {
            sorted.notes.append(read.text());
            return true;
        }
        outcome = fRules.Apply(sorted.path, sorted.folder, message);
    }
    sorted.path = outcome.path;
    sorted.folder = outcome.folder;
    sorted.notes += outcome.errors;
    return outcome.stopped || !fJunkFilter || fJunkFailed || !Submit(sorted, message);
}

QList<cMailSorter::cSorted> cMailSorter::Finish()
{
    return Settle(fWaiting.size());
}

bool cMailSorter::Submit(cSorted &sorted, const cMailMessage &message)
{
    // The kept original is all the filter reads; the text only when there is none.
    const QString original = cOriginalStore::PathOf(message.Original);
    if (!original.isEmpty() && QFileInfo::exists(original) && fJunk.Submit(original)) {
        fWaiting.append(sorted);
        return true;
    }
    cMailMessage whole;
    if (const cResult read = whole.ReadFile(sorted.path); !read)
        sorted.notes.append(read.text());
    else
        FileAsJudged(sorted, cJunkFilter::Classify(cJunkFilter::MailText(whole)));
    return false;
}

QList<cMailSorter::cSorted> cMailSorter::Settle(qsizetype atLeast)
{
    QList<cSorted> settled;
    for (const cResultOf<eJunkVerdict> &verdict : fJunk.Verdicts(atLeast)) {
        cSorted sorted = fWaiting.takeFirst();
        FileAsJudged(sorted, verdict);
        settled.append(sorted);
    }
    return settled;
}

void cMailSorter::FileAsJudged(cSorted &sorted, const cResultOf<eJunkVerdict> &verdict)
{
    // Said once: the rest of the check is not judged, so no message waits on a filter that failed.
    if (!verdict) {
        if (!fJunkFailed)
            sorted.notes.append(verdict.text() + cTexts::tr(" Mail it has not judged stays where it is."));
        fJunkFailed = true;
        return;
    }
    if (verdict.value() != eJunkVerdict::Spam)
        return;
    cMessageFile file(sorted.path, sorted.folder);
    if (const cResult moved = cJunkFilter::MoveToJunk(file); !moved) {
        sorted.notes.append(moved.text());
        return;
    }
    sorted.path = file.Path();
    sorted.folder = file.Folder();
}
