// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxClient.h"

#include "mailproto/TVrxTcpStream.h"

#include <QDeadlineTimer>

using namespace Qt::StringLiterals;

TVrxClient::TVrxClient(const QString &defaultPort, QObject *parent)
    : QObject(parent), Port(defaultPort), fStreamFactory([] { return std::make_unique<TVrxTcpStream>(); })
{
}

TVrxClient::~TVrxClient() = default;

void TVrxClient::SetStreamFactory(StreamFactory factory)
{
    fStreamFactory = std::move(factory);
}

QByteArray TVrxClient::LocalHostName() const
{
    return fStream ? fStream->LocalHostName() : QByteArray();
}

QByteArray TVrxClient::LocalAddress() const
{
    return fStream ? fStream->LocalAddress() : QByteArray();
}

QString TVrxClient::Where() const
{
    return u"%1:%2"_s.arg(Host, Port);
}

void TVrxClient::SetReply(const QByteArray &code, const QByteArray &text)
{
    fReplyCode = code;
    fReplyText = text;
}

TVrxFailure TVrxClient::Refusal(eVrxFailure code, const QByteArray &command) const
{
    const QString text = command.isEmpty() ? tr("%1 refused the session").arg(Where())
                                           : tr("%1 refused %2").arg(Where(), QString::fromLatin1(command));
    return {code, text, command, fReplyCode + ' ' + fReplyText};
}

void TVrxClient::NoteFailure(const TVrxFailure &failure)
{
    fFailed = true;
    fLastFailure = failure;
}

void TVrxClient::ServiceMessageQueue() const
{
    if (MessageQueueHook)
        MessageQueueHook();
}

bool TVrxClient::OpenConnection()
{
    fFailed = false;
    fPending.clear();
    fLastFailure = {};
    fCertificateRejected = false;
    auto stream = fStreamFactory();
    stream->BetweenPolls = [this] { ServiceMessageQueue(); };
    if (!stream->Open(Host, Port.toUShort(), ReplyTimeout)) {
        NoteFailure({eVrxFailure::Connect, tr("Could not connect to %1: %2").arg(Where(), stream->ErrorText())});
        return false;
    }
    if (Security == eVrxSecurity::Tls && !stream->StartTls(Host, TrustedCertificates, ReplyTimeout)) {
        NoteFailure({eVrxFailure::Connect, tr("Could not connect securely to %1: %2").arg(Where(), stream->ErrorText())});
        fLastFingerprint = stream->PeerFingerprint();
        fLastCertificate = stream->PeerCertificate();
        fCertificateRejected = !fLastFingerprint.isEmpty();
        return false;
    }
    fLastFingerprint = stream->PeerFingerprint();
    fLastCertificate = stream->PeerCertificate();
    fStream = std::move(stream);
    fConnected = true;
    Q_EMIT OnConnect();
    return true;
}

bool TVrxClient::StartTls()
{
    // Nothing may follow the go-ahead before the handshake: bytes there came in the clear from
    // anyone on the path and must never pass for replies under TLS (RFC 3207 section 6, RFC 2595).
    if (!fPending.isEmpty()) {
        TransportFailure(eVrxFailure::Tls, tr("Could not encrypt the connection to %1: the server sent unencrypted data after "
                                      "agreeing to encryption, which may have been injected; nothing further was sent")
                                          .arg(Where()));
        return false;
    }
    const bool encrypted = fStream && fStream->StartTls(Host, TrustedCertificates, ReplyTimeout);
    if (fStream) {
        fLastFingerprint = fStream->PeerFingerprint();
        fLastCertificate = fStream->PeerCertificate();
    }
    fCertificateRejected = !encrypted && !fLastFingerprint.isEmpty();
    if (!encrypted)
        TransportFailure(eVrxFailure::Tls, tr("Could not encrypt the connection to %1: %2").arg(
                                          Where(), fStream ? fStream->ErrorText() : tr("the connection is closed")));
    return encrypted;
}

bool TVrxClient::Encrypted() const
{
    return fStream && fStream->IsEncrypted();
}

QByteArray TVrxClient::PeerFingerprint() const
{
    return fLastFingerprint;
}

void TVrxClient::CloseConnection()
{
    fPending.clear();
    if (fStream) {
        fStream->Close();
        fStream.reset();
    }
    if (!fConnected)
        return;
    fConnected = false;
    Q_EMIT OnQuit();
}

void TVrxClient::ErrorRoutine(const TVrxFailure &failure)
{
    NoteFailure(failure);
    CloseConnection();
    Q_EMIT OnError(failure);
}

void TVrxClient::TransportFailure(eVrxFailure code, const QString &text)
{
    ErrorRoutine({code, text});
}

bool TVrxClient::WriteText(const QByteArray &text)
{
    if (!fStream) {
        TransportFailure(eVrxFailure::ConnectionLost, tr("Could not send to %1: the connection is closed").arg(Where()));
        return false;
    }
    if (fStream->Write(text, ReplyTimeout))
        return true;
    TransportFailure(eVrxFailure::ConnectionLost, tr("Could not send to %1: %2").arg(Where(), fStream->ErrorText()));
    return false;
}

bool TVrxClient::ReadChunk(QByteArray &chunk, qint64 maxBytes, const QDeadlineTimer &deadline, const QString &lateText)
{
    while (fStream) {
        ServiceMessageQueue();
        if (deadline.hasExpired()) {
            TransportFailure(eVrxFailure::TimedOut, !lateText.isEmpty() ? lateText
                                          : tr("%1 did not reply within %2 seconds").arg(Where()).arg(ReplyTimeout / 1000.0));
            return false;
        }
        if (fStream->WaitForData(int(std::min<qint64>(PollIntervalMs, deadline.remainingTime())))) {
            chunk = fStream->Read(maxBytes);
            if (!chunk.isEmpty())
                return true;
        }
        if (!fStream->IsOpen()) {
            TransportFailure(eVrxFailure::ConnectionLost, tr("%1 closed the connection before its reply was complete").arg(Where()));
            return false;
        }
    }
    TransportFailure(eVrxFailure::ConnectionLost, tr("Could not read from %1: the connection is closed").arg(Where()));
    return false;
}

bool TVrxClient::ReadLine(QByteArray &line, const QDeadlineTimer &deadline, qsizetype maxBytes)
{
    qsizetype searchFrom = 0;
    qsizetype end = fPending.indexOf("\r\n");
    while (end < 0 && fPending.size() < maxBytes) {
        searchFrom = std::max<qsizetype>(0, fPending.size() - 1);
        QByteArray chunk;
        if (!ReadChunk(chunk, std::min<qint64>(ChunkBytes, maxBytes - fPending.size()), deadline))
            return false;
        fPending += chunk;
        end = fPending.indexOf("\r\n", searchFrom);
    }
    if (end < 0 || end + 2 > maxBytes) {
        TransportFailure(eVrxFailure::Protocol, tr("%1 sent a reply line longer than %2 bytes").arg(Where()).arg(maxBytes));
        return false;
    }
    line = fPending.left(end);
    fPending.remove(0, end + 2);
    return true;
}
