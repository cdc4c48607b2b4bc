#include "ui/main/unitMain.h"

#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"
#include "storage/cFolderStore.h"
#include "storage/cIniFile.h"
#include "storage/cOptions.h"
#include "ui/main/DisplayText.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/cMsgListHeader.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cStatusPanel.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h"
#include "ui/wndlist/unitWndListProcs.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QShowEvent>
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
constexpr int kPathRole = Qt::UserRole;
constexpr int kIconRole = Qt::UserRole + 1;
constexpr int kReadIconRole = Qt::UserRole + 2;
constexpr int kDefaultPreviewFontSize = 8;
constexpr int kLargeSize = 100000; // whatever is left goes to the stretching pane

struct cMenuEntry
{
    const char *text; // nullptr: a separator
    const char *name;
    bool needsMessage;
    QKeySequence shortcut;
};

QList<QIcon> imageList(QIcon (*image)(int), int count)
{
    QList<QIcon> images;
    for (int index = 0; index < count; ++index)
        images.append(image(index));
    return images;
}

QString fontFamilyForCss(QString family)
{
    return family.remove(u'\'').remove(u'\\');
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent), fFolderImages(imageList(FolderIcon, FolderImage::UserFolder + 1)),
      fMsgImages(imageList(MessageIcon, MsgImage::Unread + 1)), fTrayImages(imageList(TrayIcon, TrayImage::NewMail + 1))
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    BuildToolbar();
    BuildMenus();
    BuildPanes();
    BuildStatusBar();
    BuildTimers();
    RxTrayIcon = new QSystemTrayIcon(this);
    RxTrayIcon->setObjectName(u"RxTrayIcon"_s);
    RxTrayIcon->setToolTip(kCaption);
    connect(RxTrayIcon, &QSystemTrayIcon::activated, this, &TfrmMain::RxTrayIconClick);
    ConnectWindowList();
    connect(&cFolderStore::instance(), &cFolderStore::RefreshRequested, this, &TfrmMain::RefreshIfShown);
    RefreshCommandStates();
}

TfrmMain::~TfrmMain()
{
    // The lists report their teardown; nothing of this window may answer it any more.
    disconnect(lstMsgs, nullptr, this, nullptr);
    disconnect(lstFolders, nullptr, this, nullptr);
}

QAction *TfrmMain::AddCommand(const QString &text, const char *name, bool needsMessage)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    fCommands.append({action, needsMessage, false});
    return action;
}

void TfrmMain::BuildToolbar()
{
    tbMain = addToolBar(u"Main"_s);
    tbMain->setObjectName(u"tbMain"_s);
    tbMain->setMovable(false);
    auto tool = [this](eCommandImage image, const QString &caption, const QString &hint, const char *name,
                       bool needsMessage) {
        QAction *action = AddCommand(caption, name, needsMessage);
        action->setIcon(CommandIcon(image));
        action->setToolTip(hint);
        tbMain->addAction(action);
        return action;
    };
    tb_NewMessage = tool(eCommandImage::NewMessage, u"New"_s, u"New message"_s, "tb_NewMessage", false);
    tb_Reply = tool(eCommandImage::Reply, u"Reply"_s, u"Reply to author"_s, "tb_Reply", true);
    tb_Delete = tool(eCommandImage::Delete, u"Delete"_s, u"Delete message"_s, "tb_Delete", true);
    tbMain->addSeparator();
    TB_Receive = tool(eCommandImage::Receive, u"Receive"_s, u"Check for mail"_s, "TB_Receive", false);
    tbMain->addSeparator();
    tbAccounts = tool(eCommandImage::Accounts, u"Accounts"_s, u"Account management"_s, "tbAccounts", false);
    tb_AddressBook = tool(eCommandImage::AddressBook, u"Addresses"_s, u"Address book"_s, "tb_AddressBook", false);
    tbMain->addSeparator();

    popWins = new QMenu(this);
    popWins->setObjectName(u"popWins"_s);
    tb_Windows = new QAction(CommandIcon(eCommandImage::Windows), u"Windows"_s, this);
    tb_Windows->setObjectName(u"tb_Windows"_s);
    tb_Windows->setToolTip(u"Window list"_s);
    tb_Windows->setMenu(popWins);
    tbMain->addAction(tb_Windows);
    if (auto *button = qobject_cast<QToolButton *>(tbMain->widgetForAction(tb_Windows)))
        button->setPopupMode(QToolButton::InstantPopup);
    tbMain->addSeparator();
    tbEmptyTrash = tool(eCommandImage::EmptyTrash, u"Empty Trash"_s, u"Empty Trash"_s, "tbEmptyTrash", false);
}

