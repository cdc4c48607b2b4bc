// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cDraftKeeper.h"

#include "storage/AtomicFile.h"
#include "storage/cFolderStore.h"

#include <QFile>

cResult cDraftKeeper::remember(const QString &file)
{
    QFile opened(file);
    if (!opened.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               QStringLiteral("The draft \"%1\" cannot be read: %2").arg(file, opened.errorString()));
    fOriginal = opened.readAll();
    return cResult::Ok();
}

cResultOf<QString> cDraftKeeper::Keep(const QString &file, const cMailMessage &record)
{
    if (fPath.isEmpty()) {
        const cResultOf<QString> path = file.isEmpty() ? cFolderStore::NewMessagePath(QStringLiteral("Unfinished")) : file;
        if (!path)
            return path;
        if (!file.isEmpty() && QFile::exists(file))
            if (const cResult read = remember(file); !read)
                return read;
        fPath = path.value();
    }
    if (const cResult written = record.WriteFile(fPath); !written)
        return written;
    return fPath;
}

cResultOf<QString> cDraftKeeper::Discard()
{
    if (fPath.isEmpty())
        return QString();
    const QString path = fPath;
    const bool opened = fOriginal.has_value();
    if (opened) {
        if (const cResult restored = WriteFileAtomically(path, *fOriginal); !restored)
            return restored;
    } else if (QFile::exists(path) && !QFile::remove(path)) {
        return cResult::Failed(eFailure::FileSystem, QStringLiteral("The draft \"%1\" cannot be removed.").arg(path));
    }
    Settle();
    return opened ? path : QString();
}

void cDraftKeeper::Settle()
{
    fPath.clear();
    fOriginal.reset();
}
