#pragma once
// Files a received (parsed) message: its original bytes into the original store, its decoded
// attachments into the attachments folder, then the message file into a mail folder. Used by the get session and by `ravelin-cli import`, so
// both store mail the same way. Nothing is half-done: when any write fails, the files already
// written for this message are removed again and the caller hears why, so the message can stay
// on the server.
#include "storage/cMailMessage.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class TVrxMsg;

class cIncomingStore
{
public:
    // Longest header value kept (RFC 5322 lines stop at 998 octets; folded fields may be
    // longer); a longer one is cut and ends in " [...]".
    static constexpr qsizetype kMaxHeaderValue = 64 * 1024;
    // Parts saved per message; the rest are left out with a note.
    static constexpr int kMaxAttachments = 1000;

    // The record a parsed message becomes, without its attachment paths.
    static cMailMessage RecordFor(const TVrxMsg &msg, const QString &account, const QByteArray &dateTime);

    // Called with the message file's path and its stored date and time just before the file
    // is written; a failure leaves the message unstored.
    using fBeforeFiling = std::function<cResult(const QString &path, const QByteArray &dateTime)>;

    // Returns the new message file's path. Deferred writes reach the disk only with
    // SyncFileSystemOf (a mail check does it before QUIT). Stale temporaries of killed writers
    // are cleared from the folders written.
    static cResultOf<QString> Store(const TVrxMsg &msg, const QString &account, const QString &folder,
                                    eDurability durability = eDurability::Synced,
                                    const fBeforeFiling &beforeFiling = {});
    // The note for a message stored at path without some of its parts; empty otherwise.
    static QString LeftOutText(const TVrxMsg &msg, const QString &path);

private:
    struct cNamedPart
    {
        QByteArray name;
        std::optional<QByteArray> data; // none: the part could not be decoded
    };
    static QList<cNamedPart> PartsOf(const TVrxMsg &msg);
    // Keeps the original, decodes it into the record and returns its parts.
    static cResultOf<QList<cNamedPart>> Decode(const QByteArray &raw, cMailMessage &record, eDurability durability);
    static cResult SaveParts(const QList<cNamedPart> &parts, QStringList *paths, eDurability durability);
};
