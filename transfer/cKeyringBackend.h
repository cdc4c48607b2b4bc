// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where cPasswordKeyring keeps secrets: the desktop keyring in the program, a map in tests.
// Every call blocks until the keyring answered or gave up; a failure's text is the keyring's
// reason alone, which the caller puts in its own sentence.
#include "storage/cResult.h"

#include <QByteArray>
#include <QString>

class cKeyringBackend
{
public:
    virtual ~cKeyringBackend() = default;

    // The secret stored under key; empty when there is none.
    [[nodiscard]] virtual cResultOf<QByteArray> Read(const QString &key) = 0;
    [[nodiscard]] virtual cResult Write(const QString &key, const QByteArray &secret) = 0;
    // Erasing a key that holds nothing succeeds.
    [[nodiscard]] virtual cResult Erase(const QString &key) = 0;
};
