// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cUndoHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// The read mark as the file has it now; nothing when it cannot be read.
std::optional<bool> readMarkOf(const QString &path)
{
    cMailMessage header;
    if (!header.ReadFile(path, true))
        return std::nullopt;
    return header.Read;
}

} // namespace

cBatchOutcome cUndoHistory::Delete(const QStringList &paths, const QString &shownFolder)
{
    if (cFolderStore::FolderKind(shownFolder) != eFolderKind::Trash)
        return Transfer(paths, shownFolder, FolderName(eFolderKind::Trash), true);
    cBatchOutcome outcome = cFolderStore::DeleteMessages(paths, shownFolder);
    if (!outcome.done.isEmpty())
        Push({eKind::Gone, shownFolder, false, {}});
    return outcome;
}

cBatchOutcome cUndoHistory::Transfer(const QStringList &paths, const QString &sourceFolder,
                                     const QString &targetFolder, bool move)
{
    cBatchOutcome outcome = cFolderStore::TransferMessages(paths, sourceFolder, targetFolder, move);
    if (!move || outcome.done.isEmpty())
        return outcome;
    cStep step{eKind::Move, sourceFolder, false, {}};
    for (qsizetype n = 0; n < outcome.done.size(); ++n)
        step.changes.append({outcome.done.at(n), outcome.newPaths.at(n), false});
    Push(std::move(step));
    return outcome;
}

cBatchOutcome cUndoHistory::Mark(const QStringList &paths, bool read)
{
    QList<bool> wasRead;
    for (const QString &path : paths)
        wasRead.append(readMarkOf(path).value_or(!read));
    cBatchOutcome outcome = cFolderStore::MarkMessagesRead(paths, read);
    if (outcome.done.isEmpty())
        return outcome;
    cStep step{eKind::Mark, {}, read, {}};
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
        const cResult undone = step.kind == eKind::Move ? UndoMove(step, change) : UndoMark(step, change);
        if (!undone)
            failures.append(undone.text());
    }
    if (step.kind == eKind::Move)
        cFolderStore::RefreshIfShown(step.sourceFolder);
    if (failures.isEmpty())
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, failures.join(QLatin1Char('\n')));
}

cResult cUndoHistory::UndoMove(const cStep &step, const cChange &change)
{
    if (!QFileInfo::exists(change.after))
        return refused(cTexts::tr("The message \"%1\" is no longer there; it was not moved back.").arg(change.after));
    // Back under its own name where that is free; a message put there since keeps its place.
    if (!QFileInfo::exists(change.before) && QFile::rename(change.after, change.before))
        return cResult::Ok();
    const QString folder = QFileInfo(change.after).dir().dirName();
    return cFolderStore::TransferMessage(change.after, folder, step.sourceFolder, true, false).result();
}

cResult cUndoHistory::UndoMark(const cStep &step, const cChange &change)
{
    const std::optional<bool> now = readMarkOf(change.after);
    if (!now)
        return refused(cTexts::tr("The message \"%1\" is no longer there; its read mark was not restored.").arg(change.after));
    // Marked otherwise since: that later choice stands.
    if (*now != step.read)
        return refused(cTexts::tr("The message \"%1\" was marked again since; its read mark was left as it is.").arg(change.after));
    return cFolderStore::MarkRead(change.after, change.wasRead);
}
