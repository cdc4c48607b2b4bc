// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cSignInPage.h"

#include "transfer/cAutoconfig.h"
#include "transfer/cOAuth2Client.h"
#include "ui/wndlist/DialogParts.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

cSignInPage::cSignInPage(QWidget *parent)
    : QWidget(parent), OpenBrowser([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    cboAuthentication = new QComboBox;
    cboAuthentication->setObjectName(QStringLiteral("cboAuthentication"));
    cboAuthentication->addItem(tr("Password"), int(eAuthentication::Password));
    cboAuthentication->addItem(tr("OAuth2 (sign in with the provider)"), int(eAuthentication::OAuth2));
    auto *form = new QFormLayout;
    form->addRow(tr("&Authentication:"), cboAuthentication);
    edtOAuth2ClientId = AddField(form, tr("&Client id:"), "edtOAuth2ClientId");
    edtOAuth2ClientId->setToolTip(tr("The client id you registered with your provider for Ravelin"));
    edtOAuth2ClientSecret = AddField(form, tr("Client &secret (if any):"), "edtOAuth2ClientSecret");
    edtOAuth2AuthUrl = AddField(form, tr("Sign-in address:"), "edtOAuth2AuthUrl");
    edtOAuth2TokenUrl = AddField(form, tr("Token address:"), "edtOAuth2TokenUrl");
    edtOAuth2RevokeUrl = AddField(form, tr("Revocation address:"), "edtOAuth2RevokeUrl");
    edtOAuth2Scope = AddField(form, tr("Scope:"), "edtOAuth2Scope");
    btnSignIn = new QPushButton;
    btnSignIn->setObjectName(QStringLiteral("btnSignIn"));
    // Enter stays with the dialog's "&OK".
    btnSignIn->setAutoDefault(false);
    lblSignInState = new QLabel;
    lblSignInState->setObjectName(QStringLiteral("lblSignInState"));
    lblSignInState->setWordWrap(true);
    form->addRow(btnSignIn, lblSignInState);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    connect(cboAuthentication, &QComboBox::activated, this, &cSignInPage::cboAuthenticationChange);
    connect(btnSignIn, &QPushButton::clicked, this, &cSignInPage::btnSignInClick);
    showState();
}

void cSignInPage::Load(const cAccount &account)
{
    cboAuthentication->setCurrentIndex(cboAuthentication->findData(int(account.authentication)));
    edtOAuth2ClientId->setText(account.oAuth2.clientId);
    edtOAuth2ClientSecret->setText(account.oAuth2.clientSecret);
    edtOAuth2AuthUrl->setText(account.oAuth2.authUrl);
    edtOAuth2TokenUrl->setText(account.oAuth2.tokenUrl);
    edtOAuth2RevokeUrl->setText(account.oAuth2.revokeUrl);
    edtOAuth2Scope->setText(account.oAuth2.scope);
    fTokens = account.UsesOAuth2() ? cOAuth2Tokens::FromSecret(account.password) : cOAuth2Tokens{};
    showState();
}

bool cSignInPage::UsesOAuth2() const
{
    return cboAuthentication->currentData().toInt() == int(eAuthentication::OAuth2);
}

cOAuth2Settings cSignInPage::typedSettings() const
{
    return {edtOAuth2AuthUrl->text().trimmed(), edtOAuth2TokenUrl->text().trimmed(), edtOAuth2RevokeUrl->text().trimmed(),
            edtOAuth2Scope->text().simplified(),  edtOAuth2ClientId->text().trimmed(), edtOAuth2ClientSecret->text().trimmed()};
}

void cSignInPage::Store(cAccount &account) const
{
    account.authentication = UsesOAuth2() ? eAuthentication::OAuth2 : eAuthentication::Password;
    account.oAuth2 = typedSettings();
    if (UsesOAuth2())
        account.password = fTokens.SignedIn() ? fTokens.ToSecret() : QByteArray();
}

QString cSignInPage::Problem() const
{
    if (!UsesOAuth2() || fTokens.SignedIn())
        return {};
    return tr("The account signs in with OAuth2 but is not signed in: click \"Sign in...\" first.");
}

void cSignInPage::cboAuthenticationChange()
{
    if (UsesOAuth2() && edtOAuth2AuthUrl->text().isEmpty()) {
        const cOAuth2Settings known = cAutoconfig::ProviderOAuth2(Address());
        edtOAuth2AuthUrl->setText(known.authUrl);
        edtOAuth2TokenUrl->setText(known.tokenUrl);
        edtOAuth2RevokeUrl->setText(known.revokeUrl);
        edtOAuth2Scope->setText(known.scope);
    }
    showState();
    emit AuthenticationChanged(UsesOAuth2());
}

void cSignInPage::btnSignInClick()
{
    if (fClient) {
        fClient->Cancel();
        return;
    }
    fLastFailure.clear();
    fClient = new cOAuth2Client(typedSettings(), this);
    fClient->OpenBrowser = OpenBrowser;
    fClient->LoginHint = Address();
    connect(fClient, &cOAuth2Client::Done, this, &cSignInPage::signInDone);
    showState();
    fClient->SignIn();
}

void cSignInPage::signInDone()
{
    const cResultOf<cOAuth2Tokens> result = fClient->Result();
    fClient->deleteLater();
    fClient = nullptr;
    if (result)
        fTokens = result.value();
    else
        fLastFailure = result.text();
    showState();
}

void cSignInPage::showState()
{
    const bool oAuth2 = UsesOAuth2();
    for (QWidget *field : {static_cast<QWidget *>(edtOAuth2ClientId), static_cast<QWidget *>(edtOAuth2ClientSecret),
                           static_cast<QWidget *>(edtOAuth2AuthUrl), static_cast<QWidget *>(edtOAuth2TokenUrl),
                           static_cast<QWidget *>(edtOAuth2RevokeUrl), static_cast<QWidget *>(edtOAuth2Scope)})
        field->setEnabled(oAuth2 && !fClient);
    btnSignIn->setEnabled(oAuth2);
    btnSignIn->setText(fClient ? tr("&Cancel sign-in") : tr("Sign &in..."));
    if (!oAuth2)
        lblSignInState->setText(tr("The account logs in with the password on the Server page."));
    else if (fClient)
        lblSignInState->setText(tr("Waiting for the sign-in in your browser..."));
    else if (!fLastFailure.isEmpty())
        lblSignInState->setText(fLastFailure);
    else
        lblSignInState->setText(fTokens.SignedIn() ? tr("Signed in.") : tr("Not signed in."));
}
