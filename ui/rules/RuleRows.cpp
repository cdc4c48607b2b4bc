// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/RuleRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>

#include <initializer_list>
#include <utility>

namespace {

using cChoices = std::initializer_list<std::pair<int, const char *>>;

const cChoices kFields{
    {int(eRuleField::From), QT_TRANSLATE_NOOP("TfrmRuleEditor", "From")},
    {int(eRuleField::To), QT_TRANSLATE_NOOP("TfrmRuleEditor", "To")},
    {int(eRuleField::CC), QT_TRANSLATE_NOOP("TfrmRuleEditor", "CC")},
    {int(eRuleField::ToOrCC), QT_TRANSLATE_NOOP("TfrmRuleEditor", "To or CC")},
    {int(eRuleField::Subject), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Subject")},
    {int(eRuleField::Header), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Header named")},
    {int(eRuleField::Body), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Body")},
    {int(eRuleField::Size), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Size (KB)")},
    {int(eRuleField::HasAttachments), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Has attachments")},
    {int(eRuleField::Account), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Account")},
};

const cChoices kMatches{
    {int(eRuleMatch::Contains), QT_TRANSLATE_NOOP("TfrmRuleEditor", "contains")},
    {int(eRuleMatch::NotContains), QT_TRANSLATE_NOOP("TfrmRuleEditor", "does not contain")},
    {int(eRuleMatch::Is), QT_TRANSLATE_NOOP("TfrmRuleEditor", "is")},
    {int(eRuleMatch::BeginsWith), QT_TRANSLATE_NOOP("TfrmRuleEditor", "begins with")},
    {int(eRuleMatch::Regex), QT_TRANSLATE_NOOP("TfrmRuleEditor", "matches the regular expression")},
    {int(eRuleMatch::LargerThan), QT_TRANSLATE_NOOP("TfrmRuleEditor", "is larger than")},
    {int(eRuleMatch::SmallerThan), QT_TRANSLATE_NOOP("TfrmRuleEditor", "is smaller than")},
};

const cChoices kActions{
    {int(eRuleAction::MoveTo), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Move to folder")},
    {int(eRuleAction::CopyTo), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Copy to folder")},
    {int(eRuleAction::MarkRead), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Mark read")},
    {int(eRuleAction::SetPriority), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Set priority")},
    {int(eRuleAction::Delete), QT_TRANSLATE_NOOP("TfrmRuleEditor", "Delete")},
};

const cChoices kPriorities{
    {0, QT_TRANSLATE_NOOP("TfrmRuleEditor", "Highest")}, {1, QT_TRANSLATE_NOOP("TfrmRuleEditor", "High")},
    {2, QT_TRANSLATE_NOOP("TfrmRuleEditor", "Normal")},  {3, QT_TRANSLATE_NOOP("TfrmRuleEditor", "Low")},
    {4, QT_TRANSLATE_NOOP("TfrmRuleEditor", "Lowest")},
};

QComboBox *makeChoice(QWidget *box, const char *objectName, cChoices choices)
{
    auto *combo = new QComboBox(box);
    combo->setObjectName(QLatin1String(objectName));
    for (const auto &[value, text] : choices)
        combo->addItem(QCoreApplication::translate("TfrmRuleEditor", text), value);
    box->layout()->addWidget(combo);
    return combo;
}

void choose(QComboBox *combo, int value)
{
    combo->setCurrentIndex(combo->findData(value));
}

QLineEdit *makeEdit(QWidget *box, const char *objectName)
{
    auto *edit = new QLineEdit(box);
    edit->setObjectName(QLatin1String(objectName));
    box->layout()->addWidget(edit);
    return edit;
}

QWidget *makeBox(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return box;
}

bool namesFolder(eRuleAction kind)
{
    return kind == eRuleAction::MoveTo || kind == eRuleAction::CopyTo;
}

} // namespace

cConditionRow MakeConditionRow(QWidget *parent)
{
    QWidget *box = makeBox(parent);
    cConditionRow row{.box = box,
                      .field = makeChoice(box, "cboField", kFields),
                      .header = makeEdit(box, "edtHeader"),
                      .match = makeChoice(box, "cboMatch", kMatches),
                      .text = makeEdit(box, "edtText"),
                      .caseSensitive = new QCheckBox(QCoreApplication::translate("TfrmRuleEditor", "Match case"), box)};
    row.header->setPlaceholderText(QCoreApplication::translate("TfrmRuleEditor", "Header name"));
    row.caseSensitive->setObjectName(QStringLiteral("chkCaseSensitive"));
    box->layout()->addWidget(row.caseSensitive);
    const auto fieldChanged = [row] {
        const auto field = eRuleField(row.field->currentData().toInt());
        row.header->setVisible(field == eRuleField::Header);
        row.text->setEnabled(field != eRuleField::HasAttachments);
        row.match->setEnabled(field != eRuleField::HasAttachments);
    };
    QObject::connect(row.field, &QComboBox::currentIndexChanged, box, fieldChanged);
    ShowCondition(row, {});
    fieldChanged();
    return row;
}

cActionRow MakeActionRow(QWidget *parent, const QStringList &folders)
{
    QWidget *box = makeBox(parent);
    cActionRow row{.box = box,
                   .kind = makeChoice(box, "cboAction", kActions),
                   .folder = makeChoice(box, "cboFolder", {}),
                   .priority = makeChoice(box, "cboPriority", kPriorities)};
    row.folder->setEditable(true);
    row.folder->addItems(folders);
    const auto kindChanged = [row] {
        const auto kind = eRuleAction(row.kind->currentData().toInt());
        row.folder->setVisible(namesFolder(kind));
        row.priority->setVisible(kind == eRuleAction::SetPriority);
    };
    QObject::connect(row.kind, &QComboBox::currentIndexChanged, box, kindChanged);
    ShowAction(row, {});
    kindChanged();
    return row;
}

void ShowCondition(const cConditionRow &row, const cRuleCondition &condition)
{
    choose(row.field, int(condition.field));
    choose(row.match, int(condition.match));
    row.header->setText(condition.header);
    row.text->setText(condition.text);
    row.caseSensitive->setChecked(condition.caseSensitive);
}

cRuleCondition ReadCondition(const cConditionRow &row)
{
    cRuleCondition condition;
    condition.field = eRuleField(row.field->currentData().toInt());
    condition.match = eRuleMatch(row.match->currentData().toInt());
    if (condition.field == eRuleField::Header)
        condition.header = row.header->text();
    if (condition.field != eRuleField::HasAttachments)
        condition.text = row.text->text();
    condition.caseSensitive = row.caseSensitive->isChecked();
    return condition;
}

void ShowAction(const cActionRow &row, const cRuleAction &action)
{
    choose(row.kind, int(action.kind));
    row.folder->setCurrentText(action.folder);
    choose(row.priority, action.priority);
}

cRuleAction ReadAction(const cActionRow &row)
{
    const auto kind = eRuleAction(row.kind->currentData().toInt());
    return cRuleAction(kind, namesFolder(kind) ? row.folder->currentText() : QString(),
                       row.priority->currentData().toInt());
}
