// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rules/unitRules.h"

#include "rules/cRuleStore.h"
#include "storage/cMailStore.h"
#include "ui/rules/unitRuleEditor.h"
#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/WindowSize.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

TfrmRules::TfrmRules(const cMailStore &store, QWidget *parent)
    : cForm(tr("Ravelin - Message rules"), QIcon::fromTheme(QStringLiteral("mail-mark-important")), parent),
      fStore(store)
{
    setObjectName(QStringLiteral("frmRules"));
    setWindowFlag(Qt::Window);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(MakeHeading(tr("Message rules")));
    layout->addWidget(MakeNote(tr("The rules run from the top down on every message that arrives. "
                                  "Only the rules that are ticked run.")));
    auto *row = new QHBoxLayout;
    lstRules = new QListWidget(central);
    lstRules->setObjectName(QStringLiteral("lstRules"));
    connect(lstRules, &QListWidget::itemChanged, this, &TfrmRules::itemChanged);
    connect(lstRules, &QListWidget::itemDoubleClicked, this, &TfrmRules::btnEditClick);
    row->addWidget(lstRules, 1);
    auto *buttons = new QVBoxLayout;
    const std::tuple<QString, const char *, void (TfrmRules::*)()> commands[] = {
        {tr("&New..."), "btnNew", &TfrmRules::btnNewClick},     {tr("&Edit..."), "btnEdit", &TfrmRules::btnEditClick},
        {tr("&Delete"), "btnDelete", &TfrmRules::btnDeleteClick}, {tr("Move &up"), "btnUp", &TfrmRules::btnUpClick},
        {tr("Move do&wn"), "btnDown", &TfrmRules::btnDownClick},
    };
    for (const auto &[text, name, handler] : commands) {
        QPushButton *button = MakeButton(text, name);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        fChangeButtons.append(button);
    }
    buttons->addStretch();
    QPushButton *btnClose = MakeButton(tr("&Close"), "btnClose");
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(btnClose);
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    lblNotes = MakeNote(QString());
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    layout->addWidget(lblNotes);
    lblProblem = MakeNote(QString());
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    layout->addWidget(lblProblem);
    setCentralWidget(central);
    fill(0);
    ResizeForFont(this, 70, 21);
}

TfrmRuleEditor *TfrmRules::Editor() const
{
    return fEditor;
}

void TfrmRules::fill(int current)
{
    QStringList unreadable;
    const QList<cRule> rules = cRuleStore::Rules(&unreadable);
    const QSignalBlocker quiet(lstRules);
    lstRules->clear();
    fChangeable = unreadable.isEmpty();
    for (const cRule &rule : rules) {
        auto *item = new QListWidgetItem(rule.name, lstRules);
        item->setFlags(fChangeable ? item->flags() | Qt::ItemIsUserCheckable : item->flags() & ~Qt::ItemIsUserCheckable);
        item->setCheckState(rule.enabled ? Qt::Checked : Qt::Unchecked);
    }
    lstRules->setCurrentRow(qMin(current, lstRules->count() - 1));
    for (QPushButton *button : std::as_const(fChangeButtons))
        button->setEnabled(fChangeable);
    if (!fChangeable)
        unreadable.append(tr("Nothing can be changed here while that is so: a save would write the rule back "
                             "without what could not be read."));
    lblNotes->setText(unreadable.join(QLatin1Char('\n')));
    lblNotes->setVisible(!fChangeable);
}

void TfrmRules::report(const QString &problem)
{
    lblProblem->setText(problem);
    lblProblem->setVisible(!problem.isEmpty());
}

void TfrmRules::btnNewClick()
{
    edit(-1);
}

void TfrmRules::btnEditClick()
{
    if (fChangeable && lstRules->currentRow() >= 0)
        edit(lstRules->currentRow());
}

// index -1 makes a new rule, added after the others.
void TfrmRules::edit(int index)
{
    const QList<cRule> rules = cRuleStore::Rules();
    const cRule rule = index >= 0 && index < rules.size() ? rules.at(index) : cRule{};
    const auto save = [index](const cRule &edited) {
        QList<cRule> current = cRuleStore::Rules();
        if (index >= 0 && index < current.size())
            current[index] = edited;
        else
            current.append(edited);
        return cRuleStore::Save(current);
    };
    fEditor = new TfrmRuleEditor(rule, fStore.Folders(), save, this);
    fEditor->setAttribute(Qt::WA_DeleteOnClose);
    connect(fEditor, &QDialog::accepted, this, [this, index] {
        report(QString());
        fill(index >= 0 ? index : lstRules->count());
    });
    fEditor->open();
}

void TfrmRules::btnDeleteClick()
{
    const int index = lstRules->currentRow();
    if (index < 0 || !AskYesNo(this, windowTitle(), tr("Delete the rule \"%1\"?").arg(lstRules->item(index)->text())))
        return;
    QList<cRule> rules = cRuleStore::Rules();
    rules.removeAt(index);
    report(cRuleStore::Save(rules).text());
    fill(index);
}

void TfrmRules::btnUpClick()
{
    move(-1);
}

void TfrmRules::btnDownClick()
{
    move(1);
}

void TfrmRules::move(int by)
{
    const int from = lstRules->currentRow();
    QList<cRule> rules = cRuleStore::Rules();
    if (from < 0 || from + by < 0 || from + by >= rules.size())
        return;
    rules.swapItemsAt(from, from + by);
    const cResult saved = cRuleStore::Save(rules);
    report(saved.text());
    fill(saved ? from + by : from);
}

void TfrmRules::itemChanged(QListWidgetItem *item)
{
    const int index = lstRules->row(item);
    QList<cRule> rules = cRuleStore::Rules();
    if (!fChangeable || index < 0 || index >= rules.size())
        return;
    rules[index].enabled = item->checkState() == Qt::Checked;
    report(cRuleStore::Save(rules).text());
    fill(index);
}
