// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the junk filter was taught of each message. Teaching a message again as the same kind
// must not count it twice, and teaching it as the other kind ("Not junk" after "Mark as junk")
// must first take back what was learned, or the word list drifts towards the first verdict.
// One line per message in the word list folder: the SHA-256 of the text the filter read, a
// space, then "spam" or "ham". A line that reads as neither is skipped.
#include "storage/cResult.h"

#include <QByteArray>
#include <QHash>
#include <QString>

enum class eJunkTaught { Nothing, Spam, Ham };

class cJunkMemory
{
public:
    static QString FilePath();
    static cJunkMemory Load();

    eJunkTaught Taught(const QByteArray &mail) const;
    void Remember(const QByteArray &mail, bool spam);
    cResult Save() const;

private:
    static QByteArray Key(const QByteArray &mail);

    QHash<QByteArray, bool> fSpam;
};
