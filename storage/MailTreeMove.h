// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves a mail tree (messages, their originals, contacts, signatures, caches) to another
// folder so that no interruption loses a message: each file is renamed when both folders are
// on one file system, else copied whole (written to a temporary name, synced, renamed) and
// only then removed from the old folder. Stopped or failed half-way, every file is whole in
// one of the two folders (for a moment in both), and running the move again finishes it.
// A file the new folder already holds with other content stays where it is and is reported.
#include "storage/cResult.h"

#include <QStringList>

#include <functional>

// Told before each file; false stops the move there.
using fMoveProgress = std::function<bool(qsizetype done, qsizetype total)>;

enum class eMoveBy { RenameWhenPossible, Copying };

struct cMailTreeMove
{
    QString from;
    QString to;
    // Names of files in the top folder that belong to the running program and stay (its lock).
    QStringList leaveBehind;
    eMoveBy by = eMoveBy::RenameWhenPossible;
};

[[nodiscard]] cResult MoveMailTree(const cMailTreeMove &move, const fMoveProgress &progress);
