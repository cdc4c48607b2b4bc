// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainMessageCommands.h"

#include "mailproto/TVrxAddressList.h"
#include "mailproto/TVrxMimeHeader.h"
#include "storage/DisplayText.h"
#include "storage/cSignatureStore.h"
#include "ui/main/MainIcons.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/unitMain.h"
#include "ui/main/unitReadMessage.h"
#include "ui/main/unitSelectFolder.h"
#include "ui/wndlist/cWindowSteps.h"
#include "transfer/OutgoingMessage.h"
#include "transfer/cAccountStore.h"

#include <QMessageBox>

#include <algorithm>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QTimer>

namespace {

QStringList textLines(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList defaultSignature(const cComposerOptions &options)
{
    if (!options.autoInsertDefSig)
        return {};
    return textLines(cSignatureStore::SignatureText(cSignatureStore::DefaultSignatureName()));
}

QList<cMailbox> recipientsOf(const cMailMessage &message, const QByteArray &charset)
{
    QList<cMailbox> recipients;
    for (const QByteArray &mailbox : TVrxAddressList::Mailboxes(message.To) + TVrxAddressList::Mailboxes(message.CC))
        recipients.append({DisplayText(TVrxAddressList::DisplayNameOf(mailbox), charset),
                           QString::fromUtf8(TVrxAddressList::AddressOf(mailbox))});
    return recipients;
}

// In the order first met, so that each folder's messages are one step of their own.
QList<QList<cMessageRef>> byFolder(const QList<cMessageRef> &messages)
{
    QList<QList<cMessageRef>> groups;
    for (const cMessageRef &message : messages) {
        const auto group = std::find_if(groups.begin(), groups.end(),
                                        [&message](const auto &g) { return g.first().folder == message.folder; });
        if (group == groups.end())
            groups.append({message});
        else
            group->append(message);
    }
    return groups;
}

cOriginalMessage originalOf(const QString &path, const cMailMessage &message)
{
    const QByteArray charset = DeclaredCharset(message.headerLines);
    const TVrxMimeHeader header(message.headerLines);
    return {path, DisplayText(message.Subject, charset), DisplayText(message.From, charset),
            DisplayText(message.ReplyAddress, charset), textLines(DisplayBody(message.body, charset)),
            header.Value("Message-ID"), header.Value("References"), header.Value("In-Reply-To"),
            recipientsOf(message, charset), message.attachments};
}


} // namespace

cMainMessageCommands::cMainMessageCommands(TfrmMain &window, const cMainParts &parts)
    : QObject(&window), fWindow(window), fParts(parts), fHistory(window.Store())
{
}

void cMainMessageCommands::Wire()
{
    using enum eMainCommand;
    const auto composer = [this](eComposerCommand command) {
        return [this, command] { OpenComposerFor(RequestFor(command)); };
    };
    for (eMainCommand id : {tb_NewMessage, mnuTools_NewMessage, popTray_NewMessage})
        fWindow.WireCommand(id, composer(eComposerCommand::NewMessage));
    for (eMainCommand id : {tb_Reply, mnuTools_Reply})
        fWindow.WireCommand(id, composer(eComposerCommand::Reply));
    fWindow.WireCommand(mnuTools_ReplyQuoted, composer(eComposerCommand::ReplyQuoted));
    fWindow.WireCommand(mnuTools_ReplyAll, composer(eComposerCommand::ReplyAll));
    for (eMainCommand id : {mnuTools_Forward, popMsgs_Forward})
        fWindow.WireCommand(id, composer(eComposerCommand::Forward));
    fWindow.WireCommand(mnuTools_ForwardAsAttachment, composer(eComposerCommand::ForwardAsAttachment));
    for (eMainCommand id : {tb_Delete, mnuTools_Delete})
        fWindow.WireCommand(id, [this] { DeleteSelected(); });
    fWindow.WireCommand(mnuFile_CopyTo, [this] { CopySelected(); });
    fWindow.WireCommand(mnuFile_MoveTo, [this] { MoveSelected(); });
    fWindow.WireCommand(popMsgs_MarkRead, [this] { MarkSelected(true); });
    fWindow.WireCommand(popMsgs_MarkUnread, [this] { MarkSelected(false); });
    fWindow.WireCommand(mnuEdit_Undo, [this] { Undo(); });
    fWindow.WireCommand(popMsgs_Properties, [this] { ShowProperties(); });
    fWindow.WireCommand(mnuFile_Print, [this] { PrintPreview(); });
    connect(fParts.lstMsgs, &QTreeView::doubleClicked, this, [this](const QModelIndex &entry) { OpenMessage(entry.row()); });
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), fParts.lstMsgs, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { OpenMessage(fWindow.SelectedRow()); });
    }
}

