#pragma once
// The fields a message list shows, read straight from the start of a message file: the
// [Header] section up to its boundary key, in small blocks, so the mail's own header lines and
// body are neither read nor copied, and only the listed values are kept. Sections, keys and
// values follow cIniSection's rules (a key in any case, its first occurrence, trimmed), and the
// fields come out as cMailMessage's header-only read gives them, so a list is the same either way.
//
// Call order: one reader per file; ReadFrom, then Entry.
#include "storage/cFolderIndex.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

class cListedHeader
{
public:
    // Reads the open file from its start until the listed fields are known or the section ends;
    // false when a read fails.
    bool ReadFrom(int fd);
    // What was read, under the stamp of the file.
    cIndexEntry Entry(cFileStamp stamp) const;

private:
    // One line of the file without its LF (a CR before it is trimmed with the blanks); false
    // once nothing after it can matter.
    bool TakeLine(QByteArrayView line);

    enum eField { Subject, To, From, DateTime, Html, Read, Attachments, Count };

    std::array<QByteArray, Count> fValues;
    unsigned fFound = 0; // a bit for each field seen
    bool fInSection = false;
};
