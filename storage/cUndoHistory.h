// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of one session that can be taken back: deletes (a move to the Trash), moves and
// read marks, newest last, the oldest forgotten past kMostSteps. The commands run through it so
// that it records what each step really did; Undo reverses the newest step and forgets it.
// A message that vanished or was changed since is left as it is and named in the result;
// nothing is overwritten. Deleting from the Trash is for good: its step only says so.
#include "storage/cFolderStore.h"

#include <QList>

class cUndoHistory
{
public:
    static constexpr int kMostSteps = 50;

    cBatchOutcome Delete(const QStringList &paths, const QString &shownFolder);
    cBatchOutcome Transfer(const QStringList &paths, const QString &sourceFolder, const QString &targetFolder, bool move);
    cBatchOutcome Mark(const QStringList &paths, bool read);

    bool CanUndo() const { return !fSteps.isEmpty(); }
    int Count() const { return int(fSteps.size()); }
    // Takes the newest step back as far as it can; fails when a message could not be restored,
    // with every such message named.
    cResult Undo();

private:
    enum class eKind { Move, Mark, Gone };
    struct cChange
    {
        QString before;
        QString after;
        bool wasRead = false;
    };
    struct cStep
    {
        eKind kind = eKind::Move;
        QString sourceFolder;
        bool read = false;
        QList<cChange> changes;
    };

    void Push(cStep step);
    static cResult UndoMove(const cStep &step, const cChange &change);
    static cResult UndoMark(const cStep &step, const cChange &change);

    QList<cStep> fSteps;
};
