// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cPasswordKeyring.h"

#include "transfer/cQtKeychainBackend.h"

#include <QMutex>

namespace {

QMutex gBackendLock;
std::shared_ptr<cKeyringBackend> gBackend;

} // namespace

QString cPasswordKeyring::Pop3Key(const QString &section)
{
    return section + QStringLiteral("/POP3");
}

QString cPasswordKeyring::SmtpKey(const QString &section)
{
    return section + QStringLiteral("/SMTP");
}

void cPasswordKeyring::UseBackend(std::shared_ptr<cKeyringBackend> backend)
{
    QMutexLocker locker(&gBackendLock);
    gBackend = std::move(backend);
}

std::shared_ptr<cKeyringBackend> cPasswordKeyring::Backend()
{
    QMutexLocker locker(&gBackendLock);
    if (!gBackend)
        gBackend = std::make_shared<cQtKeychainBackend>();
    return gBackend;
}

cResultOf<cAccountSecrets> cPasswordKeyring::Read(const QString &section)
{
    const auto backend = Backend();
    const cResultOf<QByteArray> pop3 = backend->Read(Pop3Key(section));
    if (!pop3)
        return pop3.result();
    const cResultOf<QByteArray> smtp = backend->Read(SmtpKey(section));
    if (!smtp)
        return smtp.result();
    return cAccountSecrets{pop3.value(), smtp.value()};
}

cResult cPasswordKeyring::Write(const QString &section, const cAccountSecrets &secrets)
{
    const auto backend = Backend();
    if (cResult written = backend->Write(Pop3Key(section), secrets.pop3); !written)
        return written;
    return backend->Write(SmtpKey(section), secrets.smtp);
}

cResult cPasswordKeyring::Erase(const QString &section)
{
    const auto backend = Backend();
    if (cResult erased = backend->Erase(Pop3Key(section)); !erased)
        return erased;
    return backend->Erase(SmtpKey(section));
}

cResult cPasswordKeyring::Move(const QString &oldSection, const QString &newSection)
{
    if (oldSection == newSection)
        return cResult::Ok();
    const cResultOf<cAccountSecrets> secrets = Read(oldSection);
    if (!secrets)
        return secrets.result();
    if (cResult written = Write(newSection, secrets.value()); !written)
        return written;
    return Erase(oldSection);
}
