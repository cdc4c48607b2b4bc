// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decides whether one rule's conditions hold for a message. Made once per rule for a run over
// many messages: patterns are compiled, texts case-folded and sizes read then; the message's own
// texts come from a cRuleTexts that every rule shares. Text comparisons ignore case unless
// the condition says otherwise; an address field matches when its whole text, one of its
// entries or an entry's bare address does. A missing header holds no text, so only "does not
// contain" holds for it.
#include "rules/cRule.h"
#include "rules/cRuleTexts.h"

#include <QList>
#include <QRegularExpression>

class cRuleMatcher
{
public:
    explicit cRuleMatcher(const cRule &rule);

    // Why the rule cannot be kept or run (a bad pattern, a size that is no number, a
    // comparison its field has not); empty when it can.
    static QString Problem(const cRule &rule);

    // size: the message's size in bytes.
    bool Matches(const cRuleTexts &texts, qint64 size) const;
    // Whether a header-only read of the message file gives all that Matches needs.
    bool NeedsHeaderLinesOrBody() const { return fNeedsFullRecord; }
    bool NeedsSize() const { return fNeedsSize; }

private:
    struct cTest
    {
        cRuleCondition condition;
        QString needle;
        bool folded = false;
        QRegularExpression pattern;
        qint64 bytes = 0;
    };

    bool Holds(const cTest &test, const cRuleTexts &texts, qint64 size) const;

    QList<cTest> fTests;
    bool fMatchAll = true;
    bool fNeedsFullRecord = false;
    bool fNeedsSize = false;
};
