// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accounts window: lists the accounts and runs the commands on them (new, properties,
// delete, rename in place, set as default). It keeps no account data: each command goes to
// cAccountStore and the list is read again from the files.
//
// The main window creates it and calls exec(); the list is filled whenever it is shown. The
// properties windows it opens are not modal and outlive it: when it closes they are handed to
// its parent.
#include <QDialog>
#include <QList>
#include <QString>

class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

struct cAccountRow
{
    QString caption;
    QString address;
    bool isDefault = false;
};

// One row per account in file order; the default one found by names compared lower-cased.
QList<cAccountRow> AccountListRows();

class TfrmAccounts : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAccounts(QWidget *parent = nullptr);

    void ReloadAccounts();

signals:
    // An account was renamed here; its open properties windows follow the new name.
    void accountRenamed(const QString &oldName, const QString &newName);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildMenu();
    QTreeWidgetItem *selectedRow() const;
    QString selectedName() const;
    QTreeWidgetItem *rowNamed(const QString &name) const;
    void selectRow(const QString &name);

    void btnNewClick();
    void btnPropsClick();
    void btnDeleteClick();
    void lstAccountsContextMenu(const QPoint &pos);
    void lstAccountsItemChanged(QTreeWidgetItem *item, int column);
    void lstAccountsEdited(const QString &oldName, const QString &typed);
    // Why an account may not take a typed name; empty when it may.
    static QString renameRefusal(const QString &oldName, const QString &newName);
    void popAccount_RenameClick();
    void popAccount_SetAsDefaultClick();

    QTreeWidget *lstAccounts;
    QPushButton *btnNew;
    QPushButton *btnDelete;
    QPushButton *btnProps;
    QPushButton *btnOK;
    QMenu *popAccount;
};
