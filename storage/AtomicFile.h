#pragma once
// Replaces a file in one step: the data go to a temporary file beside it, which takes the
// file's name only when every byte was written. A failure (a full disk, a size limit, an
// unwritable folder) leaves the old file as it was.
//
// Durable writes also reach the disk before the call returns. A caller writing many files in a
// row (a mail check) may defer that and flush them all at once with SyncFileSystemOf before it
// relies on them.
#include <QByteArray>
#include <QString>

enum class eDurability { Synced, Deferred };

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr,
                         eDurability durability = eDurability::Synced);

// Flushes everything written to the file system that holds path.
bool SyncFileSystemOf(const QString &path, QString *error = nullptr);
