// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitAccounts.h"

#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountFieldChecks.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/transfer/unitAccountInfo.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/wndlist/ListSelection.h"
#include "ui/wndlist/WindowSize.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The row's section name, which stays as it was while its caption is being edited.
constexpr int kSectionRole = Qt::UserRole;

} // namespace

QList<cAccountRow> AccountListRows()
{
    const QString defaultName = cAccountStore::GetDefaultAccountName().toLower();
    QList<cAccountRow> rows;
    for (const QString &section : cAccountStore::AccountNames())
        rows.append({section, cAccountStore::ReadAccount(section).ShownAddress(), section.toLower() == defaultName});
    return rows;
}

TfrmAccounts::TfrmAccounts(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Accounts"));

    lstAccounts = new QTreeWidget;
    lstAccounts->setObjectName(QStringLiteral("lstAccounts"));
    lstAccounts->setHeaderLabels({tr("Account"), tr("Reply address")});
    lstAccounts->setRootIsDecorated(false);
    lstAccounts->setUniformRowHeights(true);
    lstAccounts->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAccounts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstAccounts->setContextMenuPolicy(Qt::CustomContextMenu);
    lstAccounts->header()->setSectionResizeMode(QHeaderView::Stretch);

    btnNew = MakeButton(tr("&New"), "btnNew");
    btnDelete = MakeButton(tr("&Delete"), "btnDelete");
    btnProps = MakeButton(tr("&Properties"), "btnProps");
    btnOK = MakeButton(tr("&Close"), "btnOK");
    btnOK->setDefault(true);

    auto *commands = new QVBoxLayout;
    commands->addWidget(btnNew);
    commands->addWidget(btnDelete);
    commands->addWidget(btnProps);
    commands->addStretch();
    commands->addWidget(btnOK);

    auto *body = new QHBoxLayout;
    body->addWidget(lstAccounts, 1);
    body->addLayout(commands);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Mail accounts window")));
    layout->addWidget(MakeNote(tr("This window contains your mail accounts. Use it to add, modify and delete them.")));
    layout->addLayout(body);
    ResizeForFont(this, 80, 23);

    buildMenu();
    connect(btnNew, &QPushButton::clicked, this, &TfrmAccounts::btnNewClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmAccounts::btnDeleteClick);
    connect(btnProps, &QPushButton::clicked, this, &TfrmAccounts::btnPropsClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstAccounts, &QTreeWidget::itemDoubleClicked, this, &TfrmAccounts::btnPropsClick);
    connect(lstAccounts, &QWidget::customContextMenuRequested, this, &TfrmAccounts::lstAccountsContextMenu);
    connect(lstAccounts, &QTreeWidget::itemChanged, this, &TfrmAccounts::lstAccountsItemChanged);
}

