// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/unitRuleEditor.h"

#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/WindowSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <utility>

namespace {

template <typename Row>
void forgetRow(QList<Row> &rows, QWidget *box)
{
    rows.removeIf([box](const Row &row) { return row.box == box; });
    box->deleteLater();
}

// A titled group of rows with a button below them that adds one.
QVBoxLayout *addGroup(QVBoxLayout *into, const QString &title, QPushButton *add)
{
    auto *group = new QGroupBox(title);
    auto *layout = new QVBoxLayout(group);
    auto *rows = new QVBoxLayout;
    layout->addLayout(rows);
    layout->addWidget(add, 0, Qt::AlignLeft);
    into->addWidget(group);
    return rows;
}

} // namespace

TfrmRuleEditor::TfrmRuleEditor(const cRule &rule, QStringList folders, cSave save, QWidget *parent)
    : QDialog(parent), fRule(rule), fFolders(std::move(folders)), fSave(std::move(save))
{
    setObjectName(QStringLiteral("frmRuleEditor"));
    setWindowTitle(tr("Ravelin - Message rule"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    edtName = AddField(form, tr("&Name:"), "edtName", rule.name);
    cboMatchAll = new QComboBox(this);
    cboMatchAll->setObjectName(QStringLiteral("cboMatchAll"));
    cboMatchAll->addItem(tr("all of these conditions"), true);
    cboMatchAll->addItem(tr("any of these conditions"), false);
    cboMatchAll->setCurrentIndex(rule.matchAll ? 0 : 1);
    form->addRow(tr("Act on a message that meets"), cboMatchAll);
    layout->addLayout(form);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto *parts = new QWidget(scroll);
    auto *partsLayout = new QVBoxLayout(parts);
    auto *btnAddCondition = MakeButton(tr("Add &condition"), "btnAddCondition");
    auto *btnAddAction = MakeButton(tr("Add &action"), "btnAddAction");
    connect(btnAddCondition, &QPushButton::clicked, this, &TfrmRuleEditor::btnAddConditionClick);
    connect(btnAddAction, &QPushButton::clicked, this, &TfrmRuleEditor::btnAddActionClick);
    conditionRows = addGroup(partsLayout, tr("Conditions"), btnAddCondition);
    actionRows = addGroup(partsLayout, tr("Actions"), btnAddAction);
    partsLayout->addStretch();
    scroll->setWidget(parts);
    layout->addWidget(scroll, 1);

    chkStop = new QCheckBox(tr("&Stop processing further rules"), this);
    chkStop->setObjectName(QStringLiteral("chkStop"));
    chkStop->setChecked(rule.stop);
    layout->addWidget(chkStop);
    lblProblem = MakeNote(QString());
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->hide();
    layout->addWidget(lblProblem);
    const cDialogButtons buttons = MakeDialogButtons(this, tr("OK"));
    connect(buttons.ok, &QPushButton::clicked, this, &TfrmRuleEditor::accept);
    layout->addWidget(buttons.box);

    for (const cRuleCondition &condition : rule.conditions)
        addCondition(condition);
    for (const cRuleAction &action : rule.actions)
        addAction(action);
    ResizeForFont(this, 100, 24);
}

cRule TfrmRuleEditor::Rule() const
{
    cRule rule = fRule;
    rule.name = edtName->text();
    rule.matchAll = cboMatchAll->currentData().toBool();
    rule.conditions.clear();
    for (const cConditionRow &row : fConditions)
        rule.conditions.append(ReadCondition(row));
    rule.actions.clear();
    for (const cActionRow &row : fActions)
        rule.actions.append(ReadAction(row));
    rule.stop = chkStop->isChecked();
    return rule;
}

void TfrmRuleEditor::accept()
{
    const cResult saved = fSave(Rule());
    if (saved) {
        QDialog::accept();
        return;
    }
    lblProblem->setText(saved.text());
    lblProblem->show();
}

void TfrmRuleEditor::btnAddConditionClick()
{
    addCondition({});
}

void TfrmRuleEditor::btnAddActionClick()
{
    addAction({});
}

void TfrmRuleEditor::addCondition(const cRuleCondition &condition)
{
    const cConditionRow row = MakeConditionRow(this);
    ShowCondition(row, condition);
    connect(addRemoveButton(row.box), &QPushButton::clicked, this,
            [this, box = row.box] { forgetRow(fConditions, box); });
    fConditions.append(row);
    conditionRows->addWidget(row.box);
}

void TfrmRuleEditor::addAction(const cRuleAction &action)
{
    const cActionRow row = MakeActionRow(this, fFolders);
    ShowAction(row, action);
    connect(addRemoveButton(row.box), &QPushButton::clicked, this, [this, box = row.box] { forgetRow(fActions, box); });
    fActions.append(row);
    actionRows->addWidget(row.box);
}

QPushButton *TfrmRuleEditor::addRemoveButton(QWidget *box)
{
    auto *button = MakeButton(tr("Remove"), "btnRemove");
    box->layout()->addWidget(button);
    return button;
}
