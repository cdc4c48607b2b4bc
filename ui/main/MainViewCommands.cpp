// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainViewCommands.h"

#include "storage/MailStorage.h"
#include "storage/cMailStore.h"
#include "storage/cOptions.h"
#include "storage/cOriginalStore.h"
#include "ui/main/KeyboardPopup.h"
#include "ui/main/MainMessageCommands.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cAttachmentList.h"
#include "ui/main/cMainStatusBar.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/unitMain.h"
#include "ui/main/unitViewSource.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QAction>
#include <QDesktopServices>
#include <QListWidget>
#include <QMessageBox>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>
#include <QTreeWidget>

#include <array>

cMainViewCommands::cMainViewCommands(TfrmMain &window, const cMainParts &parts)
    : QObject(&window), fWindow(window), fParts(parts)
{
}

void cMainViewCommands::Wire()
{
    WireToggles();
    WireSorting();
    WirePopups();
    WireTray();
    WireKeyboard();
    fWindow.WireCommand(eMainCommand::mnuTools_Signatures, [this] { RunStep(WindowSteps().ManageSignatures, &fWindow); });
    fWindow.WireCommand(eMainCommand::mnuHelp_About, [this] { RunStep(WindowSteps().ShowAbout, &fWindow); });
}

void cMainViewCommands::WireToggles()
{
    using enum eMainCommand;
    const auto report = [this](const cResult &written) {
        if (!written)
            fWindow.ShowStatusNote(written.text());
    };
    fWindow.WireCommand(mnuView_StatusBar, [this, report] {
        const bool shown = fWindow.Command(mnuView_StatusBar)->isChecked();
        fWindow.statusBar()->setVisible(shown);
        report(cOptions::write(Opt::MainWnd_SBVisible, shown));
    });
    fWindow.WireCommand(mnuView_ContactPane, [this, report] {
        const bool shown = fWindow.Command(mnuView_ContactPane)->isChecked();
        fParts.lstContacts->setVisible(shown);
        report(cOptions::write(Opt::MainWnd_ContactPaneVisible, shown));
    });
    fWindow.Command(mnuView_PreferPlainText)->setChecked(cOptions::read(Opt::MainWnd_PreferPlainText));
    fWindow.WireCommand(mnuView_PreferPlainText, [this, report] {
        report(cOptions::write(Opt::MainWnd_PreferPlainText, fWindow.Command(mnuView_PreferPlainText)->isChecked()));
        fParts.previewPane->Reshow();
    });
    fWindow.WireCommand(mnuView_Toolbar, [this, report] {
        const bool expanded = fWindow.Command(mnuView_Toolbar)->isChecked();
        fWindow.SetToolbarExpanded(expanded);
        report(cOptions::write(Opt::MainWnd_ExpandedToolbar, expanded));
    });
    const bool threaded = cOptions::read(Opt::MainWnd_Threads);
    fWindow.Command(mnuView_Threads)->setChecked(threaded);
    if (threaded)
        fParts.lstMsgs->SetThreaded(true);
    fWindow.WireCommand(mnuView_Threads, [this, report] {
        const bool chosen = fWindow.Command(mnuView_Threads)->isChecked();
        fParts.lstMsgs->SetThreaded(chosen);
        report(cOptions::write(Opt::MainWnd_Threads, chosen));
        if (fParts.lstMsgs->ThreadsAcross())
            fWindow.RefreshMessageList();
    });
    const bool across = cOptions::read(Opt::MainWnd_ThreadsAcross);
    fWindow.Command(mnuView_ThreadsAcross)->setChecked(across);
    fParts.lstMsgs->SetThreadsAcross(across);
    fWindow.WireCommand(mnuView_ThreadsAcross, [this, report] {
        const bool chosen = fWindow.Command(mnuView_ThreadsAcross)->isChecked();
        fParts.lstMsgs->SetThreadsAcross(chosen);
        report(cOptions::write(Opt::MainWnd_ThreadsAcross, chosen));
        fWindow.RefreshMessageList();
    });
}

// The list's header from the keyboard.
void cMainViewCommands::WireSorting()
{
    using enum eMainCommand;
    const std::pair<eMainCommand, int> sorts[] = {{mnuView_SortSubject, MsgColumn::Subject},
                                                  {mnuView_SortPerson, MsgColumn::Person},
                                                  {mnuView_SortAttachment, MsgColumn::Attachment},
                                                  {mnuView_SortDate, MsgColumn::DateTime}};
    for (const auto &[command, column] : sorts)
        fWindow.WireCommand(command, [this, column] { fWindow.lstMsgsHeaderClick(column); });
}

