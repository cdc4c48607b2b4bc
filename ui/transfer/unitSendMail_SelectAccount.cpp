// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitSendMail_SelectAccount.h"

#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountWidgets.h"

#include <QLabel>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmNewMsg_SelectAccount::TfrmNewMsg_SelectAccount(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choose account"));

    lstAccounts = new QListWidget;
    lstAccounts->setObjectName(QStringLiteral("lstAccounts"));
    lstAccounts->setSelectionMode(QAbstractItemView::ExtendedSelection);

    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    btnOK = buttons.ok;
    btnOK->setEnabled(false);
    btnCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeNote(
        tr("Please choose the account which you'll use to check for new messages from the list here below:")));
    layout->addWidget(lstAccounts);
    layout->addWidget(buttons.box);

    connect(lstAccounts, &QListWidget::itemSelectionChanged, this, &TfrmNewMsg_SelectAccount::lstAccountsSelectionChanged);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmNewMsg_SelectAccount::showEvent(QShowEvent *event)
{
    lstAccounts->clear();
    const QIcon icon = AccountIcon(false);
    for (const QString &name : cAccountStore::AccountNames())
        new QListWidgetItem(icon, name, lstAccounts);
    QDialog::showEvent(event);
}

void TfrmNewMsg_SelectAccount::lstAccountsSelectionChanged()
{
    btnOK->setEnabled(!lstAccounts->selectedItems().isEmpty());
}

QStringList TfrmNewMsg_SelectAccount::SelectedAccounts() const
{
    QStringList names;
    for (int row = 0; row < lstAccounts->count(); ++row)
        if (lstAccounts->item(row)->isSelected())
            names.append(lstAccounts->item(row)->text());
    return names;
}

QStringList ChooseAccountsForMailCheck(QWidget *parent)
{
    TfrmNewMsg_SelectAccount chooser(parent);
    return chooser.exec() == QDialog::Accepted ? chooser.SelectedAccounts() : QStringList();
}
