// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail folders and their message files: the directories are the store (cFolderIndex only
// keeps a disposable copy of what listings read).
// Operations are plain functions on MailRoot; each reports success to its caller, which alone
// decides whether the user hears of a failure. RefreshIfShown is announced through the
// RefreshRequested signal of the one store object, so views reload without the store knowing
// them (it may be emitted from a worker thread).
#include "storage/cMailMessage.h"
#include "storage/cResult.h"
#include "storage/eFolderKind.h"

#include <QObject>
#include <QString>
#include <QStringList>

class cFolderStore : public QObject
{
    Q_OBJECT
public:
    static cFolderStore &instance();

    // The names of the fixed folders, in the order of kFixedFolderKinds.
    static const QStringList &FixedFolders();
    // Kind of a folder name, without regard to case.
    static eFolderKind FolderKind(const QString &folder);
    // The fixed folders made on demand (kOnDemandFolderKinds) that exist now.
    static QStringList OnDemandFolders();
    // Every other directory of the mail folder, in directory-listing order.
    static QStringList UserFolders();
    // Every folder that holds mail: the fixed ones, those made on demand, the user's.
    static QStringList AllFolders();

    // directory + "/" + prefix + N + "." + extension with no such file yet: N below 9999 while
    // such names are easy to find, wider in a crowded folder. Fails when the directory is
    // missing or no free name turned up.
    static cResultOf<QString> UniqueFileName(const QString &directory, const QString &prefix, const QString &extension);
    static cResultOf<QString> NewMessagePath(const QString &folder);

    // Moves or copies a message file into another folder under its own name, or a fresh one
    // when that is taken; never overwrites. Returns the new path. Announces nothing: the
    // store (cQrzMailStore) does, or a mail check once it settled the message.
    static cResultOf<QString> TransferMessage(const QString &sourcePath, const QString &targetFolder, bool move);
    // Deletes every message file of the folder; attachment files stay.
    static cResult ClearFolder(const QString &folder);
    static void RefreshIfShown(const QString &folder);

    // Message files of a folder ("*.qrz"), in directory-listing order.
    static QStringList MessageFiles(const QString &folder);
    // In the Trash the file is deleted for good; elsewhere it moves to the Trash.
    static cResult DeleteMessage(const QString &path, const QString &shownFolder);

    // Folder management; a failure's text is the one shown to the user.
    static cResult CreateFolder(const QString &name);
    static cResult RenameFolder(const QString &oldName, const QString &newName);
    static cResult RemoveFolder(const QString &name);
    static const QString CannotCreateFolderCaption;

signals:
    void RefreshRequested(const QString &folder);

private:
    cFolderStore() = default;
};
