// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail folders and their messages as the layers above see them. Callers ask this instead
// of naming files, so another kind of store (an online account, a search folder, a test's
// memory) can stand in for the folder tree. A message is named by a cMessageRef: its folder
// and a key that only the store which made it understands.
#include "storage/cFolderIndex.h"
#include "storage/cMailMessage.h"
#include "storage/cResult.h"
#include "storage/eFolderKind.h"

#include <QObject>
#include <QStringList>

#include <vector>

struct cMessageRef
{
    QString folder;
    QString key;
    bool operator==(const cMessageRef &) const = default;
};

// One message as lists show it.
struct cStoredEntry
{
    cMessageRef ref;
    cIndexEntry entry;
};

class cMailStore : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Every folder that holds mail: the fixed ones, those made on demand, the user's.
    virtual QStringList Folders() const = 0;
    // The folder's messages with their listed fields, in the store's own order.
    virtual std::vector<cStoredEntry> List(const QString &folder) const = 0;
    // Every message of the folder, those List cannot read included: callers that act on each
    // one (sending) must meet and report a broken one, not miss it.
    virtual QList<cMessageRef> Messages(const QString &folder) const = 0;
    virtual cResultOf<cMailMessage> Read(const cMessageRef &message) const = 0;
    // The listed fields only, without header lines and text, for code that decides on them
    // (rules): where a store can leave the rest unread, it does.
    virtual cResultOf<cMailMessage> ReadHeader(const cMessageRef &message) const;
    // As Read, with the stored sender line whole in From: the mail goes out with it.
    virtual cResultOf<cMailMessage> ReadForSending(const cMessageRef &message) const = 0;
    // A new message in the folder.
    virtual cResultOf<cMessageRef> Store(const QString &folder, const cMailMessage &message) = 0;
    // Writes the message in place of the one the reference names, which keeps its reference;
    // a message deleted meanwhile comes back rather than the text being lost.
    virtual cResult Replace(const cMessageRef &message, const cMailMessage &record) = 0;
    // Moves or copies a message into another folder, never over another message.
    virtual cResultOf<cMessageRef> Transfer(const cMessageRef &message, const QString &folder, bool move) = 0;
    // Moves a message back to the place it had, under its key there where that is free, else
    // as a move by Transfer.
    virtual cResultOf<cMessageRef> MoveBack(const cMessageRef &message, const cMessageRef &place) = 0;
    // In the Trash the message goes for good; elsewhere it moves to the Trash.
    virtual cResult Delete(const cMessageRef &message) = 0;
    virtual cResult MarkRead(const cMessageRef &message, bool read) = 0;
    // The mail library's number: 0 highest, 2 normal, 4 lowest.
    virtual cResult SetPriority(const cMessageRef &message, int priority) = 0;

    // Folder management for the user's own folders; a failure's text is the one shown to the user.
    virtual cResult CreateFolder(const QString &name) = 0;
    virtual cResult RenameFolder(const QString &oldName, const QString &newName) = 0;
    virtual cResult RemoveFolder(const QString &name) = 0;
    // Every message of the folder goes for good.
    virtual cResult EmptyFolder(const QString &folder) = 0;

    // The directory whose files are the folder's messages, for views that follow the files
    // themselves; empty where a folder is no directory.
    virtual QString FolderDirectory(const QString &folder) const;
    // The file that holds the message, for code that must keep its very bytes (the composer's
    // draft keeper); empty where messages are no files.
    virtual QString FileOf(const cMessageRef &message) const;
    // Announces what code did to a folder's files itself as the store's own changes are.
    virtual void FilesChanged(const QString &folder);
    // Puts on disk what was written without waiting for it (see cMailStoreBatch).
    virtual cResult Flush();

    // The same in every store: a folder's kind follows from its name, without regard to case.
    static eFolderKind KindOf(const QString &folder);

signals:
    // Every change to messages made through the store is announced here, once per folder it
    // touched; folders made, renamed or removed are not.
    void FolderChanged(const QString &folder);

protected:
    // What a change touched, announced now or, inside this thread's batch, at its end.
    void Changed(const QString &folder);
    // How a change is written: without waiting for the disk inside this thread's batch.
    eDurability WriteDurability() const;
};