void TfrmAccounts::buildMenu()
{
    popAccount = new QMenu(this);
    popAccount->setObjectName(QStringLiteral("popAccount"));
    auto addItem = [this](const QString &text, const char *name, void (TfrmAccounts::*handler)()) {
        QAction *action = popAccount->addAction(text, this, handler);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    addItem(tr("&Set as default account"), "popAccount_SetAsDefault", &TfrmAccounts::popAccount_SetAsDefaultClick);
    popAccount->addSeparator();
    popAccount->setDefaultAction(addItem(tr("&Properties"), "popAccount_Properties", &TfrmAccounts::btnPropsClick));
    addItem(tr("&Rename"), "popAccount_Rename", &TfrmAccounts::popAccount_RenameClick);
    addItem(tr("&Delete"), "popAccount_Delete", &TfrmAccounts::btnDeleteClick);
}

void TfrmAccounts::showEvent(QShowEvent *event)
{
    ReloadAccounts();
    QDialog::showEvent(event);
}

void TfrmAccounts::done(int result)
{
    // Open properties windows keep the user's edits: they move to our parent instead of
    // being destroyed with us.
    for (auto *props : findChildren<TfrmAccountProps *>(Qt::FindDirectChildrenOnly)) {
        const bool visible = props->isVisible();
        props->setParent(parentWidget(), props->windowFlags());
        props->setVisible(visible);
    }
    QDialog::done(result);
}

void TfrmAccounts::ReloadAccounts()
{
    const QString selected = selectedName();
    const QSignalBlocker blocker(lstAccounts);
    lstAccounts->clear();
    for (const cAccountRow &row : AccountListRows()) {
        auto *item = new QTreeWidgetItem(lstAccounts, {row.caption, row.address});
        item->setData(0, kSectionRole, row.caption);
        item->setIcon(0, AccountIcon(row.isDefault));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    selectRow(selected);
}

QTreeWidgetItem *TfrmAccounts::selectedRow() const
{
    const QList<QTreeWidgetItem *> items = lstAccounts->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QString TfrmAccounts::selectedName() const
{
    const QTreeWidgetItem *item = selectedRow();
    return item ? item->data(0, kSectionRole).toString() : QString();
}

QTreeWidgetItem *TfrmAccounts::rowNamed(const QString &name) const
{
    for (int i = 0; i < lstAccounts->topLevelItemCount(); ++i)
        if (lstAccounts->topLevelItem(i)->data(0, kSectionRole).toString() == name)
            return lstAccounts->topLevelItem(i);
    return nullptr;
}

void TfrmAccounts::selectRow(const QString &name)
{
    if (QTreeWidgetItem *item = rowNamed(name))
        lstAccounts->setCurrentItem(item);
    SelectCurrentRow(lstAccounts);
}

void TfrmAccounts::btnNewClick()
{
    if (RunNewAccountWizard(this))
        ReloadAccounts();
}

void TfrmAccounts::btnPropsClick()
{
    const QString name = selectedName();
    if (!selectedRow())
        return;
    auto *props = new TfrmAccountProps(this);
    props->LoadAccount(name);
    connect(props, &TfrmAccountProps::accountSaved, this, &TfrmAccounts::ReloadAccounts);
    connect(this, &TfrmAccounts::accountRenamed, props, &TfrmAccountProps::AccountRenamed);
    props->show();
}

void TfrmAccounts::btnDeleteClick()
{
    const QString name = selectedName();
    if (!selectedRow()
        || !AskYesNo(this, tr("Verification"), tr("Are you certain you wish to permenently delete this account?")))
        return;
    if (const cResult deleted = cAccountStore::DeleteAccount(name); !deleted) {
        WarnFailure(this, tr("The account \"%1\" could not be deleted.").arg(name), deleted.text());
        return;
    }
    // Looked up again: the list may have been reloaded while the question was open.
    delete rowNamed(name);
}

void TfrmAccounts::lstAccountsContextMenu(const QPoint &pos)
{
    if (selectedRow())
        popAccount->popup(lstAccounts->viewport()->mapToGlobal(pos));
}

void TfrmAccounts::popAccount_RenameClick()
{
    QTreeWidgetItem *item = selectedRow();
    if (!item)
        return;
    // Enter must end the edit, not close the window; it stays so afterwards.
    btnOK->setDefault(false);
    for (auto *button : {btnNew, btnDelete, btnProps, btnOK})
        button->setAutoDefault(false);
    lstAccounts->editItem(item, 0);
}

void TfrmAccounts::lstAccountsItemChanged(QTreeWidgetItem *item, int column)
{
    const QString oldName = item->data(0, kSectionRole).toString();
    const QString typed = item->text(0);
    if (column != 0 || typed == oldName)
        return;
    // Answered once the editor has closed: a warning box shown while it commits would let it
    // commit again, and the list is rebuilt afterwards.
    QMetaObject::invokeMethod(
        this, [this, oldName, typed] { lstAccountsEdited(oldName, typed); }, Qt::QueuedConnection);
}

void TfrmAccounts::lstAccountsEdited(const QString &oldName, const QString &typed)
{
    const QString newName = typed.trimmed();
    if (!newName.isEmpty() && newName != oldName) {
        QString reason = renameRefusal(oldName, newName);
        if (reason.isEmpty()) {
            const cResult renamed = cAccountStore::RenameAccount(oldName, newName);
            if (renamed) {
                emit accountRenamed(oldName, newName);
                ReloadAccounts();
                selectRow(newName);
                return;
            }
            reason = renamed.text();
        }
        WarnFailure(this, tr("The account \"%1\" could not be renamed.").arg(oldName), reason);
    }
    ReloadAccounts();
}

QString TfrmAccounts::renameRefusal(const QString &oldName, const QString &newName)
{
    if (QString problem = AccountNameProblem(newName); !problem.isEmpty())
        return problem;
    // Two sections of one name would hide the second account from every reader.
    const bool takenByAnother = newName.compare(oldName, Qt::CaseInsensitive) != 0
                                && cAccountStore::AccountNames().contains(newName, Qt::CaseInsensitive);
    if (takenByAnother)
        return tr("An account named \"%1\" already exists. Please choose another name.").arg(newName);
    return {};
}

void TfrmAccounts::popAccount_SetAsDefaultClick()
{
    const QString name = selectedName();
    if (!selectedRow())
        return;
    if (const cResult made = cAccountStore::SetDefaultAccountName(name); !made)
        WarnFailure(this, tr("\"%1\" could not be made the default account.").arg(name), made.text());
    ReloadAccounts();
}
