// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxSasl.h"

#include <QMessageAuthenticationCode>

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
