// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fields a message list shows, read straight from the start of a message file: the
// [Header] section up to its boundary key, in small blocks, so the mail's own header lines and
// body are neither read nor copied, and only the listed values are kept. Sections, keys and
// values follow cIniSection's rules (a key in any case, its first occurrence, trimmed), and the
// fields come out as cMailMessage's header-only read gives them, so a list is the same either way.
//
// After the fields, the mail's own header lines (between the boundary's opening and closing
// lines, as cMailMessage takes them) give the fields threads are made of.
//
// Call order: one reader per file; ReadFrom, then Entry.
#include "storage/cFolderIndex.h"

#include <QByteArray>
#include <QByteArrayView>

#include <QList>

#include <array>
#include <utility>

class cListedHeader
{
public:
    // Reads the open file from its start until the listed fields are known or the section ends;
    // false when a read fails.
    bool ReadFrom(int fd);
    // What was read, under the stamp of the file.
    cIndexEntry Entry(cFileStamp stamp) const;
    // The Message-ID, and References followed by In-Reply-To, of a mail's header lines.
    static std::pair<QByteArray, QByteArray> ThreadFields(const QList<QByteArray> &mailHeader);

private:
    // One line of the file without its LF (a CR before it is trimmed with the blanks); false
    // once nothing after it can matter.
    bool TakeLine(QByteArrayView line);
    bool TakeKeyLine(QByteArrayView line);
    // A line of the mail's header; false at its end.
    bool TakeMailLine(QByteArrayView line);
    std::pair<QByteArray, QByteArray> ThreadFields() const;

    enum eField { Subject, To, From, DateTime, Html, Read, Attachments, Count };

    enum eMailField { MessageId, References, InReplyTo, MailCount };
    enum class ePart { Keys, BeforeMail, Mail };

    std::array<QByteArray, Count> fValues;
    unsigned fFound = 0; // a bit for each field seen
    bool fInSection = false;
    ePart fPart = ePart::Keys;
    QByteArray fOpening; // the line the mail's header follows
    QByteArray fClosing; // the line that ends it
    std::array<QByteArray, MailCount> fMail;
    unsigned fMailFound = 0;
    int fFolding = -1; // the mail field a folded line goes on with
};
