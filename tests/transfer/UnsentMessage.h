// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small message waiting in Unsent, for the send tests.
#include "storage/cFolderStore.h"

inline QString WriteUnsentMessage(const QByteArray &subject)
{
    cMailMessage m;
    m.Subject = subject;
    m.To = "bob@example.org";
    m.From = "Ann <ann@example.org>";
    m.body = {"Hello"};
    const QString path = cFolderStore::NewMessagePath(QStringLiteral("Unsent")).value();
    return m.WriteFile(path).ok() ? path : QString();
}
