// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cDraftKeeper.h"

#include "storage/AtomicFile.h"

#include <QFile>

cResult cDraftKeeper::remember(const cMessageRef &draft)
{
    const QString file = fStore.FileOf(draft);
    if (file.isEmpty() || !QFile::exists(file))
        return cResult::Ok();
    QFile opened(file);
    if (!opened.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               QStringLiteral("The draft \"%1\" cannot be read: %2").arg(file, opened.errorString()));
    fOriginal = opened.readAll();
    return cResult::Ok();
}

cResultOf<cMessageRef> cDraftKeeper::Keep(const std::optional<cMessageRef> &draft, const cMailMessage &record)
{
    if (!fKept && !draft) {
        const cResultOf<cMessageRef> made = fStore.Store(FolderName(eFolderKind::Unfinished), record);
        if (made)
            fKept = made.value();
        return made;
    }
    if (!fKept) {
        if (const cResult read = remember(*draft); !read)
            return read;
        fKept = *draft;
    }
    if (const cResult written = fStore.Replace(*fKept, record); !written)
        return written;
    return *fKept;
}

cResultOf<QString> cDraftKeeper::keptFile() const
{
    const QString file = fStore.FileOf(*fKept);
    if (file.isEmpty())
        return cResult::Failed(eFailure::Refused, QStringLiteral("The draft \"%1\" in \"%2\" cannot be taken back.")
                                                      .arg(fKept->key, fKept->folder));
    return file;
}

cResultOf<std::optional<cMessageRef>> cDraftKeeper::Discard()
{
    if (!fKept)
        return std::optional<cMessageRef>();
    const cResultOf<QString> file = keptFile();
    if (!file)
        return file.result();
    const cMessageRef kept = *fKept;
    const bool opened = fOriginal.has_value();
    if (opened) {
        if (const cResult restored = WriteFileAtomically(file.value(), *fOriginal); !restored)
            return restored;
    } else if (QFile::exists(file.value()) && !QFile::remove(file.value())) {
        return cResult::Failed(eFailure::FileSystem,
                               QStringLiteral("The draft \"%1\" cannot be removed.").arg(file.value()));
    }
    fStore.FilesChanged(kept.folder);
    Settle();
    return opened ? std::optional<cMessageRef>(kept) : std::nullopt;
}

void cDraftKeeper::Settle()
{
    fKept.reset();
    fOriginal.reset();
}
