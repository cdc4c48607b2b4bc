// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/CertificateTrust.h"

#include "transfer/cAccountStore.h"
#include "ui/wndlist/DialogParts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSet>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(CertificateTrust)
};

} // namespace

bool AskToTrust(QWidget *parent, const cUntrustedCertificate &certificate)
{
    return AskYesNo(parent, cTexts::tr("Untrusted certificate"),
                    certificate.Details() + QStringLiteral("\n\n") + cTexts::tr("Trust this certificate for this account only?"));
}

bool OfferTrustForAccount(QWidget *parent, const cUntrustedCertificate &certificate)
{
    if (certificate.IsEmpty() || !AskToTrust(parent, certificate))
        return false;
    if (const cResult trusted = cAccountStore::TrustCertificate(certificate.account, certificate.fingerprint); !trusted) {
        QMessageBox::warning(parent, cTexts::tr("Untrusted certificate"), trusted.text());
        return false;
    }
    return true;
}

bool OfferTrustOnce(QWidget *parent, const cUntrustedCertificate &certificate)
{
    static QSet<QByteArray> asked;
    const QByteArray key = certificate.account.toUtf8() + '\n' + certificate.fingerprint;
    if (certificate.IsEmpty() || asked.contains(key))
        return false;
    asked.insert(key);
    return OfferTrustForAccount(parent, certificate);
}
