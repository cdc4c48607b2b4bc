// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The senders whose mail may load remote content, kept in "Ravelin2 RemoteContent.ini" beside
// the other settings files: section [Senders], a key per address with the value 1. The key is
// the address in lower case with every character outside letters, digits and "@.-_+"
// percent-encoded, so that no address from a message can give the file a line or key of another
// shape. Written atomically, like every settings file.
#include "storage/cResult.h"

#include <QString>
#include <QStringList>

class cRemoteContentSenders
{
public:
    static QString FilePath();
    static bool IsAllowed(const QString &address);
    [[nodiscard]] static cResult Allow(const QString &address);
    // The allowed senders' addresses (as stored, lower case), sorted.
    static QStringList Senders();
    // The key stays, set to 0, so the file changes in one line like every settings write.
    [[nodiscard]] static cResult Remove(const QString &address);
};
