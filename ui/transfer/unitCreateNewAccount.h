// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The new-account wizard: the settings of one new account on three pages; "Find settings"
// fills the server pages from the address and password. "&Done" writes them
// into the section named by the account name (asking first when that account exists) and
// makes it the default account when the box is ticked; "&Cancel" writes nothing.
//
// Run it through RunNewAccountWizard, or construct it and call exec().
#include "ui/transfer/cAccountSecurityPage.h"
#include "ui/transfer/cFindSettingsPanel.h"

#include <QDialog>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

class TfrmCreateNewAccount : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCreateNewAccount(QWidget *parent = nullptr);
    // Tests detect against fakes instead of real servers.
    void SetServerProbes(fServerProbe pop3, fServerProbe smtp);
    cFindSettingsPanel *FindSettings() const { return fFindSettings; }

private:
    void fillPersonalPage(QFormLayout *form);
    void fillServerPage(QFormLayout *form);
    cAccount accountFromFields() const;
    void fillFound(const cAccount &account);
    // Warns about the first field that cannot be saved and shows it; true when none.
    bool fieldsAreUsable();
    bool mayWriteAccount(const QString &name);
    void btnOKClick();

    QLineEdit *edtAccountName;
    QLineEdit *edtName;
    QLineEdit *edtEMail;
    QLineEdit *edtUserID;
    QLineEdit *edtPassword;
    QLineEdit *edtPOP3;
    QLineEdit *edtPort_POP3;
    QLineEdit *edtSMTP;
    QLineEdit *edtPort_SMTP;
    cAccountSecurityPage *fSecurity;
    // How the settings found sign in (OAuth2 and the provider's addresses, or the password).
    cAccount fFoundSignIn;
    cFindSettingsPanel *fFindSettings;
    QCheckBox *chkMakeDefault;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};

// Shows the wizard modally; true when it was closed with "&Done".
bool RunNewAccountWizard(QWidget *parent = nullptr);
