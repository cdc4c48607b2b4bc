// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipient picker of the compose window: the contacts offered (lstFrom) and those chosen
// (lstTo), each with name and e-mail. "Add" (or a double-click) moves the selected offered
// contacts to the chosen ones, Delete moves selected chosen ones back; OK needs at least one
// chosen, whose e-mails the composer then takes in order.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QPushButton;
class QTreeWidget;

struct cPickable
{
    QString name;
    QString email;
};

class TfrmAddReceipiantsFromAddressBook : public QDialog
{
    Q_OBJECT
public:
    TfrmAddReceipiantsFromAddressBook(QWidget *parent, const QList<cPickable> &contacts);

    QStringList ChosenAddresses() const;
    void btnAddClick();
    void lstToDeleteKey();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateButtons();

    QTreeWidget *lstFrom;
    QTreeWidget *lstTo;
    QPushButton *btnAdd;
    QPushButton *btnOK;
};
