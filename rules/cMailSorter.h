#pragma once
// What a mail check does with each message it has stored, before anyone sees it: the message
// rules, then, unless a rule stopped there, the junk filter, which sends spam to Junk. Made at
// the start of a check, when the rules file is read and bogofilter looked for; made, used and
// destroyed on the check's own thread, one message at a time. A message stays where the last step that
// worked put it; the notes say what went wrong, and why a rule is off (once per check).
#include "rules/cJunkSession.h"
#include "rules/cRuleEngine.h"

#include <QString>
#include <QStringList>

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

    cSorted Sort(const QString &path, const QString &folder);

private:
    void Classify(cSorted &sorted);

    cRuleEngine fRules;
    bool fJunkFilter = false;
    cJunkSession fJunk;
    bool fNotesTold = false;
};
