// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One condition or one action of the rule editor as a row of controls, and the plain functions
// that show a rule's part in a row and read it back, so that the editor's logic is tested
// without clicking.
#include "rules/cRule.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

struct cConditionRow
{
    QWidget *box;
    QComboBox *field;
    QLineEdit *header;
    QComboBox *match;
    QLineEdit *text;
    QCheckBox *caseSensitive;
};

struct cActionRow
{
    QWidget *box;
    QComboBox *kind;
    QComboBox *folder; // editable: a folder may be typed that is made later
    QComboBox *priority;
};

// The controls sit in a horizontal layout of box, a new child of parent.
cConditionRow MakeConditionRow(QWidget *parent);
cActionRow MakeActionRow(QWidget *parent, const QStringList &folders);

void ShowCondition(const cConditionRow &row, const cRuleCondition &condition);
cRuleCondition ReadCondition(const cConditionRow &row);
void ShowAction(const cActionRow &row, const cRuleAction &action);
cRuleAction ReadAction(const cActionRow &row);
