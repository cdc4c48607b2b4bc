// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cMailStore.h"

#include "storage/cFolderStore.h"

eFolderKind cMailStore::KindOf(const QString &folder)
{
    return cFolderStore::FolderKind(folder);
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
