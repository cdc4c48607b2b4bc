// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cQrzMailStore.h"

#include "storage/AtomicFile.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cQrzMailStore)
};

cResult noSuchMessage(const cMessageRef &message)
{
    return cResult::Failed(eFailure::FileSystem,
                           cTexts::tr("The message \"%1\" is not in the folder \"%2\".").arg(message.key, message.folder));
}

bool isPlainFileName(const QString &key)
{
    return !key.isEmpty() && key != QLatin1String(".") && key != QLatin1String("..") && !key.contains(QLatin1Char('/'))
           && !key.contains(QChar(0));
}

// The file of the message under the folder as spelled, which takes no look at the directory;
// empty for a key that is no plain file name.
QString spelledFile(const cMessageRef &message)
{
    if (MailRoot().isEmpty() || !isPlainFileName(message.key))
        return {};
    return MailFolderRoot() + QLatin1Char('/') + message.folder + QLatin1Char('/') + message.key;
}

// The file a message would have, under the folder as spelled when it is there, else as the
// folder's name resolves; whether it is there the file operation tells, naming the path.
cResultOf<QString> fileOf(const cMessageRef &message)
{
    if (const QString spelled = spelledFile(message); !spelled.isEmpty() && QFileInfo(spelled).isFile())
        return spelled;
    const QString path = cQrzMailStore::PathOf(message);
    if (path.isEmpty() || QFileInfo(path).isDir())
        return noSuchMessage(message);
    return path;
}

cResultOf<cMailMessage> readRecord(const cMessageRef &message, bool headerOnly, bool keepRawFrom)
{
    // Opening the file is the first look at it: a run over a big folder looks at each once.
    cMailMessage record;
    if (const QString spelled = spelledFile(message); !spelled.isEmpty()) {
        const cResult read = record.ReadFile(spelled, headerOnly, keepRawFrom);
        if (read)
            return record;
        // There but unreadable: reading it again under the resolved name would fail the same.
        if (QFileInfo(spelled).isFile())
            return read;
    }
    const cResultOf<QString> path = fileOf(message);
    if (!path)
        return path.result();
    if (cResult read = record.ReadFile(path.value(), headerOnly, keepRawFrom); !read)
        return read;
    return record;
}

} // namespace

cQrzMailStore::cQrzMailStore(QObject *parent) : cMailStore(parent)
{
    connect(&cFolderStore::instance(), &cFolderStore::RefreshRequested, this, &cMailStore::FolderChanged);
}

QString cQrzMailStore::PathOf(const cMessageRef &message)
{
    if (MailRoot().isEmpty() || !isPlainFileName(message.key))
        return {};
    return MailFolderPath(message.folder) + QLatin1Char('/') + message.key;
}

cMessageRef cQrzMailStore::RefOf(const QString &folder, const QString &path)
{
    return {folder, QFileInfo(path).fileName()};
}

cMessageRef cQrzMailStore::RefOfFile(const QString &path)
{
    const QFileInfo file(path);
    return {file.dir().dirName(), file.fileName()};
}

QStringList cQrzMailStore::Folders() const
{
    return MailRoot().isEmpty() ? QStringList() : cFolderStore::AllFolders();
}

std::vector<cStoredEntry> cQrzMailStore::List(const QString &folder) const
{
    std::vector<cStoredEntry> listed;
    if (MailRoot().isEmpty())
        return listed;
    for (cIndexEntry &entry : cFolderIndex::List(MailFolderPath(folder)))
        listed.push_back({{folder, entry.stamp.name}, std::move(entry)});
    return listed;
}

QList<cMessageRef> cQrzMailStore::Messages(const QString &folder) const
{
    QList<cMessageRef> messages;
    for (const QString &path : cFolderStore::MessageFiles(folder))
        messages.append(RefOf(folder, path));
    return messages;
}

cResultOf<cMailMessage> cQrzMailStore::Read(const cMessageRef &message) const
{
    return readRecord(message, false, false);
}

cResultOf<cMailMessage> cQrzMailStore::ReadHeader(const cMessageRef &message) const
{
    return readRecord(message, true, false);
}

cResultOf<cMailMessage> cQrzMailStore::ReadForSending(const cMessageRef &message) const
{
    return readRecord(message, false, true);
}

