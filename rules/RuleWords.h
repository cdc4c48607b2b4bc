// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words that name a rule's fields, comparisons and actions in the rules file and on the
// command line ("subject", "contains", "move"). They are stored, so they never change.
#include "rules/cRule.h"

#include <QString>
#include <QStringList>

#include <optional>

QString FieldWord(eRuleField field);
QString MatchWord(eRuleMatch match);
QString ActionWord(eRuleAction action);
// Without regard to case; nothing for a word that names none.
std::optional<eRuleField> FieldFromWord(const QString &word);
std::optional<eRuleMatch> MatchFromWord(const QString &word);
std::optional<eRuleAction> ActionFromWord(const QString &word);

// One line for a person: "subject contains \"offer\"", "move to \"Lists\"".
QString DescribeCondition(const cRuleCondition &condition);
QString DescribeAction(const cRuleAction &action);
