// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TVrxLineStream over a QSslSocket (plain until StartTls) used through its blocking calls, so it works on a worker
// thread without an event loop. The socket is made by Open on the calling thread and
// destroyed by Close; all calls must come from that thread.
//
// Certificates are checked against the system's CA store. The environment variable
// RAVELIN_TLS_CA_FILE may name a PEM file of further CA certificates to accept beside it, for
// tests and self-hosted servers with their own CA (Qt's OpenSSL backend ignores SSL_CERT_FILE);
// it must be an absolute path to a file other users cannot change, else it is ignored with a warning.
#include "mailproto/TVrxLineStream.h"

#include <QSslSocket>

#include <memory>

class TVrxTcpStream : public TVrxLineStream
{
public:
    ~TVrxTcpStream() override;

    // A host that IsDottedAddress accepts is used as an address, anything else is resolved.
    bool Open(const QString &host, quint16 port, int timeoutMs) override;
    bool Write(const QByteArray &bytes, int timeoutMs) override;
    bool WaitForData(int timeoutMs) override;
    QByteArray Read(qint64 maxBytes) override;
    bool IsOpen() const override;
    void Close() override;
    QString ErrorText() const override;
    QByteArray LocalHostName() const override;
    QByteArray LocalAddress() const override;
    bool StartTls(const QString &host, const QList<QByteArray> &trustedFingerprints, int timeoutMs) override;
    bool IsEncrypted() const override;
    QByteArray PeerFingerprint() const override;
    QSslCertificate PeerCertificate() const override;

    // Four decimal numbers from 1 to 254 joined by dots.
    static bool IsDottedAddress(const QString &host);

    // Why a file named by RAVELIN_TLS_CA_FILE must not be trusted (a relative path, not a file,
    // writable by other users); empty when it may.
    static QString CaFileProblem(const QString &path);

    // "AB:CD:..." for showing a fingerprint to people.
    static QString FingerprintText(const QByteArray &hex);

private:
    void Poll();
    void TrustExtraCaCertificates();
    void TakeSslErrors(const QString &host, const QList<QByteArray> &trusted, const QList<QSslError> &errors);

    std::unique_ptr<QSslSocket> fSocket;
    QString fError;
    QByteArray fPeerFingerprint;
    QSslCertificate fPeerCertificate;
};