cResultOf<cMessageRef> cQrzMailStore::Store(const QString &folder, const cMailMessage &message)
{
    if (MailRoot().isEmpty())
        return cResult::Failed(eFailure::FileSystem, QStringLiteral("No mail folder is set."));
    const cResultOf<QString> path = cFolderStore::NewMessagePath(folder);
    if (!path)
        return path.result();
    if (cResult written = message.WriteFile(path.value(), WriteDurability()); !written)
        return written;
    Changed(folder);
    return RefOf(folder, path.value());
}

cResult cQrzMailStore::Replace(const cMessageRef &message, const cMailMessage &record)
{
    const cResultOf<QString> path = fileOf(message);
    if (!path)
        return path.result();
    if (cResult written = record.WriteFile(path.value(), WriteDurability()); !written)
        return written;
    Changed(message.folder);
    return cResult::Ok();
}

cResultOf<cMessageRef> cQrzMailStore::Transfer(const cMessageRef &message, const QString &folder, bool move)
{
    const cResultOf<QString> path = fileOf(message);
    if (!path)
        return path.result();
    const cResultOf<QString> moved = cFolderStore::TransferMessage(path.value(), folder, move);
    Changed(message.folder);
    Changed(folder);
    if (!moved)
        return moved.result();
    return RefOf(folder, moved.value());
}

cResultOf<cMessageRef> cQrzMailStore::MoveBack(const cMessageRef &message, const cMessageRef &place)
{
    const QString from = PathOf(message);
    const QString to = PathOf(place);
    if (from.isEmpty() || to.isEmpty() || QFileInfo::exists(to) || !QFile::rename(from, to))
        return Transfer(message, place.folder, true);
    Changed(message.folder);
    Changed(place.folder);
    return place;
}

cResult cQrzMailStore::Delete(const cMessageRef &message)
{
    const cResultOf<QString> path = fileOf(message);
    if (!path)
        return path.result();
    cResult deleted = cFolderStore::DeleteMessage(path.value(), message.folder);
    Changed(message.folder);
    if (cFolderStore::FolderKind(message.folder) != eFolderKind::Trash)
        Changed(FolderName(eFolderKind::Trash));
    return deleted;
}

cResult cQrzMailStore::MarkRead(const cMessageRef &message, bool read)
{
    return ChangeHeader(message, [read](const QString &path, eDurability durability) {
        return cMailMessage::SetReadFlag(path, read, durability);
    });
}

cResult cQrzMailStore::SetPriority(const cMessageRef &message, int priority)
{
    return ChangeHeader(message, [priority](const QString &path, eDurability durability) {
        return cMailMessage::SetPriority(path, priority, durability);
    });
}

cResult cQrzMailStore::ChangeHeader(const cMessageRef &message,
                                    const std::function<cResult(const QString &, eDurability)> &change)
{
    const cResultOf<QString> path = fileOf(message);
    if (!path)
        return path.result();
    cResult changed = change(path.value(), WriteDurability());
    Changed(message.folder);
    return changed;
}

cResult cQrzMailStore::CreateFolder(const QString &name)
{
    return cFolderStore::CreateFolder(name);
}

cResult cQrzMailStore::RenameFolder(const QString &oldName, const QString &newName)
{
    return cFolderStore::RenameFolder(oldName, newName);
}

cResult cQrzMailStore::RemoveFolder(const QString &name)
{
    return cFolderStore::RemoveFolder(name);
}

cResult cQrzMailStore::EmptyFolder(const QString &folder)
{
    const cResult cleared = cFolderStore::ClearFolder(folder);
    Changed(folder);
    return cleared;
}

QString cQrzMailStore::FolderDirectory(const QString &folder) const
{
    return MailRoot().isEmpty() ? QString() : MailFolderPath(folder);
}

QString cQrzMailStore::FileOf(const cMessageRef &message) const
{
    return PathOf(message);
}

void cQrzMailStore::FilesChanged(const QString &folder)
{
    cFolderStore::RefreshIfShown(folder);
}

cResult cQrzMailStore::Flush()
{
    return SyncFileSystemOf(MailFolderRoot());
}