void TfrmMain::BuildMenus()
{
    QMenuBar *ToolBar1 = menuBar();
    ToolBar1->setObjectName(u"ToolBar1"_s);
    auto fill = [this](QMenu *menu, std::initializer_list<cMenuEntry> entries) {
        for (const cMenuEntry &entry : entries) {
            if (!entry.text) {
                menu->addSeparator();
                continue;
            }
            QAction *action = AddCommand(QLatin1String(entry.text), entry.name, entry.needsMessage);
            action->setShortcut(entry.shortcut);
            menu->addAction(action);
        }
    };
    QMenu *file = ToolBar1->addMenu(u"&File"_s);
    fill(file->addMenu(u"&Folder"_s), {{"&New folder", "mnuFile_Folder_New", false, {}},
                                       {"&Rename folder", "mnuFile_Folder_Rename", false, {}},
                                       {"&Delete folder", "mnuFile_Folder_Delete", false, {}},
                                       {"&Empty", "mnuFile_Folder_Empty", false, {}}});
    fill(file, {{"&Copy message to...", "mnuFile_CopyTo", true, {}},
                {"&Move message to...", "mnuFile_MoveTo", true, {}},
                {"&Print...", "mnuFile_Print", true, {}},
                {nullptr, nullptr, false, {}}});
    QAction *exit = file->addAction(u"Exit"_s, this, &QWidget::close);
    exit->setObjectName(u"mnuFile_Exit"_s);

    QMenu *view = ToolBar1->addMenu(u"&View"_s);
    fill(view, {{"&Toolbar", "mnuView_Toolbar", false, {}},
                {"&Contact Pane", "mnuView_ContactPane", false, {}},
                {"&Status bar", "mnuView_StatusBar", false, {}}});
    mnuView_Toolbar = view->actions().at(0);
    mnuView_ContactPane = view->actions().at(1);
    mnuView_StatusBar = view->actions().at(2);
    for (QAction *toggle : view->actions())
        toggle->setCheckable(true);

    fill(ToolBar1->addMenu(u"&Tools"_s),
         {{"New message", "mnuTools_NewMessage", false, QKeySequence(u"Ctrl+N"_s)},
          {"&Reply to author", "mnuTools_Reply", true, QKeySequence(u"Ctrl+R"_s)},
          {"&Reply quoted", "mnuTools_ReplyQuoted", true, QKeySequence(u"Ctrl+Q"_s)},
          {"&Forward message", "mnuTools_Forward", true, QKeySequence(u"Ctrl+F"_s)},
          {"&Forward as attachment", "mnuTools_ForwardAsAttachment", true, {}},
          {"&Delete", "mnuTools_Delete", true, QKeySequence(QKeySequence::Delete)},
          {"&Add sender to address book", "mnuTools_AddSender", true, {}},
          {nullptr, nullptr, false, {}},
          {"Send unsent messages", "mnuTools_SendUnsent", false, {}},
          {"Check for new mail", "mnuTools_CheckMail", false, QKeySequence(u"Ctrl+M"_s)},
          {"&Check for new mail using...", "mnuTools_CheckMailUsing", false, {}},
          {nullptr, nullptr, false, {}},
          {"&Manage signatures", "mnuTools_Signatures", false, {}},
          {"Accounts...", "mnuTools_Accounts", false, {}},
          {"&Options", "mnuTools_Options", false, {}}});
    fill(ToolBar1->addMenu(u"&Help"_s), {{"&About...", "mnuHelp_About", false, {}}});
}

