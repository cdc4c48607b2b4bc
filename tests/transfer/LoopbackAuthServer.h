// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An OAuth2 authorization server on a free loopback port, on the test's thread: /authorize
// sends the browser back to the redirect address with a code and the state; /token trades a
// code (checking its PKCE verifier, client and redirect) or the refresh token for a new access
// token; /revoke withdraws the refresh token. Tokens are numbered, so a test knows which one a
// mail server must accept.
#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

class cLoopbackAuthServer
{
public:
    static constexpr const char *kClientId = "ravelin-test-client";

    cLoopbackAuthServer()
    {
        fServer.listen(QHostAddress::LocalHost);
        QObject::connect(&fServer, &QTcpServer::newConnection, &fServer, [this] {
            while (QTcpSocket *socket = fServer.nextPendingConnection())
                Serve(socket);
        });
    }

    QString Url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(fServer.serverPort()).arg(QLatin1StringView(path));
    }
    QByteArray CurrentAccess() const { return "access-" + QByteArray::number(fIssued); }
    QByteArray CurrentRefresh() const { return fRefresh; }
    int ExpiresIn = 3600;
    // What the last /authorize and /token requests carried.
    QUrlQuery LastAuthorize, LastToken;

private:
    void Serve(QTcpSocket *socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            QByteArray &request = fPending[socket];
            request += socket->readAll();
            const qsizetype headEnd = request.indexOf("\r\n\r\n");
            if (headEnd < 0 || request.size() < headEnd + 4 + ContentLength(request.left(headEnd)))
                return;
            const QByteArray target = request.left(request.indexOf("\r\n")).split(' ').value(1);
            const QByteArray body = request.mid(headEnd + 4);
            fPending.remove(socket);
            Answer(socket, QUrl(QString::fromLatin1(target)), QUrlQuery(QString::fromUtf8(body).replace(u'+', u' ')));
        });
    }

    static qsizetype ContentLength(const QByteArray &head)
    {
        for (const QByteArray &line : head.split('\n'))
            if (line.toLower().startsWith("content-length:"))
                return line.mid(15).trimmed().toLongLong();
        return 0;
    }

    void Answer(QTcpSocket *socket, const QUrl &target, const QUrlQuery &form)
    {
        const QString path = target.path();
        if (path == QLatin1StringView("/authorize"))
            return Authorize(socket, QUrlQuery(target));
        if (path == QLatin1StringView("/token"))
            return Token(socket, form);
        if (path == QLatin1StringView("/revoke")) {
            if (Value(form, "token").toLatin1() == fRefresh)
                fRefresh.clear();
            return Reply(socket, "200 OK", "");
        }
        Reply(socket, "404 Not Found", "");
    }

    static QString Value(const QUrlQuery &query, const char *key)
    {
        return query.queryItemValue(QLatin1StringView(key), QUrl::FullyDecoded);
    }

    void Authorize(QTcpSocket *socket, const QUrlQuery &query)
    {
        LastAuthorize = query;
        fRedirect = Value(query, "redirect_uri");
        fChallenge = Value(query, "code_challenge").toLatin1();
        fCode = "code-" + QByteArray::number(++fCodes);
        QUrl back(fRedirect);
        back.setQuery(QUrlQuery{{QStringLiteral("code"), QString::fromLatin1(fCode)},
                                {QStringLiteral("state"), Value(query, "state")}});
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + back.toEncoded() + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
    }

    void Token(QTcpSocket *socket, const QUrlQuery &form)
    {
        LastToken = form;
        const QString grant = Value(form, "grant_type");
        const QByteArray verifier = Value(form, "code_verifier").toLatin1();
        const QByteArray challenge = QCryptographicHash::hash(verifier, QCryptographicHash::Sha256)
                                         .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
        const bool byCode = grant == QLatin1StringView("authorization_code") && !fCode.isEmpty()
                            && Value(form, "code").toLatin1() == fCode && Value(form, "redirect_uri") == fRedirect
                            && challenge == fChallenge && Value(form, "client_id") == QLatin1StringView(kClientId);
        const bool byRefresh = grant == QLatin1StringView("refresh_token") && !fRefresh.isEmpty()
                               && Value(form, "refresh_token").toLatin1() == fRefresh;
        if (!byCode && !byRefresh)
            return Reply(socket, "400 Bad Request", R"({"error":"invalid_grant","error_description":"Bad Request"})");
        fCode.clear();
        ++fIssued;
        QJsonObject answer{{QStringLiteral("access_token"), QString::fromLatin1(CurrentAccess())},
                           {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                           {QStringLiteral("expires_in"), ExpiresIn}};
        if (byCode) {
            fRefresh = "refresh-" + QByteArray::number(fCodes) + "+/=";
            answer.insert(QStringLiteral("refresh_token"), QString::fromLatin1(fRefresh));
        }
        Reply(socket, "200 OK", QJsonDocument(answer).toJson(QJsonDocument::Compact));
    }

    static void Reply(QTcpSocket *socket, const QByteArray &status, const QByteArray &json)
    {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(json.size()) + "\r\nConnection: close\r\n\r\n" + json);
        socket->disconnectFromHost();
    }

    QTcpServer fServer;
    QMap<QTcpSocket *, QByteArray> fPending;
    QString fRedirect;
    QByteArray fChallenge, fCode, fRefresh;
    int fCodes = 0, fIssued = 0;
};
