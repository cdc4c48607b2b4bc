// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Identities" page of the account properties: the sender identities an account has
// besides its own, listed by the sender line each gives, with the fields of the one chosen.
//
// Call order: construct, Load(identities), then Identities() on OK.
#include "transfer/cIdentity.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class cIdentitiesPage : public QWidget
{
    Q_OBJECT
public:
    explicit cIdentitiesPage(QWidget *parent = nullptr);

    void Load(const QList<cIdentity> &identities);
    QList<cIdentity> Identities() const { return fIdentities; }

private:
    void lstIdentitiesChange();
    void btnAddIdentityClick();
    void btnRemoveIdentityClick();
    // Takes what the fields hold into the chosen identity and its row.
    void fieldsEdited();
    void showChosen();

    QList<cIdentity> fIdentities;
    // Filling the fields from an identity is no edit of it.
    bool fShowing = false;

    QListWidget *lstIdentities;
    QPushButton *btnAddIdentity;
    QPushButton *btnRemoveIdentity;
    QLineEdit *edtIdentityName;
    QLineEdit *edtIdentityEMail;
    QLineEdit *edtIdentityReplyAddress;
    QLineEdit *edtIdentityOrganisation;
    QComboBox *cboIdentitySignature;
};
