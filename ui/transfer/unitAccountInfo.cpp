// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitAccountInfo.h"

#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountFieldChecks.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/wndlist/WindowSize.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kMostDaysOnServer = 3650;
constexpr int kUsualDaysOnServer = 14;
// Lines the removal option up under the text of the box it belongs to.
constexpr int kIndent = 20;
} // namespace

TfrmAccountProps::TfrmAccountProps(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Account properties"));

    auto *pages = new QTabWidget;
    pages->addTab(makePersonalPage(), tr("Personal info"));
    pages->addTab(makeServerPage(), tr("Server"));
    pages->addTab(makeAdvancedPage(), tr("Advanced"));
    pages->addTab(makeSecurityPage(), tr("Security"));
    pages->addTab(makeIdentitiesPage(), tr("Identities"));
    pages->addTab(makeSignInPage(), tr("Sign-in"));

    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    btnOK = buttons.ok;
    btnCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons.box);
    connect(btnOK, &QPushButton::clicked, this, &TfrmAccountProps::btnOKClick);
    ResizeForFont(this, 74, 32);
}

QWidget *TfrmAccountProps::makePersonalPage()
{
    auto *form = new QFormLayout;
    edtName = AddField(form, tr("Your name:"), "edtName");
    edtEMail = AddField(form, tr("Your e-mail:"), "edtEMail");
    edtReplyAddress = AddField(form, tr("Reply address:"), "edtReplyAddress");
    edtOrganisation = AddField(form, tr("Organization:"), "edtOrganisation");
    return MakePage(tr("Personal infomation page"), tr("Use this window to fill in personal information about yourself."),
                    form);
}

QWidget *TfrmAccountProps::makeServerPage()
{
    auto *form = new QFormLayout;
    edtPOP3Server = AddField(form, tr("&Incoming (POP3) server:"), "edtPOP3Server");
    edtSMTPServer = AddField(form, tr("Outgoing (SMTP) server:"), "edtSMTPServer");
    auto *connectAs = new QGroupBox(tr("&Connect as:"));
    auto *login = new QFormLayout(connectAs);
    edtUserName = AddField(login, tr("User name:"), "edtUserName");
    edtPassword = AddPasswordField(login, tr("&Password:"), "edtPassword");
    form->addRow(connectAs);
    return MakePage(tr("Server settings page"), tr("Using this page, fill in all the required server info."), form);
}

QWidget *TfrmAccountProps::makeAdvancedPage()
{
    auto *ports = new QGroupBox(tr(" Server ports "));
    auto *portForm = new QFormLayout(ports);
    edtPOP3Port = AddField(portForm, tr("POP3 server port:"), "edtPOP3Port");
    edtSMTPPort = AddField(portForm, tr("SMTP server port:"), "edtSMTPPort");
    chkLeaveMailOnServer = new QCheckBox(tr("&Leave mail on server"));
    chkLeaveMailOnServer->setObjectName(QStringLiteral("chkLeaveMailOnServer"));
    chkRemoveAfterDays = new QCheckBox(tr("&Remove from server after"));
    chkRemoveAfterDays->setObjectName(QStringLiteral("chkRemoveAfterDays"));
    edtRemoveAfterDays = new QSpinBox;
    edtRemoveAfterDays->setObjectName(QStringLiteral("edtRemoveAfterDays"));
    edtRemoveAfterDays->setRange(1, kMostDaysOnServer);
    edtRemoveAfterDays->setSuffix(tr(" days"));
    const auto enableRemoval = [this] {
        chkRemoveAfterDays->setEnabled(chkLeaveMailOnServer->isChecked());
        edtRemoveAfterDays->setEnabled(chkLeaveMailOnServer->isChecked() && chkRemoveAfterDays->isChecked());
    };
    connect(chkLeaveMailOnServer, &QCheckBox::toggled, this, enableRemoval);
    connect(chkRemoveAfterDays, &QCheckBox::toggled, this, enableRemoval);
    enableRemoval();
    auto *removal = new QHBoxLayout;
    removal->addSpacing(kIndent);
    removal->addWidget(chkRemoveAfterDays);
    removal->addWidget(edtRemoveAfterDays);
    removal->addStretch();

    auto *controls = new QVBoxLayout;
    controls->addWidget(ports);
    controls->addWidget(chkLeaveMailOnServer);
    controls->addLayout(removal);
    return MakePage(tr("Advanced settings page"), tr("Here you will be able to specify advanced mail settings."),
                    controls);
}

QWidget *TfrmAccountProps::makeSecurityPage()
{
    fSecurity = new cAccountSecurityPage({edtPOP3Server, edtPOP3Port}, {edtSMTPServer, edtSMTPPort});
    // The page's heading already sets its controls apart.
    fSecurity->layout()->setContentsMargins({});
    auto *controls = new QVBoxLayout;
    controls->addWidget(fSecurity);
    return MakePage(tr("Security settings page"),
                    tr("Choose how the connections to your servers are protected and how you log in."), controls);
}

