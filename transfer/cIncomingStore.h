#pragma once
// Files a received (parsed) message: its attachments into the attachments folder, then the
// message file into a mail folder. Used by the get session and by `ravelin-cli import`, so
// both store mail the same way. Nothing is half-done: when any write fails, the files already
// written for this message are removed again and the caller hears why, so the message can stay
// on the server.
#include "storage/cMailMessage.h"

#include <QString>

class TVrxMsg;

class cIncomingStore
{
public:
    // The record a parsed message becomes, without its attachment paths.
    static cMailMessage RecordFor(const TVrxMsg &msg, const QString &account, const QByteArray &dateTime);

    // Returns the new message file's path, or empty with the reason in *error. Deferred
    // writes reach the disk only with SyncFileSystemOf (a mail check does it before QUIT).
    static QString Store(const TVrxMsg &msg, const QString &account, const QString &folder, QString *error,
                         eDurability durability = eDurability::Synced);

private:
    static bool SaveAttachments(const TVrxMsg &msg, QStringList *paths, QString *error, eDurability durability);
};
