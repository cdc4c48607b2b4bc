// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the SMTP and POP3 clients share: the connection to Host:Port through a TVrxLineStream,
// the Connected/Failed state, the last reply, and the error routine that closes the
// connection (OnQuit) and then reports (OnError with a TVrxFailure). A client is used from one
// thread at a time: OpenConnection, then WriteText/ReadLine/ReadChunk in the subclass's
// dialogue, then CloseConnection or the error routine. Every read is checked against its
// deadline, even while data keeps coming, and reply lines are capped. Before every read and
// between polls the client calls MessageQueueHook, the caller's chance to do its own work or
// to throw to stop.
#include "mailproto/TVrxFailure.h"
#include "mailproto/TVrxLineStream.h"
#include "mailproto/eVrxSecurity.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class TVrxClient : public QObject
{
    Q_OBJECT

public:
    using StreamFactory = std::function<std::unique_ptr<TVrxLineStream>()>;

    static constexpr int DefaultReplyTimeoutMs = 60000;
    static constexpr int PollIntervalMs = 200;
    static constexpr qint64 ChunkBytes = 1024;
    // A reply line with its CR LF (RFC 5321 section 4.5.3.1.5; RFC 2449 section 4 for POP3).
    static constexpr qsizetype MaxReplyLineBytes = 512;

    explicit TVrxClient(const QString &defaultPort, QObject *parent = nullptr);
    ~TVrxClient() override;

    QString Host;
    QString Port;
    int ReplyTimeout = DefaultReplyTimeoutMs;
    eVrxSecurity Security = eVrxSecurity::None;
    // SHA-256 fingerprints (hex) of server certificates the user chose to trust.
    QList<QByteArray> TrustedCertificates;
    std::function<void()> MessageQueueHook;

    bool Connected() const { return fConnected; }
    bool Failed() const { return fFailed; }
    QByteArray ReplyCode() const { return fReplyCode; }
    QByteArray ReplyText() const { return fReplyText; }
    // Why the last call failed, also when it raised no OnError (a connection that could not be
    // opened, a message refused before any command); no failure after a good Connect.
    const TVrxFailure &LastFailure() const { return fLastFailure; }
    bool Encrypted() const;
    // SHA-256 (hex) of the last certificate the server showed, to offer trusting it.
    QByteArray PeerFingerprint() const;
    QSslCertificate PeerCertificate() const { return fLastCertificate; }
    // Whether the last handshake failed on the certificate PeerFingerprint names, so that
    // trusting it may be all that is missing.
    bool CertificateRejected() const { return fCertificateRejected; }
    // The machine's name while connected, else empty.
    QByteArray LocalHostName() const;
    // This end's address of the connection, empty when not connected.
    QByteArray LocalAddress() const;

    void SetStreamFactory(StreamFactory factory);

Q_SIGNALS:
    void OnConnect();
    void OnQuit();
    void OnError(TVrxFailure Failure);

protected:
    bool OpenConnection();
    void CloseConnection();
    // Encrypts the open connection (STARTTLS, STLS) right after the server's go-ahead was read.
    // Any byte already received past it ends the connection instead: nothing sent in the clear
    // may pass for a reply sent under TLS (RFC 3207 sections 4.2 and 6).
    [[nodiscard]] bool StartTls();
    // Each of these runs the error routine and returns false when the connection fails.
    [[nodiscard]] bool WriteText(const QByteArray &text);
    // Reads what arrives by the deadline; lateText replaces the usual time-out error text.
    [[nodiscard]] bool ReadChunk(QByteArray &chunk, qint64 maxBytes, const QDeadlineTimer &deadline,
                                 const QString &lateText = QString());
    [[nodiscard]] bool ReadChunk(QByteArray &chunk, qint64 maxBytes, int timeoutMs)
    {
        return ReadChunk(chunk, maxBytes, QDeadlineTimer(timeoutMs));
    }
    // The next line of fPending and the connection, without its CR LF. A line longer than
    // maxBytes (CR LF included) is a protocol error: a server does not get to fill our memory.
    [[nodiscard]] bool ReadLine(QByteArray &line, const QDeadlineTimer &deadline, qsizetype maxBytes = MaxReplyLineBytes);

    // Closes the connection (OnQuit) and raises OnError.
    virtual void ErrorRoutine(const TVrxFailure &failure);
    void ServiceMessageQueue() const;
    QString Where() const;

    void SetFailed(bool failed) { fFailed = failed; }
    void SetReply(const QByteArray &code, const QByteArray &text);
    // The last reply as a refusal of command.
    TVrxFailure Refusal(eVrxFailure code, const QByteArray &command) const;
    // A failure that leaves the connection as it is: Failed, LastFailure, no event.
    void NoteFailure(const TVrxFailure &failure);
    // The bytes read past the last complete reply, kept for the next read.
    QByteArray fPending;

private:
    void TransportFailure(eVrxFailure code, const QString &text);

    StreamFactory fStreamFactory;
    std::unique_ptr<TVrxLineStream> fStream;
    bool fConnected = false;
    bool fFailed = false;
    QByteArray fReplyCode;
    QByteArray fReplyText;
    TVrxFailure fLastFailure;
    QByteArray fLastFingerprint;
    QSslCertificate fLastCertificate;
    bool fCertificateRejected = false;
};
