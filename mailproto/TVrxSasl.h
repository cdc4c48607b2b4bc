// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The login methods SMTP AUTH (RFC 4954) and POP3 AUTH (RFC 5034) share: which one to use of
// those a server offers, and the responses each sends. Credentials are bytes; nothing here
// ever puts a password into a text meant for people.
#include <QByteArray>
#include <QList>

class TVrxSasl
{
public:
    // The method to use of those offered (names in any case), or empty when none is known.
    // Under TLS the simplest is best; in the clear only CRAM-MD5 keeps the password off the wire.
    static QByteArray Choose(const QList<QByteArray> &offered, bool encrypted);
    // PLAIN (RFC 4616): base64 of "\0user\0password".
    static QByteArray PlainResponse(const QByteArray &user, const QByteArray &password);
    // CRAM-MD5 (RFC 2195): base64 of "user " + hex HMAC-MD5 of the decoded challenge.
    static QByteArray CramMd5Response(const QByteArray &user, const QByteArray &password,
                                      const QByteArray &base64Challenge);

    // OAuth2 bearer-token methods: OAUTHBEARER (RFC 7628) before the older XOAUTH2; empty when
    // the server offers neither.
    static QByteArray ChooseBearer(const QList<QByteArray> &offered);
    // The initial response of method (base64) carrying user and token.
    static QByteArray BearerResponse(const QByteArray &method, const QByteArray &user, const QByteArray &token);
    // What the client answers to a failure challenge (RFC 7628 section 3.2.3), so that the server
    // sends its final refusal: ^A for OAUTHBEARER, an empty line for XOAUTH2.
    static QByteArray BearerFailureAnswer(const QByteArray &method);
    // The "status" of a failure challenge's JSON ("invalid_token"), empty when it has none.
    static QByteArray BearerFailureStatus(const QByteArray &base64Challenge);
};
