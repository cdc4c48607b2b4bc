// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cMailStore.h"

#include "storage/cFolderStore.h"
#include "storage/cMailStoreBatch.h"

eFolderKind cMailStore::KindOf(const QString &folder)
{
    return cFolderStore::FolderKind(folder);
}

cResultOf<cMailMessage> cMailStore::ReadHeader(const cMessageRef &message) const
{
    return Read(message);
}

QString cMailStore::FolderDirectory(const QString &) const
{
    return {};
}

QString cMailStore::FileOf(const cMessageRef &) const
{
    return {};
}

void cMailStore::FilesChanged(const QString &folder)
{
    emit FolderChanged(folder);
}

cResult cMailStore::Flush()
{
    return cResult::Ok();
}

void cMailStore::Changed(const QString &folder)
{
    if (cMailStoreBatch *batch = cMailStoreBatch::Open(*this))
        batch->Hold(folder);
    else
        FilesChanged(folder);
}

eDurability cMailStore::WriteDurability() const
{
    return cMailStoreBatch::Open(*this) ? eDurability::Deferred : eDurability::Synced;
}
