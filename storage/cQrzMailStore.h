// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail store as the folder tree under MailRoot: one ".qrz" file per message, the key its
// file name. Its changes, and the folder store's refresh requests (from code that still works
// on paths), come out as FolderChanged. It keeps no state of its own: a worker thread may read,
// store and move through it.
#include "storage/cMailStore.h"

#include <functional>

class cQrzMailStore final : public cMailStore
{
    Q_OBJECT
public:
    explicit cQrzMailStore(QObject *parent = nullptr);

    // For code that works on the files themselves; empty for a key that is no plain file name.
    static QString PathOf(const cMessageRef &message);
    static cMessageRef RefOf(const QString &folder, const QString &path);
    // The message of a file of the tree: its folder is the directory it is in.
    static cMessageRef RefOfFile(const QString &path);

    QStringList Folders() const override;
    std::vector<cStoredEntry> List(const QString &folder) const override;
    // In directory-listing order.
    QList<cMessageRef> Messages(const QString &folder) const override;
    cResultOf<cMailMessage> Read(const cMessageRef &message) const override;
    cResultOf<cMailMessage> ReadHeader(const cMessageRef &message) const override;
    cResultOf<cMailMessage> ReadForSending(const cMessageRef &message) const override;
    cResultOf<cMessageRef> Store(const QString &folder, const cMailMessage &message) override;
    cResult Replace(const cMessageRef &message, const cMailMessage &record) override;
    cResultOf<cMessageRef> Transfer(const cMessageRef &message, const QString &folder, bool move) override;
    cResultOf<cMessageRef> MoveBack(const cMessageRef &message, const cMessageRef &place) override;
    cResult Delete(const cMessageRef &message) override;
    cResult MarkRead(const cMessageRef &message, bool read) override;
    cResult SetPriority(const cMessageRef &message, int priority) override;
    cResult CreateFolder(const QString &name) override;
    cResult RenameFolder(const QString &oldName, const QString &newName) override;
    cResult RemoveFolder(const QString &name) override;
    cResult EmptyFolder(const QString &folder) override;
    QString FolderDirectory(const QString &folder) const override;
    QString FileOf(const cMessageRef &message) const override;
    void FilesChanged(const QString &folder) override;
    // The whole file system of the mail folder: a batch's writes are many small files.
    cResult Flush() override;

private:
    // A line of the message's header written in place, and announced.
    cResult ChangeHeader(const cMessageRef &message,
                         const std::function<cResult(const QString &path, eDurability)> &change);
};
