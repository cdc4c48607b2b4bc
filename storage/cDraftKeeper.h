// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps one composer's unsaved text safe in the Unfinished folder, and can take that back.
// Keep writes the draft atomically: the first time into a new file (or over the file the draft
// was opened from, whose bytes it remembers), then always over that same file. Discard undoes
// every Keep since the last Settle: it removes a file Keep made, or puts the opened file back
// as it was. Settle tells it the user saved, so nothing kept is to be undone any more.
#include "storage/cMailMessage.h"
#include "storage/cResult.h"

#include <QByteArray>
#include <QString>

#include <optional>

class cDraftKeeper
{
public:
    // Returns the path written: file when given, else a new file in Unfinished.
    cResultOf<QString> Keep(const QString &file, const cMailMessage &record);
    // Returns the path the draft has afterwards; empty when its file was removed.
    cResultOf<QString> Discard();
    void Settle();

private:
    cResult remember(const QString &file);

    QString fPath;
    // The bytes the file held before the first Keep; none when Keep made the file.
    std::optional<QByteArray> fOriginal;
};
