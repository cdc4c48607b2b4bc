// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The properties window of one account: six pages of its settings. Not modal; several may be
// open, and each frees itself when closed.
//
// Call order: construct, LoadAccount(name), show(). "&OK" writes every key back and emits
// accountSaved (the accounts window reloads its list); "&Cancel" writes nothing.
#include "transfer/cAccount.h"
#include "ui/transfer/cAccountSecurityPage.h"
#include "ui/transfer/cIdentitiesPage.h"
#include "ui/transfer/cShownPassword.h"
#include "ui/transfer/cSignInPage.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;
class QLineEdit;
class QPushButton;

class TfrmAccountProps : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAccountProps(QWidget *parent = nullptr);

    void LoadAccount(const QString &name);
    const QString &AccountName() const { return fAccountName; }
    // Keeps writing to the same account after the accounts window renamed it.
    void AccountRenamed(const QString &oldName, const QString &newName);
    // Tests detect against fakes instead of real servers.
    void SetServerProbes(fServerProbe pop3, fServerProbe smtp);
    // Tests follow the OAuth2 sign-in address themselves.
    void SetBrowser(std::function<void(const QUrl &)> open) { fSignIn->OpenBrowser = std::move(open); }

signals:
    void accountSaved();

private:
    QWidget *makePersonalPage();
    QWidget *makeServerPage();
    QWidget *makeAdvancedPage();
    QWidget *makeSecurityPage();
    QWidget *makeIdentitiesPage();
    QWidget *makeSignInPage();
    cAccount accountFromFields() const;
    QString UnreadKeyringProblem() const;
    void btnOKClick();

    QString fAccountName;
    // Why the keyring did not give this account's passwords, empty when it did.
    QString fKeyringProblem;
    cShownPassword fPassword;

    QLineEdit *edtName;
    QLineEdit *edtEMail;
    QLineEdit *edtReplyAddress;
    QLineEdit *edtOrganisation;
    QLineEdit *edtPOP3Server;
    QLineEdit *edtSMTPServer;
    QLineEdit *edtUserName;
    QLineEdit *edtPassword;
    QLineEdit *edtPOP3Port;
    QLineEdit *edtSMTPPort;
    QCheckBox *chkLeaveMailOnServer;
    // Off, or the days a stored message stays on the server.
    QCheckBox *chkRemoveAfterDays;
    QSpinBox *edtRemoveAfterDays;
    cAccountSecurityPage *fSecurity;
    cIdentitiesPage *fIdentities;
    cSignInPage *fSignIn;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};
