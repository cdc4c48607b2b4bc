// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files a received message from its bytes, the one way mail comes in (the get session and
// `ravelin-cli import` both call it): the bytes into the original store, read once by the
// MIME reader, its parts into the attachments folder, then the message file into a mail folder.
// Malformed mail is read as well as it can be, never refused. Nothing is half-done: when any
// write fails, the files already written for this message are removed again and the caller
// hears why, so the message can stay on the server.
#include "storage/cMailMessage.h"

#include <QList>
#include <QString>

#include <functional>

struct cDecodedPart;
struct cDecodedMail;

class cIncomingStore
{
public:
    // Longest header value kept (RFC 5322 lines stop at 998 octets; folded fields may be
    // longer); a longer one is cut and ends in " [...]".
    static constexpr qsizetype kMaxHeaderValue = 64 * 1024;
    // Parts saved per message; the rest are left out with a note.
    static constexpr int kMaxAttachments = 1000;

    struct cStored
    {
        QString path;
        QString folder;
        qsizetype leftOut = 0; // parts beyond kMaxAttachments, not saved
    };

    // Called with the message file's path and its record just before the file is written; it
    // may set the record's flags. A failure leaves the message unstored.
    using fBeforeFiling = std::function<cResult(const QString &path, cMailMessage &record)>;

    // Deferred writes reach the disk only with FlushDeferredWrites (a mail check does it before
    // QUIT). Stale temporaries of killed writers are cleared from the folders written.
    static cResultOf<cStored> Store(const QByteArray &raw, const QString &account, const QString &folder,
                                    eDurability durability = eDurability::Synced,
                                    const fBeforeFiling &beforeFiling = {});
    // The note for a message stored without some of its parts; empty otherwise.
    static QString LeftOutText(const cStored &stored);

private:
    // Keeps the original, reads it into mail and the record, and returns its parts; large parts
    // are in files already.
    static cResultOf<QList<cDecodedPart>> Decode(const QByteArray &raw, cDecodedMail &mail, cMailMessage &record,
                                                 eDurability durability);
    static cResult SaveParts(const QList<cDecodedPart> &parts, QStringList *paths, eDurability durability);
};
