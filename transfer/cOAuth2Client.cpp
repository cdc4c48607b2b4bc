// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cOAuth2Client.h"

#include "transfer/StoppableWait.h"

#include <QCryptographicHash>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

constexpr qint64 kMaxAnswerBytes = 64 * 1024;
constexpr qint64 kMaxVisitBytes = 16 * 1024;

QByteArray Base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

QByteArray RandomBytes(int words)
{
    QList<quint32> random(words);
    QRandomGenerator::system()->fillRange(random.data(), random.size());
    return QByteArray(reinterpret_cast<const char *>(random.constData()), random.size() * qsizetype(sizeof(quint32)));
}

// application/x-www-form-urlencoded with every reserved character escaped ("+" included).
QByteArray FormBody(const QList<std::pair<QString, QString>> &form)
{
    QByteArrayList fields;
    for (const auto &[key, value] : form)
        fields.append(QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value));
    return fields.join('&');
}

// Codes and tokens never cross the network unencrypted, except to this machine (tests).
// `problem` is the whole sentence, with %1 for the address.
QString EndpointProblem(const QString &text, const QString &problem)
{
    const QUrl url(text);
    const bool loopback = url.host() == QLatin1StringView("127.0.0.1") || url.host() == QLatin1StringView("localhost");
    if (url.isValid() && (url.scheme() == QLatin1StringView("https") || (url.scheme() == QLatin1StringView("http") && loopback)))
        return {};
    return problem.arg(text);
}

void Respond(QTcpSocket *socket, const QByteArray &status, const QString &text)
{
    const QByteArray page = "<!DOCTYPE html><html><body><p>" + text.toHtmlEscaped().toUtf8() + "</p></body></html>";
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
    socket->disconnectFromHost();
}

} // namespace

cOAuth2Client::cOAuth2Client(cOAuth2Settings settings, QObject *parent) : QObject(parent), fSettings(std::move(settings)) {}

cOAuth2Client::~cOAuth2Client()
{
    if (fReply)
        fReply->disconnect(this);
}

QString cOAuth2Client::Where() const
{
    return QUrl(fSettings.tokenUrl).toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo);
}

void cOAuth2Client::SignIn()
{
    fBusy = true;
    for (const QString &problem : {EndpointProblem(fSettings.authUrl, tr("The authorization address \"%1\" is not an https address.")),
                                   EndpointProblem(fSettings.tokenUrl, tr("The token address \"%1\" is not an https address."))})
        if (!problem.isEmpty())
            return Finish(cResult::Failed(eFailure::Format, problem));
    if (fSettings.clientId.trimmed().isEmpty())
        return Finish(cResult::Failed(eFailure::Format, tr("The account has no OAuth2 client id; enter the one you "
                                                           "registered with the provider.")));
    Listen();
    if (!fServer->isListening())
        return Finish(cResult::Failed(eFailure::Network, tr("Could not wait for the browser on 127.0.0.1: %1")
                                                             .arg(fServer->errorString())));
    fVerifier = Base64Url(RandomBytes(8));
    fState = Base64Url(RandomBytes(4));
    fRedirectUri = QStringLiteral("http://127.0.0.1:%1/").arg(fServer->serverPort());
    QUrl url(fSettings.authUrl);
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("response_type"), QStringLiteral("code"));
    query.addQueryItem(QStringLiteral("client_id"), fSettings.clientId.trimmed());
    query.addQueryItem(QStringLiteral("redirect_uri"), fRedirectUri);
    query.addQueryItem(QStringLiteral("scope"), fSettings.scope);
    query.addQueryItem(QStringLiteral("state"), QString::fromLatin1(fState));
    query.addQueryItem(QStringLiteral("code_challenge"),
                       QString::fromLatin1(Base64Url(QCryptographicHash::hash(fVerifier, QCryptographicHash::Sha256))));
    query.addQueryItem(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
    if (!LoginHint.isEmpty())
        query.addQueryItem(QStringLiteral("login_hint"), LoginHint);
    url.setQuery(query);
    fAuthorizationUrl = url;
    OpenBrowser(url);
}

void cOAuth2Client::Listen()
{
    fServer = std::make_unique<QTcpServer>();
    connect(fServer.get(), &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = fServer->nextPendingConnection())
            TakeVisit(socket);
    });
    (void)fServer->listen(QHostAddress::LocalHost, 0);
}

void cOAuth2Client::TakeVisit(QTcpSocket *socket)
{
    // Kept past the listener, so the browser still gets its page once the wait is over.
    socket->setParent(this);
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    auto request = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
        *request += socket->read(kMaxVisitBytes + 1 - request->size());
        if (request->size() > kMaxVisitBytes)
            return socket->abort();
        if (!request->contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = request->left(request->indexOf("\r\n")).split(' ');
        if (words.size() != 3 || words.first() != "GET")
            return Respond(socket, "405 Method Not Allowed", tr("Ravelin only waits for the sign-in here."));
        AnswerVisit(socket, QUrl(QString::fromLatin1(words.at(1))));
    });
}

