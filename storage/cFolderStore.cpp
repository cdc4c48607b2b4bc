// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cFolderStore.h"

#include "storage/DeferredFlush.h"
#include "storage/MailStorage.h"
#include "storage/PrivateFiles.h"
#include "storage/cFolderIndex.h"
#include "storage/cOriginalStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cFolderStore)
};

constexpr qint64 kFirstNameLimit = 9999;
constexpr int kMostDigits = 12;
constexpr int kDrawsPerWidth = 16;

cResult fileSystemFailure(const QString &text)
{
    return cResult::Failed(eFailure::FileSystem, text);
}

QString candidateName(const QString &prefix, qint64 number, const QString &extension)
{
    return prefix + QString::number(number) + QLatin1Char('.') + extension;
}

// A name the file system takes as one new folder directly under the mail folder.
bool isPlainFolderName(const QString &name)
{
    return !name.trimmed().isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool folderExists(const QString &name)
{
    return QFileInfo(MailFolderPath(name)).isDir();
}

QString withFolder(const QString &text, const QString &folder)
{
    return text + QStringLiteral("\n\n") + QDir::toNativeSeparators(folder);
}

} // namespace

const QString cFolderStore::CannotCreateFolderCaption = QStringLiteral("Cannot create folder");

cFolderStore &cFolderStore::instance()
{
    static cFolderStore store;
    return store;
}

const QStringList &cFolderStore::FixedFolders()
{
    static const QStringList folders = [] {
        QStringList names;
        for (eFolderKind kind : kFixedFolderKinds)
            names.append(FolderName(kind));
        return names;
    }();
    return folders;
}

eFolderKind cFolderStore::FolderKind(const QString &folder)
{
    for (eFolderKind kind : kFixedFolderKinds)
        if (FolderName(kind).compare(folder, Qt::CaseInsensitive) == 0)
            return kind;
    for (eFolderKind kind : kOnDemandFolderKinds)
        if (FolderName(kind).compare(folder, Qt::CaseInsensitive) == 0)
            return kind;
    return eFolderKind::User;
}

QStringList cFolderStore::OnDemandFolders()
{
    QStringList folders;
    if (MailRoot().isEmpty())
        return folders;
    for (eFolderKind kind : kOnDemandFolderKinds)
        if (folderExists(FolderName(kind)))
            folders.append(FolderName(kind));
    return folders;
}

QStringList cFolderStore::AllFolders()
{
    return FixedFolders() + OnDemandFolders() + UserFolders();
}

QStringList cFolderStore::UserFolders()
{
    QStringList folders;
    if (MailRoot().isEmpty())
        return folders;
    const QStringList entries = QDir(MailFolderRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &entry : entries)
        if (FolderKind(entry) == eFolderKind::User)
            folders.append(entry);
    return folders;
}

cResultOf<QString> cFolderStore::UniqueFileName(const QString &directory, const QString &prefix,
                                                const QString &extension)
{
    const QDir dir(directory);
    if (!QFileInfo(directory).isDir())
        return fileSystemFailure(cTexts::tr("Cannot name a new file: the folder \"%1\" does not exist.").arg(directory));
    // Names start with up to four digits; when draws keep meeting taken names the folder is
    // crowded and N gets one digit more, so a draw stays cheap however many files there are.
    auto *random = QRandomGenerator::global();
    qint64 limit = kFirstNameLimit;
    for (int digits = 4; digits <= kMostDigits; ++digits, limit = limit * 10 + 9) {
        for (int attempt = 0; attempt < kDrawsPerWidth; ++attempt) {
            const QString path = dir.filePath(candidateName(prefix, random->bounded(limit), extension));
            if (!QFileInfo::exists(path))
                return path;
        }
    }
    return fileSystemFailure(
        cTexts::tr("Cannot name a new file in \"%1\": every name of the form %2N.%3 that was tried is taken.")
            .arg(directory, prefix, extension));
}

cResultOf<QString> cFolderStore::NewMessagePath(const QString &folder)
{
    return UniqueFileName(MailFolderPath(folder), QStringLiteral("mail"), QStringLiteral("qrz"));
}

