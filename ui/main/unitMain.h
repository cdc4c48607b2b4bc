// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: folder tree, contacts pane, message list, preview with its attachments,
// toolbar, menu bar, status bar and tray icon. It lives for the whole run.
//
// Call order: construct (builds the widgets, nothing read yet), then FormCreate, which reads
// the window settings, has the storage prepared, shows the window and loads the folder tree;
// FormShow runs on every showing, FormCloseQuery on closing. Work that belongs to other parts
// of the program is announced through signals (mail check, new-account wizard, new-message
// window); a command of theirs becomes available when it is wired with
// WireCommand. The sessions use the status, tray, list and refresh methods.
#include "storage/cMailMessage.h"
#include "storage/cMailStore.h"
#include "storage/eFolderKind.h"
#include "ui/wndlist/cNewMessageRequest.h"
#include "ui/main/MainCommands.h"
#include "ui/main/MainParts.h"
#include "ui/main/MainWindowSettings.h"
#include "ui/main/cMessageList.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QListWidget;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class cAttachmentList;
class cMainFolderCommands;
class cMainSearch;
class cMainMessageCommands;
class cMainStatusBar;
class cMainViewCommands;
class cMenuItem;
class cPreviewPane;
class cQuickFilter;

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    // What start-up brings from outside the window: preparing the mail storage (with the
    // first-run prompt), the default mail client check, and asking the account store whether
    // any account is set up (without an answer no wizard is offered). The last two may be empty.
    struct cCreateSteps
    {
        std::function<bool()> PrepareStorage;
        std::function<void()> CheckDefaultClient;
        std::function<bool()> AccountsExist;
    };

    // The folders and messages shown are the store's; without one, the folder tree under MailRoot.
    explicit TfrmMain(cMailStore &store, QWidget *parent = nullptr);
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // False when the storage could not be prepared: the window stays hidden and the program
    // is to end.
    [[nodiscard]] bool FormCreate(const cCreateSteps &steps);

    void LoadFolderTree();
    // Adds the fixed folders made on first use (Junk) that appeared since the tree was filled.
    void ShowNewOnDemandFolders();
    // After the mail folder moved: the new tree's folders, with its Inbox shown.
    void ShowNewMailTree();
    void LoadMessageList(const QString &folder);
    // Entries of several folders, named "<folder>/<file>" under MailFolderRoot.
    void ShowSearchResults(cMsgListModel::cPrepared rows);
    cMainSearch &Search() const { return *fSearch; }
    // As the user opens a folder: from its listing cache at once where there is one, checked
    // against the files behind it.
    void OpenMessageList(const QString &folder);
    void ShowMessageCount();
    // The name of the folder selected in the tree; empty when none is.
    QString ShownFolder() const;
    void RefreshMessageList();
    cMailStore &Store() const { return fStore; }
    // A change of the window's own, which puts its list right itself: the store's announcements
    // of it reload nothing.
    void ChangeQuietly(const std::function<void()> &change);

    // Status bar: panel 0 is the session status (with its image), 1 free, 2 the count.
    void SetStatusText(int panel, const QString &text);
    QString StatusText(int panel) const;
    // A note of the window's own in panel 1, cleared when the folder or selection changes.
    void ShowStatusNote(const QString &text);
    void SetTrayNewMail(const QString &hint);
    // How long a selected unread message is shown before it is marked read (3000 ms).
    void SetReadDelay(int milliseconds);
    void ResetTrayIcon();
    // A message being received, put at the top of the list while its folder is shown; the
    // list's change handling is suspended meanwhile. Returns whether a row was added.
    bool InsertArrivedMessage(const cMessageRef &message, const cMailMessage &record);

    // Read again after the options change.
    void ApplyPreviewFont();
    void ApplyCheckTimer();

    // A new-message request from the command line, opened once the window is shown.
    void SetStartRequest(const cNewMessageRequest &request);
    // A request handed over by a second instance: opened at once.
    void RequestNewMessageWindow(const cNewMessageRequest &request);
    // The contacts pane, made by the contacts code and handed over by app; it takes the place
    // (and the shown state) of the empty one the window starts with.
    void SetContactsPane(QListWidget *pane);
    // "Hide Contacts Pane": hidden for now; the stored choice stays as it is.
    void HideContactsPane();
    // A new message to the given addresses, with the default subject and signature.
    void NewMessageTo(const QString &to);
    // The message of the selected (focused) entry; none with no selection.
    std::optional<cMessageRef> SelectedMessage() const;
    // The messages of every selected entry, in list order.
    QList<cMessageRef> SelectedMessages() const;

    // Makes the commands the window carries out itself work: messages, folders, views, the
    // pop-up menus, the tray menu and the keyboard. Those of other parts are wired by them.
    void WireOwnCommands();
    QMenu *Popup(ePopup popup) const;

    // Makes a menu or toolbar command work; until then it stays disabled. Commands that act
    // on a message are enabled only while one is selected.
    void WireCommand(eMainCommand id, const std::function<void()> &handler);
    QAction *Command(eMainCommand id) const;

    void SetToolbarExpanded(bool expanded);
    bool IsToolbarExpanded() const;

    // The folder an item of lstFolders stands for (its caption may be in editing).
    static QString FolderItemName(const QTreeWidgetItem *item);
    static void SetFolderItemName(QTreeWidgetItem *item, const QString &folder);

    // What the window's own commands (beside it) do through it.
    void RefreshCommandStates();
    QTreeWidgetItem *AddFolderItem(const QString &folder, eFolderKind kind);
    QStringList FolderNames() const;
    void SelectFolder(const QString &folder);
    // The current row when it is selected, else the first selected one; -1 for none.
    int SelectedRow() const;
    // Takes the entries out of the list and selects the one now at the place of the first of
    // them, or the last one when fewer remain.
    void TakeOutEntries(const QList<cMessageRef> &messages);
    // Read: the image the preview noted (HTML or plain); unread: the unread image.
    void ShowReadMark(int row, bool read) const;
    // An unread entry is marked read, on disk and in the list.
    void MarkRowRead(int row);

