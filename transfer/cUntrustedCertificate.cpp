// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cUntrustedCertificate.h"

#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxTcpStream.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSslCertificate>
#include <QStringList>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cUntrustedCertificate)
};

} // namespace

using namespace Qt::StringLiterals;

namespace {

// "CN, O" of a certificate's name; a name may be empty or repeat a field.
QString nameOf(const QSslCertificate &certificate, bool issuer)
{
    QStringList parts;
    for (const auto field : {QSslCertificate::CommonName, QSslCertificate::Organization}) {
        parts += issuer ? certificate.issuerInfo(field) : certificate.subjectInfo(field);
    }
    parts.removeDuplicates();
    return parts.isEmpty() ? cTexts::tr("(no name)") : parts.join(u", "_s);
}

QString when(const QDateTime &time)
{
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::ShortFormat) : u"?"_s;
}

} // namespace

cUntrustedCertificate cUntrustedCertificate::Of(const TVrxClient &client, const QString &account, const QString &error)
{
    if (!client.CertificateRejected())
        return {};
    const QSslCertificate certificate = client.PeerCertificate();
    return {account,
            client.Host + u':' + client.Port,
            client.PeerFingerprint(),
            nameOf(certificate, false),
            nameOf(certificate, true),
            certificate.effectiveDate(),
            certificate.expiryDate(),
            error};
}

QString cUntrustedCertificate::Details() const
{
    QStringList lines;
    if (!error.isEmpty())
        lines << error << QString();
    return (lines + QStringList{cTexts::tr("Server: %1").arg(server),
                       cTexts::tr("Subject: %1").arg(subject),
                       cTexts::tr("Issuer: %1").arg(issuer),
                       cTexts::tr("Valid from %1 until %2").arg(when(validFrom), when(validUntil)),
                       cTexts::tr("SHA-256 fingerprint: %1").arg(TVrxTcpStream::FingerprintText(fingerprint))})
        .join(u'\n');
}
