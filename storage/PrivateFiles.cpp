// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/PrivateFiles.h"

#include "storage/DeferredFlush.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

bool MakePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (::mkdir(QFile::encodeName(path).constData(), 0700) == 0) {
        // Its name in the folder above must reach the disk with the files written into it.
        NoteDeferredWrite(path);
        return true;
    }
    // A folder made by someone else in the meantime serves as well.
    return QFileInfo(path).isDir();
}

bool MakePrivatePath(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent == clean)
        return false;
    return MakePrivatePath(parent) && MakePrivateFolder(clean);
}

bool IsPrivateFolder(const QString &path, uint ownerUid)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ownerUid && (info.st_mode & 077) == 0;
}