void cMainMessageCommands::OpenComposerFor(const cComposerRequest &request)
{
    const cComposerOptions options = cComposerOptions::Read();
    cOriginalMessage original;
    if (!request.isNew) {
        const std::optional<cMessageRef> selected = fWindow.SelectedMessage();
        if (!selected)
            return;
        const cResultOf<cMailMessage> message = fWindow.Store().Read(*selected);
        if (!message) {
            QMessageBox::warning(&fWindow, tr("Cannot open the message"), message.text());
            return;
        }
        original = originalOf(fWindow.Store().FileOf(*selected), message.value());
        if (request.attachOriginal) {
            const cResultOf<QString> saved = SaveForwardable(original.path, original.subject);
            if (!saved) {
                QMessageBox::warning(&fWindow, tr("Cannot forward the message"), saved.text());
                return;
            }
            original.forwardable = saved.value();
        }
    }
    const QStringList own = request.replyAll ? cAccountStore::OwnAddresses() : QStringList();
    RunStep(WindowSteps().NewMessage, ComposerDraft(request, options, original, defaultSignature(options), own));
}

void cMainMessageCommands::OpenNewMessageWindow(const cNewMessageRequest &request)
{
    RunStep(WindowSteps().NewMessage, ContentOf(request));
}

void cMainMessageCommands::ReportStop(const QString &caption, const cStoreBatch &outcome)
{
    if (!outcome.result)
        QMessageBox::warning(&fWindow, caption, outcome.result.text());
}

cStoreBatch cMainMessageCommands::Run(const std::function<cStoreBatch()> &step)
{
    cStoreBatch outcome;
    fWindow.ChangeQuietly([&outcome, &step] { outcome = step(); });
    return outcome;
}

void cMainMessageCommands::DeleteSelected()
{
    const cStoreBatch outcome = Run([this] {
        cStoreBatch all;
        // From the Trash for good, from elsewhere into it: one step per folder.
        for (const QList<cMessageRef> &group : byFolder(fWindow.SelectedMessages())) {
            const cStoreBatch part = fHistory.Delete(group);
            all.done += part.done;
            all.result = part.result;
            if (!all.result)
                break;
        }
        return all;
    });
    fWindow.TakeOutEntries(outcome.done);
    ReportStop(tr("Cannot delete the message"), outcome);
}

void cMainMessageCommands::CopySelected()
{
    ChooseFolderAndTransfer(false);
}

void cMainMessageCommands::MoveSelected()
{
    ChooseFolderAndTransfer(true);
}

void cMainMessageCommands::ChooseFolderAndTransfer(bool move)
{
    using eAction = TfrmSelectFolder::eAction;
    TfrmSelectFolder chooser(move ? eAction::Move : eAction::Copy, fWindow.FolderNames(), &fWindow);
    if (chooser.exec() == QDialog::Accepted && !chooser.SelectedFolder().isEmpty())
        TransferSelectedTo(chooser.SelectedFolder(), move);
}

void cMainMessageCommands::TransferSelectedTo(const QString &folder, bool move)
{
    const QString shown = fWindow.ShownFolder();
    const cStoreBatch outcome =
        Run([this, &folder, move] { return fHistory.Transfer(fWindow.SelectedMessages(), folder, move); });
    // Into the folder shown, the list gains entries; otherwise a move only takes some out.
    if (folder.compare(shown, Qt::CaseInsensitive) == 0)
        fWindow.LoadMessageList(shown);
    else if (move)
        fWindow.TakeOutEntries(outcome.done);
    ReportStop(move ? tr("Cannot move the message") : tr("Cannot copy the message"), outcome);
}

void cMainMessageCommands::MarkSelected(bool read)
{
    fParts.tmrReadUnread->stop();
    const cStoreBatch outcome = Run([this, read] { return fHistory.Mark(fWindow.SelectedMessages(), read); });
    for (int row : fParts.lstMsgs->SelectedRows())
        if (outcome.done.contains(fParts.lstMsgs->Model()->Ref(row)))
            fWindow.ShowReadMark(row, read);
    fWindow.RefreshCommandStates();
    ReportStop(tr("Cannot mark the message"), outcome);
}

