// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a message is while the rules act on it, and the steps they take there: on its file as
// a mail check sorts it (cMessageFile), or through a cMailStore in a run over a folder.
#include "storage/cResult.h"

#include <QString>

class cRulePlace
{
public:
    virtual ~cRulePlace() = default;

    // Whether the message is in that folder already.
    virtual bool IsIn(const QString &folder) const = 0;
    // A move takes the place along with the message; a copy leaves it where it was.
    virtual cResult Transfer(const QString &folder, bool move) = 0;
    virtual cResult MarkRead() = 0;
    virtual cResult SetPriority(int priority) = 0;
};
