// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/unitMain.h"

#include "storage/MailStorage.h"
#include "storage/cFolderIndex.h"
#include "storage/cQrzMailStore.h"
#include "storage/cOptions.h"
#include "ui/icons/ThemedIcon.h"
#include "ui/main/MainFolderCommands.h"
#include "ui/main/MainIcons.h"
#include "ui/main/cAttachmentList.h"
#include "ui/main/MainMessageCommands.h"
#include "ui/main/MainViewCommands.h"
#include "ui/main/cMainSearch.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cMessageList.h"
#include "ui/main/cQuickFilter.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/cMainStatusBar.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h"
#include "ui/wndlist/cWindowSteps.h"
#include "ui/wndlist/unitWndListProcs.h"
#include "ui/wndlist/WindowSize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"Tolvan Ravelin"_s;
constexpr int kFolderNameRole = Qt::UserRole;
constexpr int kLargeSize = 100000; // whatever is left goes to the stretching pane

QList<QIcon> imageList(QIcon (*image)(int), int count)
{
    QList<QIcon> images;
    for (int index = 0; index < count; ++index)
        images.append(image(index));
    return images;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent) : TfrmMain(*new cQrzMailStore, parent)
{
    fStore.setParent(this);
}

TfrmMain::TfrmMain(cMailStore &store, QWidget *parent)
    : QMainWindow(parent), fMsgImages(imageList(MessageIcon, MsgImage::Unread + 1)),
      fTrayImages(imageList(TrayIcon, TrayImage::NewMail + 1)), fStore(store)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    BuildCommands();
    BuildPanes();
    fStatus = std::make_unique<cMainStatusBar>(statusBar(), fMsgImages.at(MsgImage::Status));
    BuildTimers();
    RxTrayIcon = new QSystemTrayIcon(this);
    RxTrayIcon->setObjectName(u"RxTrayIcon"_s);
    RxTrayIcon->setToolTip(kCaption);
    connect(RxTrayIcon, &QSystemTrayIcon::activated, this, &TfrmMain::RxTrayIconClick);
    ConnectWindowList();
    connect(&fStore, &cMailStore::FolderChanged, this, &TfrmMain::RefreshIfShown);
    fParts = {lstMsgs, lstFolders, fPreviewPane, lstAttachments, lstContacts, RxTrayIcon, tmrReadUnread};
    fMessageCommands = new cMainMessageCommands(*this, fParts);
    fFolderCommands = new cMainFolderCommands(*this, fParts, *fMessageCommands);
    fViewCommands = new cMainViewCommands(*this, fParts);
    fSearch = new cMainSearch(*this, fParts, *edtFilter);
    connect(this, &TfrmMain::NewMessageWindowRequested, fMessageCommands, &cMainMessageCommands::OpenNewMessageWindow);
    RefreshCommandStates();
}

TfrmMain::~TfrmMain()
{
    // The lists report their teardown; nothing of this window may answer it any more.
    disconnect(lstMsgs, nullptr, this, nullptr);
    disconnect(lstMsgs->selectionModel(), nullptr, this, nullptr);
    disconnect(lstFolders, nullptr, this, nullptr);
}

void TfrmMain::BuildCommands()
{
    tbMain = addToolBar(tr("Main"));
    tbMain->setObjectName(u"tbMain"_s);
    tbMain->setMovable(false);
    popWins = new QMenu(this);
    popWins->setObjectName(u"popWins"_s);

    QMenuBar *ToolBar1 = menuBar();
    ToolBar1->setObjectName(u"ToolBar1"_s);
    QMenu *file = ToolBar1->addMenu(tr("&File"));
    // In the order of eCommandPlace; pop-up items are placed by BuildPopups.
    const std::array<QWidget *, 8> places{tbMain, file->addMenu(tr("&Folder")), file, ToolBar1->addMenu(tr("&Edit")),
                                          ToolBar1->addMenu(tr("&View")), ToolBar1->addMenu(tr("&Tools")),
                                          ToolBar1->addMenu(tr("&Help")), nullptr};
    for (const cMainCommand &info : MainCommands())
        AddCommand(info, places.at(static_cast<std::size_t>(info.place)));
    file->addSeparator();
    QAction *exit = file->addAction(tr("Exit"), this, &QWidget::close);
    exit->setObjectName(u"mnuFile_Exit"_s);

    if (auto *button = qobject_cast<QToolButton *>(tbMain->widgetForAction(Command(eMainCommand::tb_Windows))))
        button->setPopupMode(QToolButton::InstantPopup);
    BuildPopups();
}

