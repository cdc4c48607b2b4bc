// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A server certificate a connection refused because nothing vouches for it, with what the
// user needs to decide whether to trust it for one account: who it names, who signed it, when
// it is valid and its SHA-256 fingerprint. Made on the worker from the client that met it.
#include <QByteArray>
#include <QDateTime>
#include <QString>

class TVrxClient;

struct cUntrustedCertificate
{
    QString account;
    QString server; // host:port
    QByteArray fingerprint; // SHA-256, lower-case hex, as the accounts file keeps it
    QString subject;
    QString issuer;
    QDateTime validFrom;
    QDateTime validUntil;
    QString error;

    // Empty (no fingerprint) unless the client's last handshake failed on the certificate alone.
    static cUntrustedCertificate Of(const TVrxClient &client, const QString &account, const QString &error);
    bool IsEmpty() const { return fingerprint.isEmpty(); }
    // What failed, then the certificate, a line each, for the prompt.
    QString Details() const;
};