void cOAuth2Client::AnswerVisit(QTcpSocket *socket, const QUrl &target)
{
    const QUrlQuery query(target);
    const auto item = [&query](const char *key) {
        return query.queryItemValue(QLatin1StringView(key), QUrl::FullyDecoded);
    };
    if (target.path() != QLatin1StringView("/") || !fServer || item("state").toLatin1() != fState || fState.isEmpty())
        return Respond(socket, "404 Not Found", tr("This is not a sign-in that Ravelin is waiting for."));
    if (!item("error").isEmpty()) {
        Respond(socket, "200 OK", tr("The sign-in was refused. You can close this page."));
        return Finish(cResult::Failed(eFailure::Refused, tr("%1 refused the sign-in: %2 %3")
                                                             .arg(QUrl(fSettings.authUrl).host(), item("error"),
                                                                  item("error_description"))
                                                             .trimmed()));
    }
    if (item("code").isEmpty())
        return Respond(socket, "400 Bad Request", tr("The sign-in came back without a code."));
    Respond(socket, "200 OK", tr("Ravelin is signed in. You can close this page."));
    fServer.release()->deleteLater();
    fState.clear();
    RequestTokens({{QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
                   {QStringLiteral("code"), item("code")},
                   {QStringLiteral("redirect_uri"), fRedirectUri},
                   {QStringLiteral("client_id"), fSettings.clientId.trimmed()},
                   {QStringLiteral("code_verifier"), QString::fromLatin1(fVerifier)}},
                  {});
}

void cOAuth2Client::Refresh(const cOAuth2Tokens &tokens)
{
    fBusy = true;
    if (!tokens.SignedIn())
        return Finish(cResult::Failed(eFailure::Refused, tr("The account is not signed in: sign in first.")));
    if (const QString problem = EndpointProblem(fSettings.tokenUrl, tr("The token address \"%1\" is not an https address."));
        !problem.isEmpty())
        return Finish(cResult::Failed(eFailure::Format, problem));
    RequestTokens({{QStringLiteral("grant_type"), QStringLiteral("refresh_token")},
                   {QStringLiteral("refresh_token"), QString::fromUtf8(tokens.refresh)},
                   {QStringLiteral("client_id"), fSettings.clientId.trimmed()}},
                  tokens);
}

void cOAuth2Client::RequestTokens(const QList<std::pair<QString, QString>> &form, const cOAuth2Tokens &previous)
{
    QList<std::pair<QString, QString>> fields = form;
    if (!fSettings.clientSecret.isEmpty())
        fields.append({QStringLiteral("client_secret"), fSettings.clientSecret});
    QNetworkRequest request{QUrl(fSettings.tokenUrl)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Accept", "application/json");
    fReply = fNetwork.post(request, FormBody(fields));
    auto answer = std::make_shared<QByteArray>();
    QNetworkReply *reply = fReply;
    connect(reply, &QNetworkReply::readyRead, this, [reply, answer] {
        *answer += reply->read(kMaxAnswerBytes + 1 - answer->size());
        if (answer->size() > kMaxAnswerBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, answer, previous] {
        reply->deleteLater();
        *answer += reply->read(kMaxAnswerBytes + 1 - answer->size());
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (answer->size() > kMaxAnswerBytes)
            return Finish(cResult::Failed(eFailure::Format, tr("%1 sent an answer over %2 KB.")
                                                                .arg(Where())
                                                                .arg(kMaxAnswerBytes / 1024)));
        if (status == 0)
            return Finish(cResult::Failed(eFailure::Network, QStringLiteral("%1: %2").arg(Where(), reply->errorString())));
        Finish(cOAuth2Tokens::FromTokenAnswer(status, *answer, previous, QDateTime::currentDateTimeUtc(), Where()));
    });
}

void cOAuth2Client::Revoke(const cOAuth2Tokens &tokens)
{
    fBusy = true;
    if (fSettings.revokeUrl.isEmpty() || !tokens.SignedIn())
        return Finish(cOAuth2Tokens{});
    if (const QString problem = EndpointProblem(fSettings.revokeUrl, tr("The revocation address \"%1\" is not an https address."));
        !problem.isEmpty())
        return Finish(cResult::Failed(eFailure::Format, problem));
    QNetworkRequest request{QUrl(fSettings.revokeUrl)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    fReply = fNetwork.post(request, FormBody({{QStringLiteral("token"), QString::fromUtf8(tokens.refresh)},
                                              {QStringLiteral("token_type_hint"), QStringLiteral("refresh_token")},
                                              {QStringLiteral("client_id"), fSettings.clientId.trimmed()}}));
    QNetworkReply *reply = fReply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 200)
            return Finish(cOAuth2Tokens{});
        Finish(cResult::Failed(eFailure::Server, tr("%1 did not revoke the sign-in: %2")
                                                     .arg(QUrl(fSettings.revokeUrl).toDisplayString(QUrl::RemoveQuery),
                                                          reply->errorString())));
    });
}

void cOAuth2Client::Cancel()
{
    if (!fBusy)
        return;
    if (fReply) {
        fReply->disconnect(this);
        fReply->abort();
        fReply->deleteLater();
    }
    Finish(cResult::Failed(eFailure::Cancelled, tr("The sign-in was cancelled.")));
}

void cOAuth2Client::Finish(cResultOf<cOAuth2Tokens> result)
{
    if (fServer)
        fServer.release()->deleteLater();
    fState.clear();
    fBusy = false;
    fResult = std::move(result);
    Q_EMIT Done();
}

cResultOf<cOAuth2Tokens> cOAuth2Client::RefreshNow(const cOAuth2Settings &settings, const cOAuth2Tokens &tokens,
                                                   int timeoutMs, const std::function<bool()> &stopped)
{
    cOAuth2Client client(settings);
    if (WaitUntil(&client, &cOAuth2Client::Done, [&] { client.Refresh(tokens); }, timeoutMs, stopped))
        return client.Result();
    client.Cancel();
    if (stopped && stopped())
        return cResult::Failed(eFailure::Cancelled, tr("Stopped while renewing the sign-in at %1.").arg(client.Where()));
    return cResult::Failed(eFailure::Network, tr("%1 did not answer in time.").arg(client.Where()));
}
