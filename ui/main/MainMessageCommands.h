// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's commands on messages: new message, reply and forward (composers filled
// from ComposerDraft), delete, copy and move, read marks, properties, print and
// opening a draft of Unfinished. Deletes, moves and read marks can be undone, newest first. Every command acts on all selected messages where that makes
// sense; a failure midway stops the run, tells which message failed, and keeps what was done.
#include "ui/main/ComposerDraft.h"
#include "ui/main/MainParts.h"
#include "ui/wndlist/cNewMessageRequest.h"
#include "storage/cUndoHistory.h"

#include <QObject>

#include <functional>

class TfrmMain;
class TfrmReadMessage;

class cMainMessageCommands : public QObject
{
    Q_OBJECT
public:
    cMainMessageCommands(TfrmMain &window, const cMainParts &parts);

    void Wire();

    // A composer for the request; none when the selected original cannot be read (the user
    // was told why).
    void OpenComposerFor(const cComposerRequest &request);
    // The command line's and a second instance's request: To and Subject only.
    void OpenNewMessageWindow(const cNewMessageRequest &request);

    void DeleteSelected();
    void CopySelected();
    void MoveSelected();
    // Into the folder, every selected message; the list shows the result.
    void TransferSelectedTo(const QString &folder, bool move);
    void MarkSelected(bool read);
    // Takes back the newest delete, move or read mark of this session.
    void Undo();
    bool CanUndo() const { return fHistory.CanUndo(); }
    void ShowProperties();
    void PrintPreview();
    void OpenDraft(int row);
    // Double-click and Enter: a draft opens in a composer, any other message in a read window.
    void OpenMessage(int row);

private:
    void ChooseFolderAndTransfer(bool move);
    void ReportStop(const QString &caption, const cStoreBatch &outcome);
    // The history's step, with the list put right by the caller instead of reloaded.
    cStoreBatch Run(const std::function<cStoreBatch()> &step);
    void WireReader(TfrmReadMessage *reader);
    void ShowInReader(TfrmReadMessage *reader, int row);
    // Selects the reader's message in the list, where the list's commands act on it; false
    // (the user told) when the list no longer shows it.
    bool SelectReaderMessage(TfrmReadMessage &reader);
    void StepReader(TfrmReadMessage *reader, int step);

    TfrmMain &fWindow;
    const cMainParts &fParts;
    cUndoHistory fHistory;
};
