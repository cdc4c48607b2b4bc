// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search index keeps of one message file: the texts its words come from (already
// cut for the index, see SpacedIdeographs) and the fields a result line and the filters need.
// Read from the message file through cMailMessage, whose body holds the decoded text.
#include "storage/cResult.h"

#include <QString>

#include <optional>

struct cSearchDocument
{
    QString subject;
    QString from; // display name and address
    QString to;
    QString cc;
    QString body; // the text of an HTML body without its markup
    QString attachments; // file names, one a line

    QString sender;   // as a result line shows it
    QString dateText; // the stored date and time
    std::optional<qint64> dateKey; // as cDateKey keys it; none when the date names no moment
    bool read = false;
    int attachmentCount = 0;

    static cResultOf<cSearchDocument> Read(const QString &path);
};
