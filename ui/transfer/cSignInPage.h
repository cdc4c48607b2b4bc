// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Sign-in" page of the account properties: whether the account logs in with its password
// or with OAuth2, the provider's OAuth2 addresses and the user's own client id, and "Sign in..."
// which runs the sign-in in the desktop's browser without blocking the window (the button then
// cancels it). The tokens of a sign-in are kept where the password would be.
//
// Call order: construct, Load(account), then Store(account) on OK.
#include "transfer/cAccount.h"
#include "transfer/cOAuth2Tokens.h"

#include <QUrl>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class cOAuth2Client;

class cSignInPage : public QWidget
{
    Q_OBJECT
public:
    explicit cSignInPage(QWidget *parent = nullptr);

    void Load(const cAccount &account);
    // OAuth2 replaces the password by the sign-in's tokens.
    void Store(cAccount &account) const;
    bool UsesOAuth2() const;
    // An account that chose OAuth2 and has no sign-in cannot fetch or send.
    QString Problem() const;
    // The provider table's addresses, for an account that switches to OAuth2 with none typed.
    std::function<QString()> Address = [] { return QString(); };
    // The desktop's browser; tests follow the address themselves.
    std::function<void(const QUrl &)> OpenBrowser;

signals:
    void AuthenticationChanged(bool oAuth2);

private:
    void cboAuthenticationChange();
    void btnSignInClick();
    void signInDone();
    void showState();
    cOAuth2Settings typedSettings() const;

    cOAuth2Tokens fTokens;
    cOAuth2Client *fClient = nullptr;
    QString fLastFailure;

    QComboBox *cboAuthentication;
    QLineEdit *edtOAuth2ClientId;
    QLineEdit *edtOAuth2ClientSecret;
    QLineEdit *edtOAuth2AuthUrl;
    QLineEdit *edtOAuth2TokenUrl;
    QLineEdit *edtOAuth2RevokeUrl;
    QLineEdit *edtOAuth2Scope;
    QPushButton *btnSignIn;
    QLabel *lblSignInState;
};
