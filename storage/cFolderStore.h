#pragma once
// The mail folders and their message files: there is no index, the directories are the store.
// Operations are plain functions on MailRoot; each reports success to its caller, which alone
// decides whether the user hears of a failure. RefreshIfShown is announced through the
// RefreshRequested signal of the one store object, so views reload without the store knowing
// them (it may be emitted from a worker thread).
#include "storage/cMailMessage.h"
#include "storage/eFolderKind.h"

#include <QObject>
#include <QString>
#include <QStringList>

struct cListedMessage
{
    QString path;
    cMailMessage header; // read header-only
};

class cFolderStore : public QObject
{
    Q_OBJECT
public:
    static cFolderStore &instance();

    // The names of the fixed folders, in the order of kFixedFolderKinds.
    static const QStringList &FixedFolders();
    // Kind of a folder name, without regard to case.
    static eFolderKind FolderKind(const QString &folder);
    // Every other directory of the mail folder, in directory-listing order.
    static QStringList UserFolders();

    // directory + "/" + prefix + N + "." + extension with no such file yet: N below 9999 while
    // such names are easy to find, wider in a crowded folder. Empty, with the reason in *error,
    // when the directory is missing or no free name turned up.
    static QString UniqueFileName(const QString &directory, const QString &prefix, const QString &extension,
                                  QString *error = nullptr);
    static QString NewMessagePath(const QString &folder, QString *error = nullptr);

    // Moves or copies a message file into another folder under its own name, or a fresh one
    // when that is taken; never overwrites. Returns the new path, empty on failure.
    static QString TransferMessage(const QString &sourcePath, const QString &sourceFolder,
                                   const QString &targetFolder, bool move, bool refresh,
                                   QString *error = nullptr);
    // Deletes every message file of the folder; attachment files stay.
    static bool ClearFolder(const QString &folder, QString *error = nullptr);
    static void RefreshIfShown(const QString &folder);

    // Message files of a folder ("*.qrz"), in directory-listing order.
    static QStringList MessageFiles(const QString &folder);
    static QList<cListedMessage> ListFolder(const QString &folder);
    // In the Trash the file is deleted for good; elsewhere it moves to the Trash.
    static bool DeleteMessage(const QString &path, const QString &shownFolder, QString *error = nullptr);
    static bool MarkRead(const QString &path, bool read, QString *error = nullptr);

    // Folder management; on failure *error holds the text shown to the user.
    static bool CreateFolder(const QString &name, QString *error = nullptr);
    static bool RenameFolder(const QString &oldName, const QString &newName, QString *error = nullptr);
    static bool RemoveFolder(const QString &name, QString *error = nullptr);
    static const QString CannotCreateFolderCaption;
    static const QString CannotRenameFolderCaption;
    static const QString CannotRemoveFolderCaption;

signals:
    void RefreshRequested(const QString &folder);

private:
    cFolderStore() = default;
};
