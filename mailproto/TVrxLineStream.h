// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The byte stream under a protocol client: open, write whole commands, wait for and read
// chunks, close. TVrxTcpStream is the real one; tests put a scripted one in its place.
// Every call blocks the calling thread for at most the time it is given; long waits are cut
// into polls with BetweenPolls called between them.
#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QString>

#include <functional>

class TVrxLineStream
{
public:
    virtual ~TVrxLineStream() = default;

    // May throw to abandon the wait (the client's stop); the stream stays consistent.
    std::function<void()> BetweenPolls;

    virtual bool Open(const QString &host, quint16 port, int timeoutMs) = 0;
    // True only when every byte was handed to the network within the time.
    virtual bool Write(const QByteArray &bytes, int timeoutMs) = 0;
    // True when bytes can be read now or arrive within the time.
    virtual bool WaitForData(int timeoutMs) = 0;
    virtual QByteArray Read(qint64 maxBytes) = 0;
    // False once the peer has closed the connection and nothing is left to read.
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    virtual QString ErrorText() const = 0;
    virtual QByteArray LocalHostName() const = 0;
    // This end's address of the connection ("127.0.0.1", "::1"), empty when unknown.
    virtual QByteArray LocalAddress() const { return {}; }
    // Encrypts the open connection (TLS), checking the server's certificate for host against
    // the system's authorities and the given SHA-256 fingerprints (hex) the user trusts. False
    // with ErrorText (host, reason, fingerprint) when the server cannot be trusted.
    virtual bool StartTls(const QString &host, const QList<QByteArray> &trustedFingerprints, int timeoutMs)
    {
        (void)host, (void)trustedFingerprints, (void)timeoutMs;
        return false;
    }
    virtual bool IsEncrypted() const { return false; }
    // SHA-256 (hex) of the last certificate the server showed; empty before any.
    virtual QByteArray PeerFingerprint() const { return {}; }
    // The certificate PeerFingerprint names, for showing who it claims to be.
    virtual QSslCertificate PeerCertificate() const { return QSslCertificate(); }
};