void TfrmMain::BuildPopups()
{
    for (ePopup popup : kPopups) {
        auto *menu = new QMenu(this);
        menu->setObjectName(QLatin1String(PopupName(popup)));
        menu->setTitle(menu->objectName());
        for (eMainCommand id : PopupCommands(popup)) {
            if (id == eMainCommand::Count)
                menu->addSeparator();
            else
                menu->addAction(Command(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &TfrmMain::RefreshCommandStates);
        fPopups.at(static_cast<std::size_t>(popup)) = menu;
    }
}

QMenu *TfrmMain::Popup(ePopup popup) const
{
    return fPopups.at(static_cast<std::size_t>(popup));
}

void TfrmMain::WireOwnCommands()
{
    fMessageCommands->Wire();
    fFolderCommands->Wire();
    fViewCommands->Wire();
    fSearch->Wire();
}

void TfrmMain::AddCommand(const cMainCommand &info, QWidget *place)
{
    auto *action = new QAction(tr(info.text), this);
    action->setObjectName(QLatin1String(info.name));
    if (info.hint)
        action->setToolTip(tr(info.hint));
    if (info.icon)
        action->setIcon(ThemedIcon(QLatin1String(info.icon)));
    if (info.shortcut)
        action->setShortcut(QKeySequence(QLatin1String(info.shortcut)));
    action->setCheckable(info.checkable);
    if (info.rule == eCommandRule::WindowList)
        action->setMenu(popWins);
    if (place && info.separatorBefore) {
        auto *separator = new QAction(this);
        separator->setSeparator(true);
        place->addAction(separator);
    }
    if (place)
        place->addAction(action);
    fCommands.at(static_cast<std::size_t>(info.id)) = {action, info.rule, false};
}

QAction *TfrmMain::Command(eMainCommand id) const
{
    return fCommands.at(static_cast<std::size_t>(id)).action;
}

void TfrmMain::BuildPanes()
{
    lstFolders = new QTreeWidget;
    lstFolders->setObjectName(u"lstFolders"_s);
    lstFolders->setHeaderHidden(true);
    lstFolders->setRootIsDecorated(false);
    lstFolders->setIconSize(QSize(20, 20));
    lstFolders->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (eFolderKind kind : kFixedFolderKinds)
        AddFolderItem(FolderName(kind), kind);
    connect(lstFolders, &QTreeWidget::currentItemChanged, this, &TfrmMain::lstFoldersChange);

    lstContacts = new QListWidget;
    lstContacts->setObjectName(u"lstContacts"_s);
    spltContacts = new QSplitter(Qt::Vertical);
    spltContacts->setObjectName(u"spltContacts"_s);
    spltContacts->addWidget(lstFolders);
    spltContacts->addWidget(lstContacts);
    spltContacts->setStretchFactor(0, 1);
    spltContacts->setStretchFactor(1, 0);
    pnlLeft = new QWidget;
    pnlLeft->setObjectName(u"pnlLeft"_s);
    auto *left = new QVBoxLayout(pnlLeft);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(spltContacts);

    lstMsgs = new cMessageList(fMsgImages);
    lstMsgs->setObjectName(u"lstMsgs"_s);
    connect(lstMsgs->header(), &QHeaderView::sectionClicked, this, &TfrmMain::lstMsgsHeaderClick);
    connect(lstMsgs->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TfrmMain::lstMsgsChange);
    connect(lstMsgs, &QTreeView::clicked, this, &TfrmMain::lstMsgsClick);
    connect(lstMsgs, &cMessageList::Followed, this, &TfrmMain::ShowMessageCount);
    edtFilter = new cQuickFilter(lstMsgs, this);
    edtFilter->setObjectName(u"edtFilter"_s);
    auto *pnlMsgs = new QWidget;
    auto *msgs = new QVBoxLayout(pnlMsgs);
    msgs->setContentsMargins(0, 0, 0, 0);
    msgs->setSpacing(2);
    msgs->addWidget(edtFilter);
    msgs->addWidget(lstMsgs, 1);

    fPreviewPane = new cPreviewPane;
    fPreviewPane->Browser()->setObjectName(u"htmlView"_s);
    connect(fPreviewPane, &cPreviewPane::StatusNote, this, &TfrmMain::ShowStatusNote);
    connect(fPreviewPane, &cPreviewPane::LinkHovered, this, &TfrmMain::ShowStatusNote);
    connect(fPreviewPane, &cPreviewPane::SelectionChanged, this, &TfrmMain::RefreshCommandStates);
    spltHorizontal = new QSplitter(Qt::Vertical);
    spltHorizontal->setObjectName(u"spltHorizontal"_s);
    spltHorizontal->addWidget(pnlMsgs);
    spltHorizontal->addWidget(fPreviewPane);
    spltHorizontal->setStretchFactor(0, 0);
    spltHorizontal->setStretchFactor(1, 1);

    lstAttachments = new cAttachmentList;
    lstAttachments->setObjectName(u"lstAttachments"_s);
    lstAttachments->setFlow(QListView::LeftToRight);
    lstAttachments->setWrapping(true);
    lstAttachments->setIconSize(QSize(16, 16));
    lstAttachments->setMaximumHeight(44);
    lstAttachments->hide();
    connect(lstAttachments, &QListWidget::itemSelectionChanged, this, &TfrmMain::RefreshCommandStates);
    pnlRight = new QWidget;
    pnlRight->setObjectName(u"pnlRight"_s);
    auto *right = new QVBoxLayout(pnlRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(2);
    right->addWidget(spltHorizontal, 1);
    right->addWidget(lstAttachments);

    splVertical = new QSplitter(Qt::Horizontal);
    splVertical->setObjectName(u"splVertical"_s);
    splVertical->addWidget(pnlLeft);
    splVertical->addWidget(pnlRight);
    splVertical->setStretchFactor(0, 0);
    splVertical->setStretchFactor(1, 1);
    setCentralWidget(splVertical);
}

QTimer *TfrmMain::AddTimer(const char *name, int interval, bool singleShot)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    timer->setSingleShot(singleShot);
    return timer;
}

void TfrmMain::BuildTimers()
{
    tmrRunNewAccountWizard = AddTimer("tmrRunNewAccountWizard", 50, true);
    connect(tmrRunNewAccountWizard, &QTimer::timeout, this, &TfrmMain::NewAccountWizardRequested);
    tmrCheckForMail = AddTimer("tmrCheckForMail", CheckTimerInterval(Opt::VerifyMailInterval.def), false);
    connect(tmrCheckForMail, &QTimer::timeout, this, &TfrmMain::MailCheckRequested);
    tmrShowNewMsgWindow = AddTimer("tmrShowNewMsgWindow", 20, true);
    connect(tmrShowNewMsgWindow, &QTimer::timeout, this, &TfrmMain::tmrShowNewMsgWindowTimer);
    tmrReadUnread = AddTimer("tmrReadUnread", 3000, true);
    connect(tmrReadUnread, &QTimer::timeout, this, &TfrmMain::tmrReadUnreadTimer);
}

void TfrmMain::ConnectWindowList()
{
    cWndList &list = cWndList::instance();
    connect(&list, &cWndList::ItemAdded, this, &TfrmMain::AddWindowListItem);
    QAction *tb_Windows = Command(eMainCommand::tb_Windows);
    connect(&list, &cWndList::CountChanged, tb_Windows, [tb_Windows](int count) { tb_Windows->setEnabled(count > 0); });
    for (cMenuItem *item : list.Items())
        AddWindowListItem(item, item->AssociatedForm() ? item->AssociatedForm()->windowIcon() : QIcon());
    tb_Windows->setEnabled(list.Count() > 0);
}

void TfrmMain::AddWindowListItem(cMenuItem *item, const QIcon &formIcon)
{
    if (!formIcon.isNull()) {
        imgWins.append(formIcon);
        item->setIcon(imgWins.last());
    }
    popWins->addAction(item);
}

void TfrmMain::WireCommand(eMainCommand id, const std::function<void()> &handler)
{
    cCommand &command = fCommands.at(static_cast<std::size_t>(id));
    command.wired = true;
    connect(command.action, &QAction::triggered, this, handler);
    RefreshCommandStates();
}

void TfrmMain::RefreshCommandStates()
{
    const bool messageSelected = SelectedRow() >= 0;
    for (const cCommand &command : fCommands)
        if (command.rule != eCommandRule::WindowList)
            command.action->setEnabled(command.wired && CommandUsable(command.rule, messageSelected));
}

bool TfrmMain::CommandUsable(eCommandRule rule, bool messageSelected) const
{
    switch (rule) {
    case eCommandRule::NeedsMessage: return messageSelected;
    case eCommandRule::UserFolder:
        return !ShownFolder().isEmpty() && cMailStore::KindOf(ShownFolder()) == eFolderKind::User;
    case eCommandRule::Deletable:
        return CommandUsable(eCommandRule::UserFolder, false) || cMainSearch::IsSaved(lstFolders->currentItem());
    case eCommandRule::PreviewText: return fPreviewPane->HasSelection();
    case eCommandRule::Attachment: return !lstAttachments->selectedItems().isEmpty();
    case eCommandRule::Original: return !fPreviewPane->Original().isEmpty();
    case eCommandRule::Undo: return fMessageCommands && fMessageCommands->CanUndo();
    case eCommandRule::Wired:
    case eCommandRule::WindowList: break;
    }
    return true;
}

bool TfrmMain::FormCreate(const cCreateSteps &steps)
{
    ApplyPreviewFont();
    ApplyCheckTimer();
    ApplyWindowSettings(cMainWndSettings::Read());
    lstMsgs->SetSort(cMsgListSort::Read());
    if (!steps.PrepareStorage || !steps.PrepareStorage())
        return false;
    fAccountsExist = steps.AccountsExist;
    if (steps.CheckDefaultClient && cOptions::read(Opt::CheckForDefClient))
        steps.CheckDefaultClient();
    ResetTrayIcon();
    if (QSystemTrayIcon::isSystemTrayAvailable())
        RxTrayIcon->show();
    show();
    KeepOnScreen(this); // a geometry kept on a larger screen; the frame is known once shown
    LoadFolderTree();
    SelectFolder(FolderName(eFolderKind::Inbox));
    return true;
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMain::FormShow()
{
    if (fAccountsExist && !fAccountsExist())
        tmrRunNewAccountWizard->start();
    if (fNewMessagePending)
        tmrShowNewMsgWindow->start();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (const auto &settle = WindowSteps().SettleComposersBeforeExit; settle && !settle(this)) {
        event->ignore();
        return;
    }
    FormCloseQuery();
    event->accept();
    // The program ends with its last window; one left open (the address book, a draft) would keep it running.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

void TfrmMain::FormCloseQuery()
{
    if (const cResult written = CurrentWindowSettings().WriteOnClose(); !written)
        QMessageBox::warning(this, kCaption, tr("The window settings could not be saved.\n\n") + written.text());
    fLoading = true;
    tmrReadUnread->stop();
}

void TfrmMain::ApplyWindowSettings(const cMainWndSettings &settings)
{
    statusBar()->setVisible(settings.sbVisible);
    Command(eMainCommand::mnuView_StatusBar)->setChecked(settings.sbVisible);
    splVertical->setSizes({settings.leftPaneWidth, kLargeSize});
    spltHorizontal->setSizes({settings.msgListHeight, kLargeSize});
    SetToolbarExpanded(settings.expandedToolbar);
    lstContacts->setVisible(settings.contactPaneVisible);
    Command(eMainCommand::mnuView_ContactPane)->setChecked(settings.contactPaneVisible);
    fContactPaneHeight = settings.contactPaneHeight;
    spltContacts->setSizes({kLargeSize, settings.contactPaneHeight});
    for (int column = 0; column < MsgColumn::Count; ++column)
        lstMsgs->setColumnWidth(column, settings.msgColumnWidths.value(column));
    lstMsgs->setColumnWidth(MsgColumn::Attachment, kAttachmentColumnWidth);
    move(settings.geometry.topLeft());
    resize(settings.geometry.size());
    if (settings.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

cMainWndSettings TfrmMain::CurrentWindowSettings() const
{
    cMainWndSettings s;
    s.maximized = isMaximized();
    s.geometry = s.maximized ? normalGeometry() : QRect(pos(), size());
    s.msgListHeight = spltHorizontal->sizes().value(0);
    s.leftPaneWidth = splVertical->sizes().value(0);
    s.contactPaneVisible = !lstContacts->isHidden();
    // A hidden pane measures nothing; it keeps the height it had.
    s.contactPaneHeight = s.contactPaneVisible ? spltContacts->sizes().value(1) : fContactPaneHeight;
    for (int column = 0; column < MsgColumn::Count; ++column)
        s.msgColumnWidths.append(lstMsgs->columnWidth(column));
    return s;
}

void TfrmMain::SetToolbarExpanded(bool expanded)
{
    tbMain->setToolButtonStyle(expanded ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    tbMain->setIconSize(expanded ? QSize(24, 24) : QSize(16, 16));
    Command(eMainCommand::mnuView_Toolbar)->setChecked(expanded);
}

bool TfrmMain::IsToolbarExpanded() const
{
    return tbMain->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
}

void TfrmMain::ApplyPreviewFont()
{
    fPreviewPane->ApplyFontOption();
}

void TfrmMain::ApplyCheckTimer()
{
    const int interval = CheckTimerInterval(cOptions::read(Opt::VerifyMailInterval));
    if (cOptions::read(Opt::VerifyMail) && interval > 0)
        tmrCheckForMail->start(interval);
    else
        tmrCheckForMail->stop();
}

void TfrmMain::LoadFolderTree()
{
    fFolderCommands->AddStoreFolders(true);
}

void TfrmMain::ShowNewOnDemandFolders()
{
    fFolderCommands->AddStoreFolders(false);
}

void TfrmMain::ShowNewMailTree()
{
    fFolderCommands->ShowNewTree();
}

QTreeWidgetItem *TfrmMain::AddFolderItem(const QString &folder, eFolderKind kind)
{
    // Made whole before it joins the tree, which reports every change of a member as an edit.
    auto *item = new QTreeWidgetItem({folder});
    item->setIcon(0, FolderIcon(kind));
    SetFolderItemName(item, folder);
    if (kind == eFolderKind::User)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    lstFolders->insertTopLevelItem(cMainSearch::FirstSearchRow(*lstFolders), item);
    return item;
}

QStringList TfrmMain::FolderNames() const
{
    QStringList names;
    for (int row = 0; row < cMainSearch::FirstSearchRow(*lstFolders); ++row)
        names.append(FolderItemName(lstFolders->topLevelItem(row)));
    return names;
}

QString TfrmMain::FolderItemName(const QTreeWidgetItem *item)
{
    return item->data(0, kFolderNameRole).toString();
}

void TfrmMain::SetFolderItemName(QTreeWidgetItem *item, const QString &folder)
{
    item->setData(0, kFolderNameRole, folder);
}

void TfrmMain::SelectFolder(const QString &folder)
{
    const QList<QTreeWidgetItem *> found = lstFolders->findItems(folder, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        lstFolders->setCurrentItem(found.first());
}

void TfrmMain::lstFoldersChange()
{
    if (lstFolders->currentItem() && !fSearch->ShowIfSearch(lstFolders->currentItem()))
        OpenMessageList(ShownFolder());
}

QString TfrmMain::ShownFolder() const
{
    const QTreeWidgetItem *item = lstFolders->currentItem();
    return item ? FolderItemName(item) : QString();
}

void TfrmMain::RefreshIfShown(const QString &folder)
{
    if (!fQuiet && !folder.isEmpty() && ShownFolder() == folder)
        LoadMessageList(folder);
}

void TfrmMain::RefreshMessageList()
{
    RefreshIfShown(ShownFolder());
}

void TfrmMain::ChangeQuietly(const std::function<void()> &change)
{
    const QScopedValueRollback quiet(fQuiet, true);
    change();
}

void TfrmMain::ShowReadMark(int row, bool read) const
{
    cMsgListModel *model = lstMsgs->Model();
    model->SetIcon(row, read ? model->ReadIcon(row) : int(MsgImage::Unread));
}

void TfrmMain::LoadMessageList(const QString &folder)
{
    if (folder.isEmpty() && fSearch->Rerun())
        return;
    ShowMessageList([this, &folder] {
        if (!lstMsgs->LoadConversations(folder, fStore.Folders()))
            lstMsgs->Load(folder, fStore.FolderDirectory(folder), IndexEntries(fStore.List(folder)));
    });
}

void TfrmMain::ShowSearchResults(cMsgListModel::cPrepared rows)
{
    ShowMessageList([this, &rows] { lstMsgs->LoadAcross(MailFolderRoot(), std::move(rows)); });
}

void TfrmMain::OpenMessageList(const QString &folder)
{
    const QString directory = fStore.FolderDirectory(folder);
    if (lstMsgs->ThreadsAcross() || directory.isEmpty())
        return LoadMessageList(folder);
    ShowMessageList([this, &folder, &directory] {
        std::vector<cIndexEntry> cached = cFolderIndex::Load(directory);
        // Without a cache the files are read, shown, and the cache is written behind them.
        lstMsgs->LoadCached(folder, directory, cached.empty() ? cFolderIndex::ListUncached(directory) : std::move(cached));
    });
}

void TfrmMain::ShowMessageList(const std::function<void()> &fill)
{
    if (!MailRoot().isEmpty()) {
        lstAttachments->hide();
        fLoading = true;
        ClearPreview();
        fill();
        ShowMessageCount();
        fLoading = false;
    }
    // The first entry is shown, not chosen: it stays unread until the user selects it.
    ShowSelection(false);
}

void TfrmMain::ShowMessageCount()
{
    fStatus->SetText(2, MessageCountText(lstMsgs->Count()));
}

bool TfrmMain::InsertArrivedMessage(const cMessageRef &message, const cMailMessage &record)
{
    ShowNewOnDemandFolders();
    if (ShownFolder().compare(message.folder, Qt::CaseInsensitive) != 0)
        return false;
    // Its conversation may join rows of other folders: the list is made again.
    if (lstMsgs->Model()->Across()) {
        LoadMessageList(message.folder);
        return true;
    }
    fLoading = true;
    // Its stamp is unknown here; the next look at the folder fills it in.
    lstMsgs->Model()->Insert(cFolderIndex::Entry({message.key}, record));
    fLoading = false;
    ShowMessageCount();
    return true;
}

void TfrmMain::lstMsgsHeaderClick(int column)
{
    if (const cResult written = lstMsgs->SortByColumn(column).Write(); !written)
        fStatus->ShowNote(written.text());
}

QList<cMessageRef> TfrmMain::SelectedMessages() const
{
    QList<cMessageRef> messages;
    for (int row : lstMsgs->SelectedRows())
        messages.append(lstMsgs->Model()->Ref(row));
    return messages;
}

void TfrmMain::TakeOutEntries(const QList<cMessageRef> &messages)
{
    fLoading = true;
    lstMsgs->TakeOut(messages);
    fLoading = false;
    ShowMessageCount();
    ShowSelection(true);
}

int TfrmMain::SelectedRow() const
{
    return lstMsgs->SelectedRow();
}

void TfrmMain::lstMsgsChange()
{
    ShowSelection(true);
}

void TfrmMain::ShowSelection(bool byUser)
{
    if (fLoading)
        return;
    fStatus->ForgetNote();
    RefreshCommandStates();
    tmrReadUnread->stop();
    const int row = SelectedRow();
    if (row < 0) {
        lstAttachments->hide();
        ClearPreview();
        return;
    }
    ShowPreview(row);
    if (byUser)
        StartReadTimer();
}

void TfrmMain::lstMsgsClick(const QModelIndex &entry)
{
    // A click on the entry already shown chooses it without changing the selection.
    if (entry.row() == SelectedRow() && !tmrReadUnread->isActive())
        StartReadTimer();
}

void TfrmMain::StartReadTimer()
{
    const int row = SelectedRow();
    if (row < 0 || lstMsgs->Model()->Icon(row) != MsgImage::Unread)
        return;
    tmrReadUnread->start();
    ResetTrayIcon();
}

void TfrmMain::SetReadDelay(int milliseconds)
{
    tmrReadUnread->setInterval(milliseconds);
}

void TfrmMain::RxTrayIconClick(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TfrmMain::ShowPreview(int row)
{
    const cResultOf<cMailMessage> read = fStore.Read(lstMsgs->Model()->Ref(row));
    if (!read) {
        lstAttachments->SetAttachments({});
        lstAttachments->hide();
        fPreviewPane->ShowText(read.text());
        return;
    }
    const cMailMessage &message = read.value();
    fPreviewPane->Show(message);
    lstMsgs->Model()->SetReadIcon(row, ReadIcon(message.Html));
    lstAttachments->SetAttachments(message.attachments);
    lstAttachments->setVisible(!message.attachments.isEmpty());
}

void TfrmMain::ClearPreview()
{
    fPreviewPane->Clear();
}

void TfrmMain::tmrReadUnreadTimer()
{
    MarkRowRead(SelectedRow());
}

void TfrmMain::MarkRowRead(int row)
{
    if (row < 0 || lstMsgs->Model()->Icon(row) != MsgImage::Unread)
        return;
    cResult marked;
    ChangeQuietly([&] { marked = fStore.MarkRead(lstMsgs->Model()->Ref(row), true); });
    if (marked)
        ShowReadMark(row, true);
    else
        fStatus->ShowNote(marked.text());
}

void TfrmMain::SetStatusText(int panel, const QString &text)
{
    fStatus->SetText(panel, text);
}

void TfrmMain::ShowStatusNote(const QString &text)
{
    fStatus->ShowNote(text);
}

QString TfrmMain::StatusText(int panel) const
{
    return fStatus->Text(panel);
}

void TfrmMain::SetTrayNewMail(const QString &hint)
{
    RxTrayIcon->setIcon(fTrayImages.at(TrayImage::NewMail));
    RxTrayIcon->setToolTip(hint);
}

void TfrmMain::ResetTrayIcon()
{
    fStatus->ClearIfShowing(0, RxTrayIcon->toolTip());
    RxTrayIcon->setIcon(fTrayImages.at(TrayImage::Normal));
    RxTrayIcon->setToolTip(kCaption);
}

void TfrmMain::SetStartRequest(const cNewMessageRequest &request)
{
    fNewMessagePending = true;
    fPendingRequest = request;
}

void TfrmMain::RequestNewMessageWindow(const cNewMessageRequest &request)
{
    SetStartRequest(request);
    tmrShowNewMsgWindow->start();
}

void TfrmMain::tmrShowNewMsgWindowTimer()
{
    fNewMessagePending = false;
    emit NewMessageWindowRequested(fPendingRequest);
}

void TfrmMain::SetContactsPane(QListWidget *pane)
{
    delete spltContacts->replaceWidget(1, pane);
    lstContacts = pane;
    fParts.lstContacts = pane;
}

void TfrmMain::HideContactsPane()
{
    lstContacts->hide();
    const QSignalBlocker quiet(Command(eMainCommand::mnuView_ContactPane));
    Command(eMainCommand::mnuView_ContactPane)->setChecked(false);
}

void TfrmMain::NewMessageTo(const QString &to)
{
    fMessageCommands->OpenComposerFor({.isNew = true, .to = to});
}

std::optional<cMessageRef> TfrmMain::SelectedMessage() const
{
    const int row = SelectedRow();
    return row >= 0 ? std::optional(lstMsgs->Model()->Ref(row)) : std::nullopt;
}
