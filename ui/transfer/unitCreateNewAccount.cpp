// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitCreateNewAccount.h"

#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountFieldChecks.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/wndlist/WindowSize.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmCreateNewAccount::TfrmCreateNewAccount(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Create new account"));
    setMinimumWidth(380);

    auto *pages = new QTabWidget;
    auto *personal = new QWidget;
    fillPersonalPage(new QFormLayout(personal));
    pages->addTab(personal, tr("Personal info"));
    auto *server = new QWidget;
    fillServerPage(new QFormLayout(server));
    pages->addTab(server, tr("Server settings"));
    fSecurity = new cAccountSecurityPage({edtPOP3, edtPort_POP3}, {edtSMTP, edtPort_SMTP});
    // A new account sends no password unencrypted unless the user says so.
    cAccount fresh;
    fresh.allowPasswordInClear = false;
    fSecurity->Load(fresh);
    pages->addTab(fSecurity, tr("Security"));

    chkMakeDefault = new QCheckBox(tr("Make this my default account"));
    chkMakeDefault->setObjectName(QStringLiteral("chkMakeDefault"));
    chkMakeDefault->setChecked(true);

    const cDialogButtons buttons = MakeDialogButtons(this, tr("&Done"));
    btnOK = buttons.ok;
    btnCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(tr("Create new account")));
    layout->addWidget(MakeNote(tr("Please enter the required information here below to create a new mail account")));
    layout->addWidget(pages);
    layout->addWidget(chkMakeDefault);
    layout->addWidget(buttons.box);
    connect(btnOK, &QPushButton::clicked, this, &TfrmCreateNewAccount::btnOKClick);
    edtAccountName->setFocus();
    ResizeForFont(this, 74, 34);
}

void TfrmCreateNewAccount::fillPersonalPage(QFormLayout *form)
{
    edtAccountName = AddField(form, tr("Account name:"), "edtAccountName", tr("My mail account"));
    // Sample texts are only shown, so that one left untouched is never saved as a setting.
    edtName = AddSampleField(form, tr("Your name:"), "edtName", tr("Your Name"));
    edtEMail = AddSampleField(form, tr("Your e-mail:"), "edtEMail", tr("you@example.com"));
    edtUserID = AddSampleField(form, tr("User ID:"), "edtUserID", tr("your_user_id"));
    edtPassword = AddPasswordField(form, tr("Password:"), "edtPassword");
    fFindSettings = new cFindSettingsPanel;
    form->addRow(fFindSettings);
    connect(fFindSettings, &cFindSettingsPanel::FindRequested, this, [this] { fFindSettings->Start(accountFromFields()); });
    connect(fFindSettings, &cFindSettingsPanel::Found, this, &TfrmCreateNewAccount::fillFound);
}

void TfrmCreateNewAccount::fillServerPage(QFormLayout *form)
{
    edtPOP3 = AddSampleField(form, tr("POP3 mail server:"), "edtPOP3", QStringLiteral("pop3."));
    edtPort_POP3 = AddField(form, tr("Port: (110 usually)"), "edtPort_POP3", QStringLiteral("110"));
    edtSMTP = AddSampleField(form, tr("SMTP mail server:"), "edtSMTP", QStringLiteral("smtp."));
    edtPort_SMTP = AddField(form, tr("Port: (25 usually)"), "edtPort_SMTP", QStringLiteral("25"));
    form->addRow(MakeNote(tr("Tip: better leave the \"ports\" parts to their default values since this is what is "
                             "almost always used by all ISPs.")));
}

void TfrmCreateNewAccount::SetServerProbes(fServerProbe pop3, fServerProbe smtp)
{
    fSecurity->SetServerProbes(std::move(pop3), std::move(smtp));
}

cAccount TfrmCreateNewAccount::accountFromFields() const
{
    cAccount account;
    account.section = edtAccountName->text().trimmed();
    account.name = edtName->text();
    account.email = edtEMail->text();
    account.userId = edtUserID->text();
    account.password = edtPassword->text().toUtf8();
    account.pop3Server = edtPOP3->text();
    account.smtpServer = edtSMTP->text();
    account.pop3Port = edtPort_POP3->text();
    account.smtpPort = edtPort_SMTP->text();
    fSecurity->Store(account);
    account.authentication = fFoundSignIn.authentication;
    account.oAuth2 = fFoundSignIn.oAuth2;
    // The sign-in, not the password, opens an OAuth2 account.
    if (account.UsesOAuth2())
        account.password.clear();
    return account;
}

void TfrmCreateNewAccount::fillFound(const cAccount &account)
{
    // The security goes first: choosing it moves the port to the usual one.
    fSecurity->Load(account);
    edtUserID->setText(account.userId);
    edtPOP3->setText(account.pop3Server);
    edtPort_POP3->setText(account.pop3Port);
    edtSMTP->setText(account.smtpServer);
    edtPort_SMTP->setText(account.smtpPort);
    fFoundSignIn = account;
}

bool TfrmCreateNewAccount::fieldsAreUsable()
{
    const QList<cFieldProblem> problems = QList<cFieldProblem>{
        {edtAccountName, AccountNameProblem(edtAccountName->text().trimmed())},
        {edtPort_POP3, PortProblem(tr("POP3 port"), edtPort_POP3->text())},
        {edtPort_SMTP, PortProblem(tr("SMTP port"), edtPort_SMTP->text())},
    } + fSecurity->Problems();
    return !WarnFirstProblem(this, tr("The account could not be saved."), problems);
}

bool TfrmCreateNewAccount::mayWriteAccount(const QString &name)
{
    // The wizard's own default name makes a second account replace the first all too easily.
    return !cAccountStore::AccountNames().contains(name, Qt::CaseInsensitive)
           || AskYesNo(this, tr("Verification"),
                       tr("An account named \"%1\" already exists. Do you wish to replace its settings?").arg(name));
}

void TfrmCreateNewAccount::btnOKClick()
{
    if (!fieldsAreUsable())
        return;
    const cAccount account = accountFromFields();
    if (!mayWriteAccount(account.section)) {
        edtAccountName->setFocus();
        return;
    }
    if (const cResult written = cAccountStore::WriteNewAccount(account, false); !written) {
        WarnFailure(this, tr("The account \"%1\" could not be saved.").arg(account.section), written.text());
        return;
    }
    if (chkMakeDefault->isChecked()) {
        if (const cResult made = cAccountStore::SetDefaultAccountName(account.section); !made)
            WarnFailure(this,
                        tr("The account \"%1\" was saved, but could not be made the default account.").arg(account.section),
                        made.text());
    }
    accept();
}

bool RunNewAccountWizard(QWidget *parent)
{
    TfrmCreateNewAccount wizard(parent);
    return wizard.exec() == QDialog::Accepted;
}
