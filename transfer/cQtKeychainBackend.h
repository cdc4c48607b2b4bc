// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop keyring (Secret Service, KWallet) through QtKeychain, under the service
// "Ravelin". QtKeychain works asynchronously on the application's thread; each call here starts
// its job there and waits for it, up to kTimeoutMs, from whichever thread it is made (a session
// runs on a worker). A keyring that is locked may ask the user to unlock it meanwhile.
#include "transfer/cKeyringBackend.h"

class cQtKeychainBackend : public cKeyringBackend
{
public:
    static constexpr int kTimeoutMs = 60000;

    cResultOf<QByteArray> Read(const QString &key) override;
    cResult Write(const QString &key, const QByteArray &secret) override;
    cResult Erase(const QString &key) override;
};
