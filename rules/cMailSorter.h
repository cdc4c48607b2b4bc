// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a mail check does with each message it has stored, before anyone sees it: the message
// rules, then, unless a rule stopped there, the junk filter, which sends spam to Junk. Made at
// the start of a check, when the rules file is read and bogofilter looked for; made, used and
// destroyed on the check's own thread. The filter answers while the next message is fetched,
// so a message may come back from a later Sort, and Finish brings back the rest; a check shows
// each message once it comes back. A message stays where the last step that worked put it;
// the notes say what went wrong, and why a rule is off (once per check). Once the filter fails,
// it judges nothing more in that check and says so once. A check that hands each record to
// Prepare just before writing it spares the sorter reading it back, and the file a second
// writing for the flags its rules set.
#include "rules/cJunkSession.h"
#include "rules/cRuleEngine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class cMailSorter
{
public:
    cMailSorter();

    struct cSorted
    {
        QString path;
        QString folder;
        QStringList notes;
    };

    // Decides the rules for a record about to be written at path, and sets in it the flags
    // they give it; the Sort of that path that follows takes the rest of their actions.
    void Prepare(const QString &path, cMailMessage &record);
    // The messages whose place is settled now, this one among them unless the filter is
    // still judging it.
    QList<cSorted> Sort(const QString &path, const QString &folder);
    // Waits for the filter's outstanding verdicts.
    QList<cSorted> Finish();

private:
    // Filters hold at most this many messages waiting for a verdict.
    static constexpr qsizetype kMostWaiting = 32;

    // Runs the rules and hands the message to the filter; false while the filter judges it.
    bool SettledNow(cSorted &sorted);
    // False when the message is settled without the filter.
    bool Submit(cSorted &sorted, const cMailMessage &message);
    // Files the messages whose verdicts came, waiting for atLeast of them.
    QList<cSorted> Settle(qsizetype atLeast);
    void FileAsJudged(cSorted &sorted, const cResultOf<eJunkVerdict> &verdict);

    // What Prepare decided for the message about to be stored.
    struct cDecided
    {
        QString path;
        cRuleEngine::cMatched matched;
        cMailMessage header; // the record's header fields, as written
    };

    cRuleEngine fRules;
    std::optional<cDecided> fDecided;
    bool fJunkFilter = false;
    bool fJunkFailed = false;
    cJunkSession fJunk;
    QList<cSorted> fWaiting;
    bool fNotesTold = false;
};
