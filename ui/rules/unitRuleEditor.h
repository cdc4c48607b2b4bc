// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edits one message rule: its name, whether all or any of its conditions must hold, the
// conditions, the actions and whether later rules still see the message. OK hands the rule to
// the save step; when that refuses it, the reason shows in the dialog, which stays open with
// everything as typed.
#include "rules/cRule.h"
#include "storage/cResult.h"
#include "ui/rules/RuleRows.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class TfrmRuleEditor : public QDialog
{
    Q_OBJECT
public:
    using cSave = std::function<cResult(const cRule &)>;

    TfrmRuleEditor(const cRule &rule, QStringList folders, cSave save, QWidget *parent = nullptr);

    // The rule as the form shows it now.
    cRule Rule() const;
    void accept() override;

    void btnAddConditionClick();
    void btnAddActionClick();

private:
    void addCondition(const cRuleCondition &condition);
    void addAction(const cRuleAction &action);
    QPushButton *addRemoveButton(QWidget *box);

    cRule fRule;
    QStringList fFolders;
    cSave fSave;
    QLineEdit *edtName;
    QComboBox *cboMatchAll;
    QVBoxLayout *conditionRows;
    QVBoxLayout *actionRows;
    QCheckBox *chkStop;
    QLabel *lblProblem;
    QList<cConditionRow> fConditions;
    QList<cActionRow> fActions;
};