QWidget *TfrmAccountProps::makeIdentitiesPage()
{
    fIdentities = new cIdentitiesPage;
    fIdentities->layout()->setContentsMargins({});
    auto *controls = new QVBoxLayout;
    controls->addWidget(fIdentities);
    return MakePage(tr("Identities page"),
                    tr("Other names and addresses you send from with this account; the message window lets you choose them."),
                    controls);
}

QWidget *TfrmAccountProps::makeSignInPage()
{
    fSignIn = new cSignInPage;
    fSignIn->layout()->setContentsMargins({});
    fSignIn->Address = [this] { return edtEMail->text(); };
    // An OAuth2 account has no password to type.
    connect(fSignIn, &cSignInPage::AuthenticationChanged, edtPassword, &QWidget::setDisabled);
    auto *controls = new QVBoxLayout;
    controls->addWidget(fSignIn);
    return MakePage(tr("Sign-in page"),
                    tr("Providers that require it sign in with OAuth2 in your browser instead of a password."), controls);
}

void TfrmAccountProps::LoadAccount(const QString &name)
{
    fAccountName = name;
    cResult keyring;
    const cAccount account = cAccountStore::ReadAccount(name, &keyring);
    fKeyringProblem = keyring ? QString() : keyring.text();
    edtName->setText(account.name);
    edtEMail->setText(account.email);
    edtReplyAddress->setText(account.replyAddress);
    edtOrganisation->setText(account.organisation);
    edtPOP3Server->setText(account.pop3Server);
    edtSMTPServer->setText(account.smtpServer);
    edtUserName->setText(account.userId);
    fPassword.Show(edtPassword, account.password);
    edtPOP3Port->setText(account.pop3Port);
    edtSMTPPort->setText(account.smtpPort);
    chkLeaveMailOnServer->setChecked(account.leaveMailOnServer);
    chkRemoveAfterDays->setChecked(account.removeAfterDays > 0);
    edtRemoveAfterDays->setValue(account.removeAfterDays > 0 ? account.removeAfterDays : kUsualDaysOnServer);
    fSecurity->Load(account);
    fIdentities->Load(account.identities);
    fSignIn->Load(account);
    edtPassword->setDisabled(account.UsesOAuth2());
    if (account.UsesOAuth2())
        fPassword.Show(edtPassword, {});
}

void TfrmAccountProps::AccountRenamed(const QString &oldName, const QString &newName)
{
    if (fAccountName.compare(oldName, Qt::CaseInsensitive) == 0)
        fAccountName = newName;
}

void TfrmAccountProps::SetServerProbes(fServerProbe pop3, fServerProbe smtp)
{
    fSecurity->SetServerProbes(std::move(pop3), std::move(smtp));
}

cAccount TfrmAccountProps::accountFromFields() const
{
    cAccount account;
    account.section = fAccountName;
    account.name = edtName->text();
    account.email = edtEMail->text();
    account.replyAddress = edtReplyAddress->text();
    account.organisation = edtOrganisation->text();
    account.pop3Server = edtPOP3Server->text();
    account.smtpServer = edtSMTPServer->text();
    account.userId = edtUserName->text();
    account.password = fPassword.Typed(edtPassword);
    account.pop3Port = edtPOP3Port->text();
    account.smtpPort = edtSMTPPort->text();
    account.leaveMailOnServer = chkLeaveMailOnServer->isChecked();
    account.removeAfterDays = chkRemoveAfterDays->isChecked() ? edtRemoveAfterDays->value() : 0;
    fSecurity->Store(account);
    account.identities = fIdentities->Identities();
    fSignIn->Store(account);
    return account;
}

// Empty fields standing for passwords the keyring would not give must not replace them there.
QString TfrmAccountProps::UnreadKeyringProblem() const
{
    const cAccount account = accountFromFields();
    const bool passwordsMissing = account.password.isEmpty()
                                  || (account.smtpLogin == eSmtpLogin::Own && account.smtpPassword.isEmpty());
    if (fKeyringProblem.isEmpty() || !account.passwordInKeyring || !passwordsMissing)
        return {};
    return tr("%1. Type the passwords again, or press Cancel to leave them as they are.").arg(fKeyringProblem);
}

void TfrmAccountProps::btnOKClick()
{
    const QString notSaved = tr("The account \"%1\" could not be saved.").arg(fAccountName);
    const QList<cFieldProblem> problems = QList<cFieldProblem>{
        {edtPOP3Port, PortProblem(tr("POP3 server port"), edtPOP3Port->text())},
        {edtSMTPPort, PortProblem(tr("SMTP server port"), edtSMTPPort->text())},
    } + fSecurity->Problems() + QList<cFieldProblem>{{edtPassword, UnreadKeyringProblem()}, {fSignIn, fSignIn->Problem()}};
    if (WarnFirstProblem(this, notSaved, problems))
        return;
    if (const cResult written = cAccountStore::WriteAccount(accountFromFields()); !written) {
        WarnFailure(this, notSaved, written.text());
        return;
    }
    emit accountSaved();
    accept();
}
