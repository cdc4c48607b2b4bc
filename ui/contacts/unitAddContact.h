// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The add-contact dialog: a name and an e-mail, prefilled by the opener. OK writes the e-mail
// into the contact of that name (a new one at the end, or the one the name already has) and
// ends the dialog; the opener refills the lists.
#include <QDialog>

class QLineEdit;
class QPushButton;

class TfrmAddContact : public QDialog
{
    Q_OBJECT
public:
    TfrmAddContact(QWidget *parent, const QString &name, const QString &address);

    void btnOKClick();

private:
    void edtChange();

    QLineEdit *edtName;
    QLineEdit *edtEMail;
    QPushButton *btnOK;
};
