// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An in-memory keyring for tests (no Secret Service runs here), installed for the life of the
// object. A refusal text makes every call fail with it, as a locked or absent keyring does.
#include "transfer/cPasswordKeyring.h"

#include <QMap>
#include <QMutex>

class cMemoryKeyring : public cKeyringBackend
{
public:
    static std::shared_ptr<cMemoryKeyring> Install()
    {
        auto keyring = std::make_shared<cMemoryKeyring>();
        cPasswordKeyring::UseBackend(keyring);
        return keyring;
    }
    ~cMemoryKeyring() override = default;

    cResultOf<QByteArray> Read(const QString &key) override
    {
        QMutexLocker locker(&fLock);
        if (!fRefusal.isEmpty())
            return cResult::Failed(eFailure::Refused, fRefusal);
        return fEntries.value(key);
    }
    cResult Write(const QString &key, const QByteArray &secret) override
    {
        QMutexLocker locker(&fLock);
        if (!fRefusal.isEmpty())
            return cResult::Failed(eFailure::Refused, fRefusal);
        fEntries.insert(key, secret);
        return cResult::Ok();
    }
    cResult Erase(const QString &key) override
    {
        QMutexLocker locker(&fLock);
        if (!fRefusal.isEmpty())
            return cResult::Failed(eFailure::Refused, fRefusal);
        fEntries.remove(key);
        return cResult::Ok();
    }

    void Refuse(const QString &reason)
    {
        QMutexLocker locker(&fLock);
        fRefusal = reason;
    }
    QMap<QString, QByteArray> Entries()
    {
        QMutexLocker locker(&fLock);
        return fEntries;
    }

private:
    QMutex fLock;
    QString fRefusal;
    QMap<QString, QByteArray> fEntries;
};

// Puts the desktop keyring back when a test ends.
struct cMemoryKeyringScope
{
    std::shared_ptr<cMemoryKeyring> keyring = cMemoryKeyring::Install();
    ~cMemoryKeyringScope() { cPasswordKeyring::UseBackend(nullptr); }
};
