// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files written with eDurability::Deferred are noted here, and FlushDeferredWrites puts every
// one noted so far on disk: the file and the folder that names it, so the flush waits only for
// our own writes, not for every other program's on the same file system. When very many files
// were noted, or one has gone meanwhile (moved by a rule), each of their file systems is flushed
// whole instead: one call beats thousands, and a moved file is covered wherever it went.
#include "storage/cResult.h"

#include <QString>
#include <QStringList>

// Files written otherwise (appended to, moved, copied) and folders made are noted with this.
void NoteDeferredWrite(const QString &path);

// Safe on another thread while files are noted; what is noted meanwhile waits for the next
// call. After a failure the same files are flushed again by the next call.
cResult FlushDeferredWrites();

// The files the next flush puts on disk one by one; none when it flushes file systems whole.
QStringList DeferredWritesWaiting();

// A large file is written to disk from now on, while the rest is fetched; the flush then has
// less left to wait for. handle is open on the file.
void StartWriteBack(int handle);
