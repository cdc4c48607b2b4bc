// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaces a file in one step: the data go to a temporary file beside it, which takes the
// file's name only when every byte was written. A failure (a full disk, a size limit, an
// unwritable folder) leaves the old file as it was. A new file is private to the user (0600);
// a file that exists keeps its mode.
//
// Durable writes also reach the disk before the call returns. A caller writing many files in a
// row (a mail check) may defer that and flush them all at once with FlushDeferredWrites
// (storage/DeferredFlush.h) before it relies on them.
#include <QByteArray>
#include "storage/cResult.h"

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

enum class eDurability { Synced, Deferred };

cResult WriteFileAtomically(const QString &path, const QByteArray &data, eDurability durability = eDurability::Synced);

// The same for data too large to hold at once: write gives it a piece at a time to the function
// it is handed (false when a piece could not be written), and returns false when it failed.
using fWritePiece = std::function<bool(QByteArrayView piece)>;
cResult WriteFileAtomically(const QString &path, const std::function<bool(const fWritePiece &)> &write,
                            eDurability durability = eDurability::Synced);

// A copy of source at target, written as above; source is read whole first.
cResult CopyFileAtomically(const QString &source, const QString &target);

// Writes a file under a name nobody has taken: the data go to a temporary file in the folder,
// which then takes the first free name of those candidate(0), candidate(1), .. offers (an
// empty name ends the offer). A file never replaces another and is never seen half-written.
// Returns the path it took.
cResultOf<QString> WriteNewFileAtomically(const QString &folder, const std::function<QString(int attempt)> &candidate,
                                          const QByteArray &data, eDurability durability = eDurability::Synced);

// For data written as it comes: a new private file in folder, open for writing and named as a
// temporary (a sweep removes it once its writer is gone); null when none can be made.
// ClaimNewName then gives it a name like WriteNewFileAtomically does, or removes it.
std::unique_ptr<QFile> NewTemporaryFile(const QString &folder);
cResultOf<QString> ClaimNewName(const QString &temporary, const QString &folder,
                                const std::function<QString(int attempt)> &candidate, eDurability durability);

// Flushes everything written to the file system that holds path.
cResult SyncFileSystemOf(const QString &path);

// A process killed while writing leaves its hidden temporary behind. This removes, from one
// folder, the temporaries of our own naming that no write can still finish: those of a process
// that no longer runs, and those untouched for ten minutes. Returns how many went.
int RemoveStaleTemporaries(const QString &folder);