void TfrmMain::BuildPanes()
{
    lstFolders = new QTreeWidget;
    lstFolders->setObjectName(u"lstFolders"_s);
    lstFolders->setHeaderHidden(true);
    lstFolders->setRootIsDecorated(false);
    lstFolders->setIconSize(QSize(20, 20));
    for (int kind = 0; kind < cFolderStore::FixedFolders().size(); ++kind)
        AddFolderItem(cFolderStore::FixedFolders().at(kind), kind);
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

    lstMsgs = new QTreeWidget;
    lstMsgs->setObjectName(u"lstMsgs"_s);
    lstMsgs->setHeader(new cMsgListHeader(MsgColumn::Attachment, AttachmentIcon(), lstMsgs));
    lstMsgs->setColumnCount(MsgColumn::Count);
    lstMsgs->setHeaderLabels(MessageListCaptions(0));
    lstMsgs->header()->setSectionResizeMode(MsgColumn::Attachment, QHeaderView::Fixed);
    lstMsgs->header()->setMinimumSectionSize(kAttachmentColumnWidth);
    lstMsgs->setRootIsDecorated(false);
    lstMsgs->setUniformRowHeights(true);
    lstMsgs->setAllColumnsShowFocus(true);
    lstMsgs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstMsgs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstMsgs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(lstMsgs, &QTreeWidget::itemSelectionChanged, this, &TfrmMain::lstMsgsChange);
    connect(lstMsgs, &QTreeWidget::itemClicked, this, &TfrmMain::lstMsgsClick);

    htmlView = new cPreviewBrowser;
    htmlView->setObjectName(u"htmlView"_s);
    connect(htmlView, &QTextBrowser::anchorClicked, this, &TfrmMain::htmlViewLinkClick);
    spltHorizontal = new QSplitter(Qt::Vertical);
    spltHorizontal->setObjectName(u"spltHorizontal"_s);
    spltHorizontal->addWidget(lstMsgs);
    spltHorizontal->addWidget(htmlView);
    spltHorizontal->setStretchFactor(0, 0);
    spltHorizontal->setStretchFactor(1, 1);

    lstAttachments = new QListWidget;
    lstAttachments->setObjectName(u"lstAttachments"_s);
    lstAttachments->setFlow(QListView::LeftToRight);
    lstAttachments->setWrapping(true);
    lstAttachments->setIconSize(QSize(16, 16));
    lstAttachments->setMaximumHeight(44);
    lstAttachments->hide();
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

void TfrmMain::BuildStatusBar()
{
    QStatusBar *sbMain = statusBar();
    sbMain->setObjectName(u"sbMain"_s);
    fStatusPanel0 = new cStatusPanel(fMsgImages.at(MsgImage::Status));
    fStatusPanel0->setObjectName(u"sbMain_Panel0"_s);
    fStatusPanel1 = new QLabel;
    fStatusPanel1->setObjectName(u"sbMain_Panel1"_s);
    fStatusPanel2 = new QLabel;
    fStatusPanel2->setObjectName(u"sbMain_Panel2"_s);
    fStatusPanel2->setMinimumWidth(110);
    sbMain->addWidget(fStatusPanel0, 3);
    sbMain->addWidget(fStatusPanel1, 2);
    sbMain->addPermanentWidget(fStatusPanel2);
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
    tmrLoadContacts = AddTimer("tmrLoadContacts", 40, true);
    connect(tmrLoadContacts, &QTimer::timeout, this, &TfrmMain::ContactsReloadRequested);
    tmrShowNewMsgWindow = AddTimer("tmrShowNewMsgWindow", 20, true);
    connect(tmrShowNewMsgWindow, &QTimer::timeout, this, &TfrmMain::tmrShowNewMsgWindowTimer);
    tmrReadUnread = AddTimer("tmrReadUnread", 3000, true);
    connect(tmrReadUnread, &QTimer::timeout, this, &TfrmMain::tmrReadUnreadTimer);
}

void TfrmMain::ConnectWindowList()
{
    cWndList &list = cWndList::instance();
    connect(&list, &cWndList::ItemAdded, this, &TfrmMain::AddWindowListItem);
    connect(&list, &cWndList::CountChanged, tb_Windows, [this](int count) { tb_Windows->setEnabled(count > 0); });
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

void TfrmMain::WireCommand(QAction *command, const std::function<void()> &handler)
{
    for (cCommand &entry : fCommands) {
        if (entry.action != command)
            continue;
        entry.wired = true;
        connect(command, &QAction::triggered, this, handler);
    }
    RefreshCommandStates();
}

void TfrmMain::RefreshCommandStates()
{
    const bool messageSelected = SelectedEntry() != nullptr;
    for (const cCommand &entry : fCommands)
        entry.action->setEnabled(entry.wired && (messageSelected || !entry.needsMessage));
}

bool TfrmMain::FormCreate(const cCreateSteps &steps)
{
    ApplyPreviewFont();
    ApplyCheckTimer();
    ApplyWindowSettings(cMainWndSettings::Read());
    if (!steps.PrepareStorage || !steps.PrepareStorage())
        return false;
    if (steps.CheckDefaultClient && cOptions::read(Opt::CheckForDefClient))
        steps.CheckDefaultClient();
    ResetTrayIcon();
    if (QSystemTrayIcon::isSystemTrayAvailable())
        RxTrayIcon->show();
    show();
    LoadFolderTree();
    SelectFolder(cFolderStore::FixedFolders().first());
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
    if (cIniFile(AccountsFilePath()).readSections().isEmpty())
        tmrRunNewAccountWizard->start();
    emit ContactsReloadRequested();
    if (fNewMessagePending)
        tmrShowNewMsgWindow->start();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormCloseQuery();
    event->accept();
}

void TfrmMain::FormCloseQuery()
{
    QString error;
    if (!CurrentWindowSettings().WriteOnClose(&error))
        QMessageBox::warning(this, kCaption, u"The window settings could not be saved.\n\n"_s + error);
    fLoading = true;
    tmrReadUnread->stop();
}

void TfrmMain::ApplyWindowSettings(const cMainWndSettings &settings)
{
    statusBar()->setVisible(settings.sbVisible);
    mnuView_StatusBar->setChecked(settings.sbVisible);
    splVertical->setSizes({settings.leftPaneWidth, kLargeSize});
    spltHorizontal->setSizes({settings.msgListHeight, kLargeSize});
    SetToolbarExpanded(settings.expandedToolbar);
    lstContacts->setVisible(settings.contactPaneVisible);
    mnuView_ContactPane->setChecked(settings.contactPaneVisible);
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
    mnuView_Toolbar->setChecked(expanded);
}

bool TfrmMain::IsToolbarExpanded() const
{
    return tbMain->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
}

void TfrmMain::ApplyPreviewFont()
{
    int size = cOptions::read(Opt::MailDisplayFontSize);
    if (size <= 0)
        size = kDefaultPreviewFontSize;
    const QFont font(cOptions::read(Opt::MailDisplayFont), size);
    htmlView->setFont(font);
    htmlView->document()->setDefaultFont(font);
    htmlView->document()->setDefaultStyleSheet(u"pre, tt, code { font-family: '%1'; font-size: %2pt; }"_s.arg(
        fontFamilyForCss(font.family()), QString::number(size)));
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
    for (const QString &folder : cFolderStore::UserFolders())
        AddFolderItem(folder, FolderImage::UserFolder);
}

void TfrmMain::AddFolderItem(const QString &folder, int image)
{
    auto *item = new QTreeWidgetItem(lstFolders, {folder});
    item->setIcon(0, fFolderImages.at(image));
}

void TfrmMain::SelectFolder(const QString &folder)
{
    const QList<QTreeWidgetItem *> found = lstFolders->findItems(folder, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        lstFolders->setCurrentItem(found.first());
}

void TfrmMain::lstFoldersChange()
{
    if (const QTreeWidgetItem *item = lstFolders->currentItem())
        LoadMessageList(item->text(0));
}

QString TfrmMain::ShownFolder() const
{
    const QTreeWidgetItem *item = lstFolders->currentItem();
    return item ? item->text(0) : QString();
}

void TfrmMain::RefreshIfShown(const QString &folder)
{
    if (!folder.isEmpty() && ShownFolder() == folder)
        LoadMessageList(folder);
}

void TfrmMain::RefreshMessageList()
{
    RefreshIfShown(ShownFolder());
}

QTreeWidgetItem *TfrmMain::NewEntry(const QString &path, const cMailMessage &header, int folderKind) const
{
    const cMessageEntry entry = MessageListEntry(header, folderKind);
    auto *item = new QTreeWidgetItem(entry.texts);
    item->setData(0, kPathRole, path);
    item->setData(0, kReadIconRole, entry.readIcon);
    item->setTextAlignment(MsgColumn::Attachment, Qt::AlignCenter);
    SetEntryIcon(item, entry.icon);
    return item;
}

void TfrmMain::SetEntryIcon(QTreeWidgetItem *entry, int icon) const
{
    entry->setData(0, kIconRole, icon);
    entry->setIcon(0, fMsgImages.value(icon));
}

QString TfrmMain::EntryPath(const QTreeWidgetItem *entry)
{
    return entry->data(0, kPathRole).toString();
}

int TfrmMain::EntryIcon(const QTreeWidgetItem *entry)
{
    return entry->data(0, kIconRole).toInt();
}

void TfrmMain::LoadMessageList(const QString &folder)
{
    if (!MailRoot().isEmpty()) {
        lstAttachments->hide();
        const int kind = cFolderStore::FolderKind(folder);
        lstMsgs->setHeaderLabels(MessageListCaptions(kind));
        fLoading = true;
        ClearPreview();
        lstMsgs->clear();
        QList<QTreeWidgetItem *> entries;
        for (const cListedMessage &message : cFolderStore::ListFolder(folder))
            entries.append(NewEntry(message.path, message.header, kind));
        lstMsgs->addTopLevelItems(entries);
        ShowMessageCount();
        if (!entries.isEmpty())
            lstMsgs->setCurrentItem(entries.first());
        fLoading = false;
    }
    // The first entry is shown, not chosen: it stays unread until the user selects it.
    ShowSelection(false);
}

void TfrmMain::ShowMessageCount()
{
    fStatusPanel2->setText(MessageCountText(lstMsgs->topLevelItemCount()));
}

bool TfrmMain::InsertInboxMessage(const QString &path, const cMailMessage &record)
{
    const QString inbox = cFolderStore::FixedFolders().first();
    if (ShownFolder() != inbox)
        return false;
    fLoading = true;
    lstMsgs->insertTopLevelItem(0, NewEntry(path, record, cFolderStore::FolderKind(inbox)));
    fLoading = false;
    ShowMessageCount();
    return true;
}

QTreeWidgetItem *TfrmMain::SelectedEntry() const
{
    QTreeWidgetItem *current = lstMsgs->currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QTreeWidgetItem *> selected = lstMsgs->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmMain::lstMsgsChange()
{
    ShowSelection(true);
}

void TfrmMain::ShowSelection(bool byUser)
{
    if (fLoading)
        return;
    RefreshCommandStates();
    tmrReadUnread->stop();
    QTreeWidgetItem *entry = SelectedEntry();
    if (!entry) {
        lstAttachments->hide();
        ClearPreview();
        return;
    }
    ShowPreview(entry);
    if (byUser)
        StartReadTimer();
}

void TfrmMain::lstMsgsClick(QTreeWidgetItem *entry)
{
    // A click on the entry already shown chooses it without changing the selection.
    if (entry == SelectedEntry() && !tmrReadUnread->isActive())
        StartReadTimer();
}

void TfrmMain::StartReadTimer()
{
    QTreeWidgetItem *entry = SelectedEntry();
    if (!entry || EntryIcon(entry) != MsgImage::Unread)
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

void TfrmMain::ShowPreview(QTreeWidgetItem *entry)
{
    cMailMessage message;
    QString error;
    lstAttachments->clear();
    if (!message.ReadFile(EntryPath(entry), false, false, &error)) {
        lstAttachments->hide();
        htmlView->setPlainText(error);
        return;
    }
    const QString body = DisplayBody(message.body, DeclaredCharset(message.headerLines));
    if (message.Html)
        htmlView->setHtml(body);
    else
        htmlView->setPlainText(body);
    entry->setData(0, kReadIconRole, ReadIcon(message.Html));
    for (const QString &attachment : message.attachments)
        new QListWidgetItem(FileTypeIcon(attachment), attachment, lstAttachments);
    lstAttachments->setVisible(!message.attachments.isEmpty());
}

void TfrmMain::ClearPreview()
{
    htmlView->clear();
}

void TfrmMain::tmrReadUnreadTimer()
{
    QTreeWidgetItem *entry = SelectedEntry();
    if (!entry || EntryIcon(entry) != MsgImage::Unread)
        return;
    QString error;
    if (cFolderStore::MarkRead(EntryPath(entry), true, &error))
        SetEntryIcon(entry, entry->data(0, kReadIconRole).toInt());
    else
        SetStatusText(1, error);
}

void TfrmMain::htmlViewLinkClick(const QUrl &url)
{
    if (IsOpenableLink(url))
        QDesktopServices::openUrl(url);
}

void TfrmMain::SetStatusText(int panel, const QString &text)
{
    switch (panel) {
    case 0: fStatusPanel0->setText(text); break;
    case 1: fStatusPanel1->setText(text); break;
    case 2: fStatusPanel2->setText(text); break;
    default: break;
    }
}

QString TfrmMain::StatusText(int panel) const
{
    switch (panel) {
    case 0: return fStatusPanel0->text();
    case 1: return fStatusPanel1->text();
    case 2: return fStatusPanel2->text();
    default: return {};
    }
}

void TfrmMain::SetTrayNewMail(const QString &hint)
{
    RxTrayIcon->setIcon(fTrayImages.at(TrayImage::NewMail));
    RxTrayIcon->setToolTip(hint);
}

void TfrmMain::ResetTrayIcon()
{
    RxTrayIcon->setIcon(fTrayImages.at(TrayImage::Normal));
    RxTrayIcon->setToolTip(kCaption);
}

void TfrmMain::SetStartRequest(const QString &to, const QString &subject)
{
    fNewMessagePending = true;
    fPendingTo = to;
    fPendingSubject = subject;
}

void TfrmMain::RequestNewMessageWindow(const QString &to, const QString &subject)
{
    SetStartRequest(to, subject);
    tmrShowNewMsgWindow->start();
}

void TfrmMain::tmrShowNewMsgWindowTimer()
{
    fNewMessagePending = false;
    emit NewMessageWindowRequested(fPendingTo, fPendingSubject);
}

void TfrmMain::ScheduleContactsReload()
{
    tmrLoadContacts->start();
}