void cMainMessageCommands::Undo()
{
    cResult undone;
    fWindow.ChangeQuietly([this, &undone] { undone = fHistory.Undo(); });
    fWindow.LoadMessageList(fWindow.ShownFolder());
    fWindow.RefreshCommandStates();
    if (!undone)
        QMessageBox::warning(&fWindow, tr("Cannot undo"), undone.text());
}

void cMainMessageCommands::ShowProperties()
{
    if (const std::optional<cMessageRef> selected = fWindow.SelectedMessage())
        RunStep(WindowSteps().ShowMessageProperties, *selected, &fWindow);
}

void cMainMessageCommands::PrintPreview()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, &fWindow);
    if (dialog.exec() == QDialog::Accepted)
        fParts.previewPane->Print(printer);
}

void cMainMessageCommands::OpenDraft(int row)
{
    if (cMailStore::KindOf(fWindow.ShownFolder()) != eFolderKind::Unfinished || row < 0)
        return;
    RunStep(WindowSteps().OpenDraft, fParts.lstMsgs->Model()->Ref(row), &fWindow);
}

void cMainMessageCommands::OpenMessage(int row)
{
    if (row < 0)
        return;
    if (cMailStore::KindOf(fWindow.ShownFolder()) == eFolderKind::Unfinished) {
        OpenDraft(row);
        return;
    }
    auto *reader = new TfrmReadMessage(fWindow.Store(), &fWindow);
    WireReader(reader);
    ShowInReader(reader, row);
    reader->show();
    reader->raise();
    reader->activateWindow();
}

void cMainMessageCommands::WireReader(TfrmReadMessage *reader)
{
    const auto onItsMessage = [this, reader](auto act) {
        return [this, reader, act] {
            if (SelectReaderMessage(*reader))
                act();
        };
    };
    connect(reader, &TfrmReadMessage::ReplyRequested, this,
            onItsMessage([this] { OpenComposerFor(RequestFor(eComposerCommand::Reply)); }));
    connect(reader, &TfrmReadMessage::ForwardRequested, this,
            onItsMessage([this] { OpenComposerFor(RequestFor(eComposerCommand::Forward)); }));
    connect(reader, &TfrmReadMessage::DeleteRequested, this, onItsMessage([this, reader] {
        DeleteSelected();
        // The list moved on to the entry at the deleted one's place; so does the reader.
        if (const int row = fWindow.SelectedRow(); row >= 0 && fWindow.SelectedMessage() != reader->Message())
            ShowInReader(reader, row);
        else if (row < 0)
            reader->close();
    }));
    connect(reader, &TfrmReadMessage::PreviousRequested, this, [this, reader] { StepReader(reader, -1); });
    connect(reader, &TfrmReadMessage::NextRequested, this, [this, reader] { StepReader(reader, 1); });
}

void cMainMessageCommands::ShowInReader(TfrmReadMessage *reader, int row)
{
    fParts.lstMsgs->SelectRow(row);
    if (reader->ShowMessage(fParts.lstMsgs->Model()->Ref(row)))
        fWindow.MarkRowRead(row);
    reader->SetNeighbours(row > 0, row + 1 < fParts.lstMsgs->Count());
}

bool cMainMessageCommands::SelectReaderMessage(TfrmReadMessage &reader)
{
    const int row = fParts.lstMsgs->RowOf(reader.Message());
    if (row < 0) {
        QMessageBox::warning(&reader, tr("Cannot find the message"),
                             tr("The message \"%1\" is no longer in the list of the folder shown.").arg(reader.windowTitle()));
        return false;
    }
    if (fWindow.SelectedMessages() != QList<cMessageRef>{reader.Message()})
        fParts.lstMsgs->SelectRow(row);
    return true;
}

void cMainMessageCommands::StepReader(TfrmReadMessage *reader, int step)
{
    if (!SelectReaderMessage(*reader))
        return;
    const int row = fParts.lstMsgs->RowOf(reader->Message()) + step;
    if (row >= 0 && row < fParts.lstMsgs->Count())
        ShowInReader(reader, row);
}
