// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/cMemoryMailStore.h"

#include "storage/cFolderStore.h"

namespace {

cResult failed(const QString &text)
{
    return cResult::Failed(eFailure::FileSystem, text);
}

} // namespace

cMemoryMailStore::cMemoryMailStore()
{
    for (const QString &folder : cFolderStore::FixedFolders())
        AddFolder(folder);
}

void cMemoryMailStore::AddFolder(const QString &folder)
{
    if (!fFolders.contains(folder))
        fOrder.append(folder);
    fFolders[folder];
}

const cMailMessage *cMemoryMailStore::find(const cMessageRef &message) const
{
    const auto folder = fFolders.constFind(message.folder);
    if (folder == fFolders.cend())
        return nullptr;
    const auto found = folder->constFind(message.key);
    return found == folder->cend() ? nullptr : &*found;
}

QStringList cMemoryMailStore::Folders() const
{
    return fOrder;
}

std::vector<cStoredEntry> cMemoryMailStore::List(const QString &folder) const
{
    std::vector<cStoredEntry> listed;
    const cFolder messages = fFolders.value(folder);
    for (auto it = messages.cbegin(); it != messages.cend(); ++it)
        listed.push_back({{folder, it.key()}, cFolderIndex::Entry({it.key()}, *it)});
    return listed;
}

QList<cMessageRef> cMemoryMailStore::Messages(const QString &folder) const
{
    QList<cMessageRef> messages;
    for (const QString &key : fFolders.value(folder).keys())
        messages.append({folder, key});
    return messages;
}

cResultOf<cMailMessage> cMemoryMailStore::ReadForSending(const cMessageRef &message) const
{
    return Read(message);
}

cResultOf<cMailMessage> cMemoryMailStore::Read(const cMessageRef &message) const
{
    if (const cMailMessage *found = find(message))
        return *found;
    return failed(QStringLiteral("No message \"%1\" in \"%2\".").arg(message.key, message.folder));
}

cResultOf<cMessageRef> cMemoryMailStore::Store(const QString &folder, const cMailMessage &message)
{
    if (!fFolders.contains(folder))
        return failed(QStringLiteral("No folder \"%1\".").arg(folder));
    const QString key = QStringLiteral("m%1").arg(++fLastKey);
    fFolders[folder].insert(key, message);
    Changed(folder);
    return cMessageRef{folder, key};
}

cResult cMemoryMailStore::Replace(const cMessageRef &message, const cMailMessage &record)
{
    if (!fFolders.contains(message.folder) || message.key.isEmpty())
        return failed(QStringLiteral("No place \"%1\" in \"%2\".").arg(message.key, message.folder));
    fFolders[message.folder].insert(message.key, record);
    Changed(message.folder);
    return cResult::Ok();
}

cResultOf<cMessageRef> cMemoryMailStore::Transfer(const cMessageRef &message, const QString &folder, bool move)
{
    const cResultOf<cMailMessage> original = Read(message);
    if (!original)
        return original.result();
    const cResultOf<cMessageRef> stored = Store(folder, original.value());
    if (stored && move) {
        fFolders[message.folder].remove(message.key);
        Changed(message.folder);
    }
    return stored;
}

cResultOf<cMessageRef> cMemoryMailStore::MoveBack(const cMessageRef &message, const cMessageRef &place)
{
    const cMailMessage *found = find(message);
    if (!found || !fFolders.contains(place.folder) || fFolders[place.folder].contains(place.key))
        return Transfer(message, place.folder, true);
    fFolders[place.folder].insert(place.key, *found);
    fFolders[message.folder].remove(message.key);
    Changed(message.folder);
    Changed(place.folder);
    return place;
}

cResult cMemoryMailStore::Delete(const cMessageRef &message)
{
    const QString trash = FolderName(eFolderKind::Trash);
    if (message.folder != trash)
        return Transfer(message, trash, true).result();
    if (fFolders[trash].remove(message.key) == 0)
        return failed(QStringLiteral("No message \"%1\" in the Trash.").arg(message.key));
    Changed(trash);
    return cResult::Ok();
}

cResult cMemoryMailStore::MarkRead(const cMessageRef &message, bool read)
{
    return Change(message, [read](cMailMessage &record) { record.Read = read; });
}

cResult cMemoryMailStore::SetPriority(const cMessageRef &message, int priority)
{
    return Change(message, [priority](cMailMessage &record) { record.Priority = priority; });
}

cResult cMemoryMailStore::Change(const cMessageRef &message, const std::function<void(cMailMessage &)> &change)
{
    if (!find(message))
        return Read(message).result();
    change(fFolders[message.folder][message.key]);
    Changed(message.folder);
    return cResult::Ok();
}

cResult cMemoryMailStore::CreateFolder(const QString &name)
{
    if (name.trimmed().isEmpty() || name.contains(QLatin1Char('/')) || fFolders.contains(name))
        return failed(QStringLiteral("Cannot create the folder \"%1\".").arg(name));
    AddFolder(name);
    return cResult::Ok();
}

cResult cMemoryMailStore::RenameFolder(const QString &oldName, const QString &newName)
{
    if (KindOf(oldName) != eFolderKind::User || KindOf(newName) != eFolderKind::User || !fFolders.contains(oldName)
        || fFolders.contains(newName) || newName.trimmed().isEmpty() || newName.contains(QLatin1Char('/')))
        return failed(QStringLiteral("Cannot rename the folder \"%1\".").arg(oldName));
    fFolders.insert(newName, fFolders.take(oldName));
    fOrder.replace(fOrder.indexOf(oldName), newName);
    return cResult::Ok();
}

cResult cMemoryMailStore::RemoveFolder(const QString &name)
{
    if (KindOf(name) != eFolderKind::User || !fFolders.remove(name))
        return failed(QStringLiteral("Cannot remove the folder \"%1\".").arg(name));
    fOrder.removeOne(name);
    return cResult::Ok();
}

cResult cMemoryMailStore::EmptyFolder(const QString &folder)
{
    if (!fFolders.contains(folder))
        return failed(QStringLiteral("No folder \"%1\".").arg(folder));
    fFolders[folder].clear();
    Changed(folder);
    return cResult::Ok();
}
