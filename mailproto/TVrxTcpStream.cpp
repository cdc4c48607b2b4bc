// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxTcpStream.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QSslCertificate>
#include <QSslConfiguration>

#include <algorithm>

#include <sys/stat.h>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(TVrxTcpStream)
};

} // namespace

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxHostNameBytes = 256;
constexpr qint64 PollSliceMs = 200;

// Read on every handshake, so a test may set or clear it between connections.
QList<QSslCertificate> ExtraCaCertificates()
{
    const QString path = qEnvironmentVariable("RAVELIN_TLS_CA_FILE");
    if (path.isEmpty())
        return {};
    const QString problem = TVrxTcpStream::CaFileProblem(path);
    if (!problem.isEmpty()) {
        qWarning("Ravelin: RAVELIN_TLS_CA_FILE is ignored: %s", qPrintable(problem));
        return {};
    }
    return QSslCertificate::fromPath(path, QSsl::Pem);
}

} // namespace

TVrxTcpStream::~TVrxTcpStream()
{
    Close();
}

bool TVrxTcpStream::IsDottedAddress(const QString &host)
{
    const QStringList parts = host.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        const bool digitsOnly = !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) {
            return c >= u'0' && c <= u'9';
        });
        if (!ok || !digitsOnly || value < 1 || value > 254)
            return false;
    }
    return true;
}

bool TVrxTcpStream::Open(const QString &host, quint16 port, int timeoutMs)
{
    Close();
    fSocket = std::make_unique<QSslSocket>();
    if (IsDottedAddress(host))
        fSocket->connectToHost(QHostAddress(host), port);
    else
        fSocket->connectToHost(host, port);
    const QDeadlineTimer deadline(timeoutMs);
    while (fSocket->state() != QAbstractSocket::ConnectedState) {
        if (fSocket->waitForConnected(int(std::min(PollSliceMs, deadline.remainingTime()))))
            return true;
        if (fSocket->state() == QAbstractSocket::UnconnectedState || deadline.hasExpired())
            break;
        Poll();
    }
    if (fSocket->state() == QAbstractSocket::ConnectedState)
        return true;
    fError = fSocket->state() == QAbstractSocket::UnconnectedState ? fSocket->errorString() : cTexts::tr("the connection timed out");
    fSocket.reset();
    return false;
}

