// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of one message that rule conditions compare, made once for all the rules that look
// at it: each field's texts are decoded, and case-folded for comparisons that ignore case, the
// first time a condition asks for them. Made per message, read by every cRuleMatcher, then
// dropped; the message must outlive it.
#include "rules/cRule.h"
#include "storage/cMailMessage.h"

#include <QHash>
#include <QStringList>

#include <array>

class cRuleTexts
{
public:
    explicit cRuleTexts(const cMailMessage &message) : fMessage(message) {}

    const cMailMessage &Message() const { return fMessage; }
    // header: the field's name, for eRuleField::Header. An address field gives its whole text,
    // each entry and each entry's bare address; a missing header gives none.
    const QStringList &Of(eRuleField field, const QString &header, bool folded) const;

private:
    struct cField
    {
        bool made = false;
        QStringList texts;
        bool foldedMade = false;
        QStringList folded;
    };

    QStringList Texts(eRuleField field, const QString &header) const;

    const cMailMessage &fMessage;
    mutable std::array<cField, int(eRuleField::Account) + 1> fFields;
    mutable QHash<QString, cField> fHeaders;
};
