// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small message waiting in Unsent, for the send tests.
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"

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

// Message files of Unsent as the mail store names them.
inline QList<cMessageRef> UnsentRefs(const QStringList &paths)
{
    QList<cMessageRef> refs;
    for (const QString &path : paths)
        refs.append(cQrzMailStore::RefOf(QStringLiteral("Unsent"), path));
    return refs;
}
