// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Talks to one OAuth2 provider for one account: SignIn runs the authorization code flow with
// PKCE (RFC 6749 section 4.1, RFC 7636 S256, RFC 8252 loopback redirect on 127.0.0.1 at a free
// port); Refresh trades the refresh token for a new access token; Revoke withdraws a token
// (RFC 7009). Each call works in the background on the calling thread's event loop and ends
// with Done, after which Result holds the tokens or why there are none. Cancel ends a call
// at once, as Cancelled. One call at a time.
//
// SignIn hands the authorization address to OpenBrowser (the desktop's browser in the program;
// tests fetch it themselves) and waits for the browser to come back to the loopback address.
// A visit whose state is not ours is turned away without ending the wait.
#include "storage/cResult.h"
#include "transfer/cOAuth2Settings.h"
#include "transfer/cOAuth2Tokens.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class QNetworkReply;
class QTcpServer;
class QTcpSocket;

class cOAuth2Client : public QObject
{
    Q_OBJECT
public:
    explicit cOAuth2Client(cOAuth2Settings settings, QObject *parent = nullptr);
    ~cOAuth2Client() override;

    std::function<void(const QUrl &)> OpenBrowser = [](const QUrl &) {};
    // Passed to the provider so its page suggests the account's address.
    QString LoginHint;

    void SignIn();
    void Refresh(const cOAuth2Tokens &tokens);
    // Revokes the refresh token; a provider without a revocation address has nothing to do.
    void Revoke(const cOAuth2Tokens &tokens);
    void Cancel();

    const cResultOf<cOAuth2Tokens> &Result() const { return fResult; }
    // The authorization address of the sign-in under way (for a window that shows it too).
    QUrl AuthorizationUrl() const { return fAuthorizationUrl; }

    // Blocks the calling thread (a session's worker) until the refresh is done, timeoutMs
    // passed or stopped says so.
    static cResultOf<cOAuth2Tokens> RefreshNow(const cOAuth2Settings &settings, const cOAuth2Tokens &tokens,
                                               int timeoutMs, const std::function<bool()> &stopped);

Q_SIGNALS:
    void Done();

private:
    void Listen();
    void TakeVisit(QTcpSocket *socket);
    // The redirect's query: the code when its state is ours, else why not (empty: not ours).
    void AnswerVisit(QTcpSocket *socket, const QUrl &target);
    void RequestTokens(const QList<std::pair<QString, QString>> &form, const cOAuth2Tokens &previous);
    void Finish(cResultOf<cOAuth2Tokens> result);
    QString Where() const;

    cOAuth2Settings fSettings;
    QNetworkAccessManager fNetwork;
    std::unique_ptr<QTcpServer> fServer;
    QPointer<QNetworkReply> fReply;
    QByteArray fVerifier;
    QByteArray fState;
    QString fRedirectUri;
    QUrl fAuthorizationUrl;
    cResultOf<cOAuth2Tokens> fResult = cResult::Failed(eFailure::Cancelled, QString());
    bool fBusy = false;
};
