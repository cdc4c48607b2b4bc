// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxSasl.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>

namespace {

// ^A separates the key-value pairs; a value must not bring one of its own.
QByteArray Value(QByteArray value)
{
    value.replace('\x01', QByteArray());
    return value;
}

// RFC 5801 section 4: "," and "=" in the authorization identity of the GS2 header.
QByteArray Gs2Name(const QByteArray &user)
{
    return Value(user).replace('=', "=3D").replace(',', "=2C");
}

} // namespace

QByteArray TVrxSasl::Choose(const QList<QByteArray> &offered, bool encrypted)
{
    const QList<QByteArray> preferred = encrypted ? QList<QByteArray>{"PLAIN", "LOGIN", "CRAM-MD5"}
                                                  : QList<QByteArray>{"CRAM-MD5", "PLAIN", "LOGIN"};
    for (const QByteArray &method : preferred)
        for (const QByteArray &name : offered)
            if (name.toUpper() == method)
                return method;
    return {};
}

QByteArray TVrxSasl::PlainResponse(const QByteArray &user, const QByteArray &password)
{
    return (QByteArray(1, '\0') + user + QByteArray(1, '\0') + password).toBase64();
}

QByteArray TVrxSasl::CramMd5Response(const QByteArray &user, const QByteArray &password,
                                     const QByteArray &base64Challenge)
{
    const QByteArray digest =
        QMessageAuthenticationCode::hash(QByteArray::fromBase64(base64Challenge), password, QCryptographicHash::Md5);
    return (user + ' ' + digest.toHex()).toBase64();
}

QByteArray TVrxSasl::ChooseBearer(const QList<QByteArray> &offered)
{
    for (const char *method : {"OAUTHBEARER", "XOAUTH2"})
        for (const QByteArray &name : offered)
            if (name.toUpper() == method)
                return method;
    return {};
}

QByteArray TVrxSasl::BearerResponse(const QByteArray &method, const QByteArray &user, const QByteArray &token)
{
    const QByteArray auth = "auth=Bearer " + Value(token) + "\x01\x01";
    if (method == "OAUTHBEARER")
        return ("n,a=" + Gs2Name(user) + ",\x01" + auth).toBase64();
    return ("user=" + Value(user) + '\x01' + auth).toBase64();
}

QByteArray TVrxSasl::BearerFailureAnswer(const QByteArray &method)
{
    return method == "OAUTHBEARER" ? QByteArray("\x01").toBase64() : QByteArray();
}

QByteArray TVrxSasl::BearerFailureStatus(const QByteArray &base64Challenge)
{
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromBase64(base64Challenge.trimmed()));
    return json.object().value(QLatin1StringView("status")).toString().toUtf8();
}
