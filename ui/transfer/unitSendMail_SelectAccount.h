// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The account chooser: the user picks the accounts to check for new mail. "&OK" can be pressed
// only while at least one account is selected.
//
// Run it through ChooseAccountsForMailCheck, or construct it, exec() it and read
// SelectedAccounts(); the list is filled whenever it is shown.
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class TfrmNewMsg_SelectAccount : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNewMsg_SelectAccount(QWidget *parent = nullptr);

    // The selected account names in list order.
    QStringList SelectedAccounts() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lstAccountsSelectionChanged();

    QListWidget *lstAccounts;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};

// The accounts chosen, in list order; empty when the chooser was cancelled.
QStringList ChooseAccountsForMailCheck(QWidget *parent = nullptr);