bool TVrxTcpStream::Write(const QByteArray &bytes, int timeoutMs)
{
    if (!fSocket || fSocket->write(bytes) != bytes.size()) {
        fError = fSocket ? fSocket->errorString() : cTexts::tr("the connection is closed");
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (fSocket->bytesToWrite() > 0) {
        if (fSocket->waitForBytesWritten(int(std::min(PollSliceMs, deadline.remainingTime()))))
            continue;
        if (fSocket->state() != QAbstractSocket::ConnectedState) {
            fError = fSocket->errorString();
            return false;
        }
        if (deadline.hasExpired()) {
            fError = cTexts::tr("the write timed out");
            return false;
        }
        Poll();
    }
    return true;
}

void TVrxTcpStream::Poll()
{
    if (BetweenPolls)
        BetweenPolls();
}

bool TVrxTcpStream::WaitForData(int timeoutMs)
{
    if (!fSocket)
        return false;
    return fSocket->bytesAvailable() > 0 || fSocket->waitForReadyRead(timeoutMs);
}

QByteArray TVrxTcpStream::Read(qint64 maxBytes)
{
    return fSocket ? fSocket->read(maxBytes) : QByteArray();
}

bool TVrxTcpStream::IsOpen() const
{
    return fSocket && (fSocket->state() == QAbstractSocket::ConnectedState || fSocket->bytesAvailable() > 0);
}

void TVrxTcpStream::Close()
{
    if (!fSocket)
        return;
    fSocket->disconnectFromHost();
    if (fSocket->state() != QAbstractSocket::UnconnectedState)
        fSocket->abort();
    fSocket.reset();
}

QString TVrxTcpStream::ErrorText() const
{
    return fError;
}

QByteArray TVrxTcpStream::LocalHostName() const
{
    if (!fSocket)
        return {};
    return QHostInfo::localHostName().toUtf8().left(MaxHostNameBytes);
}

QByteArray TVrxTcpStream::LocalAddress() const
{
    if (!fSocket)
        return {};
    const QHostAddress address = fSocket->localAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return (isIpv4 ? QHostAddress(ipv4) : address).toString().toUtf8();
}

QString TVrxTcpStream::CaFileProblem(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return cTexts::tr("%1 is not an absolute path").arg(path);
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return cTexts::tr("%1 is not a file").arg(path);
    // Whoever can rewrite the file decides which servers are trusted.
    if (info.st_mode & S_IWOTH)
        return cTexts::tr("%1 may be changed by other users").arg(path);
    return {};
}

QString TVrxTcpStream::FingerprintText(const QByteArray &hex)
{
    QStringList pairs;
    for (qsizetype at = 0; at < hex.size(); at += 2)
        pairs.append(QString::fromLatin1(hex.mid(at, 2)).toUpper());
    return pairs.join(u':');
}

void TVrxTcpStream::TrustExtraCaCertificates()
{
    const QList<QSslCertificate> extra = ExtraCaCertificates();
    if (extra.isEmpty())
        return;
    // Setting a CA list replaces the system store Qt would otherwise load on demand, so it is named too.
    static const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
    QSslConfiguration configuration = fSocket->sslConfiguration();
    configuration.setCaCertificates(system + extra);
    fSocket->setSslConfiguration(configuration);
}

void TVrxTcpStream::TakeSslErrors(const QString &host, const QList<QByteArray> &trusted, const QList<QSslError> &errors)
{
    const QSslCertificate certificate = fSocket->peerCertificate();
    fPeerCertificate = certificate;
    fPeerFingerprint = certificate.digest(QCryptographicHash::Sha256).toHex();
    // Trust is given to one certificate, never to a kind of error.
    if (!certificate.isNull() && trusted.contains(fPeerFingerprint)) {
        fSocket->ignoreSslErrors(errors);
        return;
    }
    QStringList reasons;
    for (const QSslError &error : errors)
        reasons.append(error.errorString());
    fError = cTexts::tr("the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3").arg(
        host, reasons.join(u"; "_s), FingerprintText(fPeerFingerprint));
}

bool TVrxTcpStream::StartTls(const QString &host, const QList<QByteArray> &trustedFingerprints, int timeoutMs)
{
    if (!fSocket)
        return false;
    fError.clear();
    if (fSocket->bytesAvailable() > 0) {
        fError = cTexts::tr("%1 sent unencrypted data before the TLS handshake").arg(host);
        return false;
    }
    const QMetaObject::Connection watch = QObject::connect(
        fSocket.get(), &QSslSocket::sslErrors, fSocket.get(),
        [this, host, trustedFingerprints](const QList<QSslError> &errors) { TakeSslErrors(host, trustedFingerprints, errors); },
        Qt::DirectConnection);
    fSocket->setPeerVerifyName(host);
    TrustExtraCaCertificates();
    fSocket->startClientEncryption();
    const QDeadlineTimer deadline(timeoutMs);
    while (!fSocket->isEncrypted() && fSocket->state() == QAbstractSocket::ConnectedState && !deadline.hasExpired()) {
        if (!fSocket->waitForEncrypted(int(std::min(PollSliceMs, deadline.remainingTime()))))
            Poll();
    }
    QObject::disconnect(watch);
    if (fSocket->isEncrypted()) {
        fPeerCertificate = fSocket->peerCertificate();
        fPeerFingerprint = fPeerCertificate.digest(QCryptographicHash::Sha256).toHex();
        return true;
    }
    if (fError.isEmpty())
        fError = deadline.hasExpired() ? cTexts::tr("the TLS handshake with %1 timed out").arg(host)
                                       : cTexts::tr("the TLS handshake with %1 failed: %2").arg(host, fSocket->errorString());
    return false;
}

bool TVrxTcpStream::IsEncrypted() const
{
    return fSocket && fSocket->isEncrypted();
}

QByteArray TVrxTcpStream::PeerFingerprint() const
{
    return fPeerFingerprint;
}

QSslCertificate TVrxTcpStream::PeerCertificate() const
{
    return fPeerCertificate;
}
