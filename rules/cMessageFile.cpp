// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cMessageFile.h"

#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"

#include <QFileInfo>

QStringList cMessageFile::Folders()
{
    QStringList folders;
    for (const QString &folder : cFolderStore::AllFolders())
        if (QFileInfo(MailFolderPath(folder)).isDir())
            folders.append(folder);
    return folders;
}

bool cMessageFile::IsIn(const QString &folder) const
{
    return MailFolderPath(fFolder) == MailFolderPath(folder);
}

cResult cMessageFile::Transfer(const QString &folder, bool move)
{
    const cResultOf<QString> moved = cFolderStore::TransferMessage(fPath, folder, move);
    if (moved && move) {
        fPath = moved.value();
        fFolder = folder;
    }
    return moved.result();
}

cResult cMessageFile::MarkRead()
{
    return cMailMessage::SetReadFlag(fPath, true, eDurability::Deferred);
}

cResult cMessageFile::SetPriority(int priority)
{
    return cMailMessage::SetPriority(fPath, priority, eDurability::Deferred);
}