void cMainViewCommands::WirePopups()
{
    using enum eMainCommand;
    fWindow.WireCommand(popMessage_Copy, [this] { fParts.previewPane->Copy(); });
    fWindow.WireCommand(popMessage_SelectAll, [this] { fParts.previewPane->SelectAll(); });
    fWindow.WireCommand(popMessage_Launch, [this] { LaunchSelection(); });
    fWindow.WireCommand(popMessage_ViewSource, [this] { ViewSource(); });
    fWindow.WireCommand(popMessage_SaveEml, [this] { SaveEml(); });
    fWindow.WireCommand(popAttachment_Open, [this] { fParts.lstAttachments->OpenCurrent(); });
    fWindow.WireCommand(popAttachment_OpenFolder,
                        [] { QDesktopServices::openUrl(QUrl::fromLocalFile(AttachmentsFolder())); });
    fWindow.WireCommand(popAttachment_SaveAs, [this] { fParts.lstAttachments->SaveCurrentAs(); });
    fWindow.Popup(ePopup::popMsgs)->setDefaultAction(fWindow.Command(popMsgs_SendNow));
    fWindow.Popup(ePopup::popAttachment)->setDefaultAction(fWindow.Command(popAttachment_Open));

    const auto popupOn = [this](QWidget *widget, auto show) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this, show);
        AddKeyboardPopup(widget);
    };
    popupOn(fParts.lstMsgs, [this](const QPoint &pos) { ShowMessagePopup(pos); });
    const std::array<QAbstractScrollArea *, 2> messagePages{fParts.previewPane->Browser(), fParts.previewPane->HtmlView()};
    for (QAbstractScrollArea *page : messagePages)
        popupOn(page, [this, page](const QPoint &pos) { ShowPopup(ePopup::popMessage, page, pos); });
    popupOn(fParts.lstFolders, [this](const QPoint &pos) { ShowFolderPopup(pos); });
    popupOn(fParts.lstAttachments,
            [this](const QPoint &pos) { ShowPopup(ePopup::popAttachment, fParts.lstAttachments, pos); });
}

void cMainViewCommands::ShowPopup(ePopup popup, QWidget *widget, const QPoint &pos)
{
    // A list's pop-up opens at the point in its viewport, other widgets' at the point in them.
    const auto *view = qobject_cast<QAbstractScrollArea *>(widget);
    fWindow.Popup(popup)->popup((view ? view->viewport() : widget)->mapToGlobal(pos));
}

void cMainViewCommands::ShowMessagePopup(const QPoint &pos)
{
    if (fWindow.SelectedRow() < 0)
        return;
    const bool unsent = cMailStore::KindOf(fWindow.ShownFolder()) == eFolderKind::Unsent;
    fWindow.Command(eMainCommand::popMsgs_SendNow)->setVisible(unsent);
    ShowPopup(ePopup::popMsgs, fParts.lstMsgs, pos);
}

void cMainViewCommands::ShowFolderPopup(const QPoint &pos)
{
    if (QTreeWidgetItem *item = fParts.lstFolders->itemAt(pos))
        fParts.lstFolders->setCurrentItem(item);
    ShowPopup(ePopup::popFolders, fParts.lstFolders, pos);
}

void cMainViewCommands::WireTray()
{
    using enum eMainCommand;
    fWindow.WireCommand(popTray_Show, [this] { fWindow.RxTrayIconClick(QSystemTrayIcon::Trigger); });
    // The tray offers commands of the window; each works as far as the command itself does.
    const std::pair<eMainCommand, eMainCommand> forwarded[] = {
        {popTray_AddressBook, tb_AddressBook}, {popTray_CheckMail, TB_Receive}, {popTray_SendUnsent, mnuTools_SendUnsent}};
    for (const auto &[item, command] : forwarded)
        fWindow.WireCommand(item, [this, command] { fWindow.Command(command)->trigger(); });
    fWindow.WireCommand(popTray_Close, [this] { fWindow.close(); });
    QMenu *popTray = fWindow.Popup(ePopup::popTray);
    popTray->setDefaultAction(fWindow.Command(popTray_Show));
    fParts.RxTrayIcon->setContextMenu(popTray);
}

void cMainViewCommands::WireKeyboard()
{
    const auto withMessage = [this](const QKeySequence &keys, auto act) {
        auto *shortcut = new QShortcut(keys, &fWindow);
        connect(shortcut, &QShortcut::activated, this, [this, act] {
            if (fWindow.SelectedRow() >= 0)
                act();
        });
    };
    const auto properties = [this] { fWindow.Command(eMainCommand::popMsgs_Properties)->trigger(); };
    withMessage(QKeySequence(Qt::ALT | Qt::Key_Return), properties);
    withMessage(QKeySequence(Qt::ALT | Qt::Key_Enter), properties);
    withMessage(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { fParts.previewPane->Copy(); });
}

void cMainViewCommands::LaunchSelection()
{
    const QString text = fParts.previewPane->SelectedText().trimmed();
    const QUrl url = QUrl::fromUserInput(text);
    if (IsOpenableLink(url))
        QDesktopServices::openUrl(url);
    else
        fWindow.ShowStatusNote(tr("\"%1\" was not opened: only web, mail and news addresses are.").arg(text));
}

std::optional<QByteArray> cMainViewCommands::PreviewOriginal(const QString &caption)
{
    const cResultOf<QByteArray> original = cOriginalStore::Read(fParts.previewPane->Original());
    if (!original) {
        QMessageBox::warning(&fWindow, caption, original.text());
        return std::nullopt;
    }
    return original.value();
}

void cMainViewCommands::ViewSource()
{
    if (const auto original = PreviewOriginal(tr("View source")))
        (new TfrmViewSource(fParts.previewPane->Subject(), *original))->show();
}

void cMainViewCommands::SaveEml()
{
    if (const auto original = PreviewOriginal(tr("Save as .eml")))
        SaveOriginalAs(&fWindow, fParts.previewPane->Subject(), *original);
}