cResultOf<QString> cFolderStore::TransferMessage(const QString &sourcePath, const QString &targetFolder, bool move)
{
    QString target = MailFolderPath(targetFolder) + QLatin1Char('/') + QFileInfo(sourcePath).fileName();
    if (QFileInfo::exists(target)) {
        const cResultOf<QString> fresh = NewMessagePath(targetFolder);
        if (!fresh)
            return fresh;
        target = fresh.value();
    }
    QFile source(sourcePath);
    if (move ? source.rename(target) : source.copy(target)) {
        // A mail check flushes what its rules moved or copied with the rest it wrote.
        NoteDeferredWrite(target);
        return target;
    }
    return fileSystemFailure((move ? cTexts::tr("Cannot move the message \"%1\" to \"%2\": %3")
                                   : cTexts::tr("Cannot copy the message \"%1\" to \"%2\": %3"))
                                 .arg(sourcePath, target, source.errorString()));
}

cResult cFolderStore::ClearFolder(const QString &folder)
{
    cResult cleared;
    for (const QString &path : MessageFiles(folder)) {
        QFile file(path);
        if (file.remove() || !cleared)
            continue;
        cleared = fileSystemFailure(
            cTexts::tr("Cannot delete the message file \"%1\": %2").arg(path, file.errorString()));
    }
    // Mail leaves for good only through the Trash; its kept originals go with it.
    if (cleared && FolderKind(folder) == eFolderKind::Trash)
        cOriginalStore::RemoveUnreferenced();
    return cleared;
}

void cFolderStore::RefreshIfShown(const QString &folder)
{
    emit instance().RefreshRequested(folder);
}

QStringList cFolderStore::MessageFiles(const QString &folder)
{
    QStringList paths;
    if (MailRoot().isEmpty())
        return paths;
    const QDir dir(MailFolderPath(folder));
    const QStringList names = dir.entryList({QStringLiteral("*.qrz")}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names)
        paths.append(dir.filePath(name));
    return paths;
}

cResult cFolderStore::DeleteMessage(const QString &path, const QString &shownFolder)
{
    if (FolderKind(shownFolder) != eFolderKind::Trash)
        return TransferMessage(path, FolderName(eFolderKind::Trash), true).result();
    QFile file(path);
    if (file.remove())
        return cResult::Ok();
    return fileSystemFailure(cTexts::tr("Cannot delete the message file \"%1\": %2").arg(path, file.errorString()));
}

cResult cFolderStore::CreateFolder(const QString &name)
{
    const QString path = MailFolderRoot() + QLatin1Char('/') + name;
    if (!MailRoot().isEmpty() && isPlainFolderName(name) && !folderExists(name) && MakePrivateFolder(path))
        return cResult::Ok();
    return fileSystemFailure(withFolder(cTexts::tr("Unable to create folder. Make sure you have write permissions, the disk "
                                                       "is not full and the folder doesn't already exist."),
                                        path));
}

cResult cFolderStore::RenameFolder(const QString &oldName, const QString &newName)
{
    const QString oldPath = MailFolderPath(oldName);
    const QString newPath = MailFolderRoot() + QLatin1Char('/') + newName;
    const bool onlyCaseChanges = oldName.compare(newName, Qt::CaseInsensitive) == 0;
    if (!MailRoot().isEmpty() && FolderKind(oldName) == eFolderKind::User && FolderKind(newName) == eFolderKind::User
        && isPlainFolderName(newName) && (onlyCaseChanges || !folderExists(newName))
        && QDir().rename(oldPath, newPath))
        return cResult::Ok();
    return fileSystemFailure(withFolder(cTexts::tr("The folder could not be renamed. Make sure you have write permissions "
                                                       "and the new folder name is valid."),
                                        oldPath));
}

cResult cFolderStore::RemoveFolder(const QString &name)
{
    const QString path = MailFolderPath(name);
    if (!MailRoot().isEmpty() && FolderKind(name) == eFolderKind::User && isPlainFolderName(name)) {
        // What stays behind makes rmdir fail, which is the failure reported.
        (void)ClearFolder(name);
        // The listing cache is ours, not the user's: it never keeps a folder alive.
        QFile::remove(path + QLatin1Char('/') + cFolderIndex::kFileName);
        if (QDir().rmdir(path))
            return cResult::Ok();
    }
    return fileSystemFailure(withFolder(cTexts::tr("The folder could not be removed. Make sure there are no files left in "
                                                       "the folder and try again."),
                                        path));
}

