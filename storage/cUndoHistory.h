// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of one session that can be taken back: deletes (a move to the Trash), moves and
// read marks, newest last, the oldest forgotten past kMostSteps. The commands run through it so
// that it records what each step really did; Undo reverses the newest step and forgets it.
// A message that vanished or was changed since is left as it is and named in the result;
// nothing is overwritten. Deleting from the Trash is for good: its step only says so.
#include "storage/cMailStore.h"

#include <QList>

// What a run over many messages did before it ended: the messages done, in order, each where
// it is now, and the failure that stopped the run (ok when every one was done).
struct cStoreBatch
{
    QList<cMessageRef> done;
    QList<cMessageRef> now;
    cResult result;
};

class cUndoHistory
{
public:
    static constexpr int kMostSteps = 50;

    explicit cUndoHistory(cMailStore &store) : fStore(store) {}

    // The first failure of a run stops it; what was done stays done, and the rest stays where it was.
    cStoreBatch Delete(const QList<cMessageRef> &messages);
    cStoreBatch Transfer(const QList<cMessageRef> &messages, const QString &targetFolder, bool move);
    cStoreBatch Mark(const QList<cMessageRef> &messages, bool read);

    bool CanUndo() const { return !fSteps.isEmpty(); }
    int Count() const { return int(fSteps.size()); }
    // Takes the newest step back as far as it can; fails when a message could not be restored,
    // with every such message named.
    cResult Undo();

private:
    enum class eKind { Move, Mark, Gone };
    struct cChange
    {
        cMessageRef before;
        cMessageRef after;
        bool wasRead = false;
    };
    struct cStep
    {
        eKind kind = eKind::Move;
        bool read = false;
        QList<cChange> changes;
    };

    void Push(cStep step);
    cResult UndoMove(const cChange &change);
    cResult UndoMark(const cStep &step, const cChange &change);

    cMailStore &fStore;
    QList<cStep> fSteps;
};
