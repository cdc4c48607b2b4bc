// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The passwords of accounts that keep them in the desktop keyring: under the service "Ravelin",
// the POP3 password at "<account>/POP3" and the SMTP one at "<account>/SMTP". Every call
// blocks and fails with the keyring's reason. Tests put an in-memory backend in place of the
// desktop keyring with UseBackend.
#include "transfer/cKeyringBackend.h"

#include <memory>

struct cAccountSecrets
{
    QByteArray pop3;
    QByteArray smtp;
};

class cPasswordKeyring
{
public:
    static QString Pop3Key(const QString &section);
    static QString SmtpKey(const QString &section);

    [[nodiscard]] static cResultOf<cAccountSecrets> Read(const QString &section);
    [[nodiscard]] static cResult Write(const QString &section, const cAccountSecrets &secrets);
    [[nodiscard]] static cResult Erase(const QString &section);
    // Stores the secrets under the new name before erasing the old entries, so a failure
    // half-way loses nothing.
    [[nodiscard]] static cResult Move(const QString &oldSection, const QString &newSection);

    // Null returns to the desktop keyring.
    static void UseBackend(std::shared_ptr<cKeyringBackend> backend);

private:
    static std::shared_ptr<cKeyringBackend> Backend();
};
