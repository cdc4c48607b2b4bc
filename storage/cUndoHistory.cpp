// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cUndoHistory.h"

#include <QCoreApplication>

#include <optional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cUndoHistory)
};

cResult refused(const QString &text)
{
    return cResult::Failed(eFailure::Refused, text);
}

QString nameOf(const cMessageRef &message)
{
    return message.folder + QLatin1Char('/') + message.key;
}

template <typename Act>
cStoreBatch runBatch(const QList<cMessageRef> &messages, Act act)
{
    cStoreBatch outcome;
    for (const cMessageRef &message : messages) {
        const cResultOf<cMessageRef> now = act(message);
        if (!now) {
            outcome.result = now.result();
            break;
        }
        outcome.done.append(message);
        outcome.now.append(now.value());
    }
    return outcome;
}

} // namespace

cStoreBatch cUndoHistory::Delete(const QList<cMessageRef> &messages)
{
    const bool inTrash = !messages.isEmpty() && cMailStore::KindOf(messages.first().folder) == eFolderKind::Trash;
    if (!inTrash)
        return Transfer(messages, FolderName(eFolderKind::Trash), true);
    cStoreBatch outcome = runBatch(messages, [this](const cMessageRef &message) -> cResultOf<cMessageRef> {
        if (cResult deleted = fStore.Delete(message); !deleted)
            return deleted;
        return cMessageRef{};
    });
    if (!outcome.done.isEmpty())
        Push({eKind::Gone, false, {}});
    return outcome;
}

cStoreBatch cUndoHistory::Transfer(const QList<cMessageRef> &messages, const QString &targetFolder, bool move)
{
    cStoreBatch outcome = runBatch(messages, [this, &targetFolder, move](const cMessageRef &message) {
        return fStore.Transfer(message, targetFolder, move);
    });
    if (!move || outcome.done.isEmpty())
        return outcome;
    cStep step{eKind::Move, false, {}};
    for (qsizetype n = 0; n < outcome.done.size(); ++n)
        step.changes.append({outcome.done.at(n), outcome.now.at(n), false});
    Push(std::move(step));
    return outcome;
}

cStoreBatch cUndoHistory::Mark(const QList<cMessageRef> &messages, bool read)
{
    QList<bool> wasRead;
    for (const cMessageRef &message : messages) {
        const cResultOf<cMailMessage> now = fStore.Read(message);
        wasRead.append(now ? now.value().Read : !read);
    }
    cStoreBatch outcome = runBatch(messages, [this, read](const cMessageRef &message) -> cResultOf<cMessageRef> {
        if (cResult marked = fStore.MarkRead(message, read); !marked)
            return marked;
        return message;
    });
    if (outcome.done.isEmpty())
        return outcome;
    cStep step{eKind::Mark, read, {}};
    for (qsizetype n = 0; n < outcome.done.size(); ++n)
        step.changes.append({outcome.done.at(n), outcome.done.at(n), wasRead.at(n)});
    Push(std::move(step));
    return outcome;
}

void cUndoHistory::Push(cStep step)
{
    fSteps.append(std::move(step));
    while (fSteps.size() > kMostSteps)
        fSteps.removeFirst();
}

cResult cUndoHistory::Undo()
{
    if (fSteps.isEmpty())
        return refused(cTexts::tr("There is nothing to undo."));
    const cStep step = fSteps.takeLast();
    if (step.kind == eKind::Gone)
        return refused(cTexts::tr("Messages deleted from the Trash are deleted for good; that cannot be undone."));
    QStringList failures;
    for (const cChange &change : step.changes) {
        const cResult undone = step.kind == eKind::Move ? UndoMove(change) : UndoMark(step, change);
        if (!undone)
            failures.append(undone.text());
    }
    if (failures.isEmpty())
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, failures.join(QLatin1Char('\n')));
}

cResult cUndoHistory::UndoMove(const cChange &change)
{
    if (!fStore.Read(change.after))
        return refused(cTexts::tr("The message \"%1\" is no longer there; it was not moved back.").arg(nameOf(change.after)));
    // A message put in the old place since keeps it.
    return fStore.MoveBack(change.after, change.before).result();
}

cResult cUndoHistory::UndoMark(const cStep &step, const cChange &change)
{
    const cResultOf<cMailMessage> now = fStore.Read(change.after);
    if (!now)
        return refused(cTexts::tr("The message \"%1\" is no longer there; its read mark was not restored.").arg(nameOf(change.after)));
    // Marked otherwise since: that later choice stands.
    if (now.value().Read != step.read)
        return refused(cTexts::tr("The message \"%1\" was marked again since; its read mark was left as it is.").arg(nameOf(change.after)));
    return fStore.MarkRead(change.after, change.wasRead);
}
