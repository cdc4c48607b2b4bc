// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message rules, in order, in "Ravelin2 Rules.ini" of the settings folder: one section per
// rule, named after it, in the order they run. Every call reads the file afresh; a save
// replaces it whole and atomically, after checking every rule, so a rule that could not run
// (a bad pattern, a name or text the file cannot hold) is refused with the reason and the file
// stays as it was. Texts are stored in double quotes so that their blanks survive.
//
//   [Lists]
//   Enabled=1
//   Match=all            (or any)
//   Condition1=subject   Condition1Match=contains   Condition1Text="[list]"
//   Condition1Header=    (for "header")   Condition1CaseSensitive=1 (when set)
//   Action1=move         Action1Folder="Lists"      Action1Priority=0 (for "priority")
//   Stop=1
#include "rules/cRule.h"
#include "storage/cResult.h"

#include <QList>
#include <QString>
#include <QStringList>

class cRuleStore
{
public:
    static QString FilePath();

    // A rule whose stored words this program does not know is read switched off, and
    // *unreadable says so, so that it never acts on more mail than it was made for.
    static QList<cRule> Rules(QStringList *unreadable = nullptr);
    static cResult Save(const QList<cRule> &rules);
    // Appends a rule; a name taken (without regard to case) is refused.
    static cResult Add(const cRule &rule);
    static cResult Delete(const QString &name);

    // Why the rule cannot be stored or run; empty when it can.
    static QString Problem(const cRule &rule);
};