signals:
    void MailCheckRequested(); // periodic, unattended, all accounts
    void NewAccountWizardRequested();
    void NewMessageWindowRequested(const cNewMessageRequest &request);

public slots:
    void RefreshIfShown(const QString &folder);
    void RxTrayIconClick(QSystemTrayIcon::ActivationReason reason);
    void lstMsgsHeaderClick(int column);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void lstMsgsChange();
    void lstMsgsClick(const QModelIndex &entry);
    void lstFoldersChange();
    void tmrReadUnreadTimer();
    void tmrShowNewMsgWindowTimer();
    void AddWindowListItem(cMenuItem *item, const QIcon &formIcon);

private:
    void ShowMessageList(const std::function<void()> &fill);
    struct cCommand
    {
        QAction *action = nullptr;
        eCommandRule rule = eCommandRule::Wired;
        bool wired = false;
    };

    void FormShow();
    void FormCloseQuery();

    void BuildCommands();
    void BuildPopups();
    void BuildPanes();
    void BuildTimers();
    void ConnectWindowList();
    void AddCommand(const cMainCommand &info, QWidget *place);
    QTimer *AddTimer(const char *name, int interval, bool singleShot);

    void ApplyWindowSettings(const cMainWndSettings &settings);
    cMainWndSettings CurrentWindowSettings() const;
    bool CommandUsable(eCommandRule rule, bool messageSelected) const;
    // The preview update; only a selection the user made starts the read timer.
    void ShowSelection(bool byUser);
    void StartReadTimer();
    void ShowPreview(int row);
    void ClearPreview();

    QList<QIcon> fMsgImages;
    QList<QIcon> fTrayImages;
    QList<QIcon> imgWins;

    QToolBar *tbMain = nullptr;
    QMenu *popWins = nullptr;

    QSplitter *splVertical = nullptr;
    QWidget *pnlLeft = nullptr;
    QSplitter *spltContacts = nullptr;
    QTreeWidget *lstFolders = nullptr;
    QListWidget *lstContacts = nullptr;
    QWidget *pnlRight = nullptr;
    QSplitter *spltHorizontal = nullptr;
    cMessageList *lstMsgs = nullptr;
    cQuickFilter *edtFilter = nullptr;
    cPreviewPane *fPreviewPane = nullptr;
    cAttachmentList *lstAttachments = nullptr;

    std::unique_ptr<cMainStatusBar> fStatus;
    QSystemTrayIcon *RxTrayIcon = nullptr;

    QTimer *tmrRunNewAccountWizard = nullptr;
    QTimer *tmrCheckForMail = nullptr;
    QTimer *tmrShowNewMsgWindow = nullptr;
    QTimer *tmrReadUnread = nullptr;

    std::array<cCommand, static_cast<std::size_t>(eMainCommand::Count)> fCommands;
    std::array<QMenu *, std::size(kPopups)> fPopups{};
    cMainParts fParts;
    cMainMessageCommands *fMessageCommands = nullptr;
    cMainFolderCommands *fFolderCommands = nullptr;
    cMainViewCommands *fViewCommands = nullptr;
    cMainSearch *fSearch = nullptr;
    std::function<bool()> fAccountsExist;
    cMailStore &fStore;
    bool fQuiet = false;
    bool fLoading = false;
    int fContactPaneHeight = 0;
    bool fNewMessagePending = false;
    cNewMessageRequest fPendingRequest;
};
