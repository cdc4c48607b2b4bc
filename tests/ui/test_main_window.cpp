// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: folders, the message list, the preview, the
// read timer, the remembered geometry and the hooks the sessions use.
#include "MsgListProbe.h"
#include "UiFixture.h"

#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"
#include "storage/cFolderIndex.h"
#include "storage/cFolderStore.h"
#include "ui/main/MainIcons.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cLitehtmlContainer.h"
#include "ui/main/cPreviewPane.h"
#include "ui/wndlist/cStatusPanel.h"
#include "ui/main/unitMain.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;

    // Waits for the first listing's check of the files too, so that it cannot land in the
    // middle of a test's own changes.
    static bool create(TfrmMain &window, bool accountsExist = false)
    {
        QSignalSpy looked(msgList(window), &cMessageList::Looked);
        return window.FormCreate({[] { return InitMailStorage(); }, {}, [accountsExist] { return accountsExist; }})
               && QTest::qWaitFor([&looked] { return !looked.isEmpty(); });
    }
    template <typename T> static T *part(const TfrmMain &window, const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    static cMessageList *list(const TfrmMain &window) { return msgList(window); }
    static cPreviewPane *preview(const TfrmMain &window) { return window.findChild<cPreviewPane *>(); }
    static void showFolder(TfrmMain &window, const QString &folder)
    {
        QTreeWidget *folders = part<QTreeWidget>(window, "lstFolders");
        folders->setCurrentItem(folders->findItems(folder, Qt::MatchExactly).value(0));
    }
    static constexpr int kReadDelayMs = 40;
    static void clickEntry(const TfrmMain &window, int row)
    {
        const QRect place = list(window)->visualRect(list(window)->Model()->index(row, 0));
        QTest::mouseClick(list(window)->viewport(), Qt::LeftButton, {}, place.center());
    }
    static int rowOf(const TfrmMain &window, const QString &file) { return rowOfPath(list(window), file); }

private slots:
    void init()
    {
        fx = std::make_unique<cUiFixture>();
        QVERIFY(fx->initStorage());
    }
    void cleanup() { fx.reset(); }

    void anEmptyFolderLeavesNothingToActOn()
    {
        TfrmMain window;
        QAction *reply = part<QAction>(window, "tb_Reply");
        QAction *remove = part<QAction>(window, "tb_Delete");
        window.WireCommand(eMainCommand::tb_Reply, [] {});
        window.WireCommand(eMainCommand::tb_Delete, [] {});
        QVERIFY(create(window));
        QCOMPARE(window.windowTitle(), u"Tolvan Ravelin"_s);
        QCOMPARE(window.ShownFolder(), u"Inbox"_s);
        QCOMPARE(rows(list(window)), 0);
        QVERIFY(part<QTextBrowser>(window, "htmlView")->toPlainText().isEmpty());
        QVERIFY(!reply->isEnabled());
        QVERIFY(!remove->isEnabled());
        QCOMPARE(window.StatusText(2), u"0 message(s)"_s);

        // A message selected enables exactly the wired commands that act on it.
        fx->putMessage(u"Unfinished"_s, u"mail1.qrz"_s, cUiFixture::message("Draft"));
        showFolder(window, u"Unfinished"_s);
        QCOMPARE(window.StatusText(2), u"1 message(s)"_s);
        QVERIFY(reply->isEnabled());
        QVERIFY(remove->isEnabled());
        QVERIFY(!part<QAction>(window, "mnuTools_Forward")->isEnabled());
        QVERIFY(!part<QAction>(window, "tb_NewMessage")->isEnabled());
        showFolder(window, u"Trash"_s);
        QVERIFY(!reply->isEnabled());
    }

    void sentItemsListRecipients()
    {
        fx->putMessage(u"Sent items"_s, u"mail1.qrz"_s, cUiFixture::message("Minutes"));
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Agenda"));
        TfrmMain window;
        QVERIFY(create(window));
        QCOMPARE(caption(list(window), 1), u"From"_s);
        QCOMPARE(text(list(window), 0, 1), u"Ann Lee"_s);
        showFolder(window, u"Sent items"_s);
        QCOMPARE(caption(list(window), 1), u"To"_s);
        QCOMPARE(text(list(window), 0, 0), u"Minutes"_s);
        QCOMPARE(text(list(window), 0, 1), u"bob@example.org"_s);
        QCOMPARE(caption(list(window), 3), u"Date&Time"_s);
        showFolder(window, u"Inbox"_s);
        QCOMPARE(caption(list(window), 1), u"From"_s);
    }

    void htmlMessagesShowTheirImageAndAttachments()
    {
        cMailMessage html = cUiFixture::message("Newsletter");
        html.Html = true;
        html.body = {"<p>Hello <b>Bob</b></p>"};
        html.attachments = {u"/att/report.pdf"_s, u"/att/photo.jpg"_s};
        const QString htmlPath = fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, html);
        const QString plainPath = fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Plain"));
        TfrmMain window;
        QVERIFY(create(window));
        const int htmlEntry = rowOf(window, htmlPath);
        const int plainEntry = rowOf(window, plainPath);
        QCOMPARE(icon(list(window), htmlEntry), MsgImage::Html);
        QCOMPARE(icon(list(window), plainEntry), MsgImage::Plain);
        QCOMPARE(text(list(window), htmlEntry, 2), QString(QChar(0x2022)));
        QVERIFY(text(list(window), plainEntry, 2).isEmpty());

        auto *attachments = part<QListWidget>(window, "lstAttachments");
        list(window)->SelectRow(htmlEntry);
        QVERIFY(preview(window)->ShowsHtml());
        QCOMPARE(preview(window)->ShownText(), u"Hello Bob"_s);
        QVERIFY(attachments->isVisible());
        QCOMPARE(attachments->count(), 2);
        QCOMPARE(attachments->item(0)->text(), u"report.pdf"_s);
        QCOMPARE(attachments->item(0)->toolTip(), u"/att/report.pdf"_s);
        list(window)->SelectRow(plainEntry);
        QVERIFY(!attachments->isVisible());
        QCOMPARE(part<QTextBrowser>(window, "htmlView")->toPlainText(), u"Hello Bob,\nsee you.\nAnn"_s);

        // View > "Prefer plain text" is kept and shows the HTML as text at once.
        list(window)->SelectRow(htmlEntry);
        QAction *preferPlain = window.Command(eMainCommand::mnuView_PreferPlainText);
        QVERIFY(!preferPlain->isChecked());
        window.WireOwnCommands();
        preferPlain->trigger();
        QVERIFY(cOptions::read(Opt::MainWnd_PreferPlainText));
        QVERIFY(!preview(window)->ShowsHtml());
        QCOMPARE(part<QTextBrowser>(window, "htmlView")->toPlainText(), u"Hello Bob"_s);
    }

    // View > "Threads" and "Threads across folders" are kept: a window made later opens with
    // them chosen, the Inbox's thread holding the user's reply from Sent items.
    void threadsStayChosen()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        fx->putMessage(u"Sent items"_s, u"mail2.qrz"_s, cUiFixture::message("Re: One"));
        {
            TfrmMain window;
            QVERIFY(create(window));
            window.WireOwnCommands();
            window.Command(eMainCommand::mnuView_Threads)->trigger();
            window.Command(eMainCommand::mnuView_ThreadsAcross)->trigger();
            QVERIFY(cOptions::read(Opt::MainWnd_Threads));
            QVERIFY(cOptions::read(Opt::MainWnd_ThreadsAcross));
        }
        TfrmMain window;
        QVERIFY(create(window));
        window.WireOwnCommands();
        QVERIFY(window.Command(eMainCommand::mnuView_Threads)->isChecked());
        QVERIFY(window.Command(eMainCommand::mnuView_ThreadsAcross)->isChecked());
        window.RefreshMessageList();
        QCOMPARE(columnTexts(msgList(window), MsgColumn::Folder), (QStringList{u"Inbox"_s, u"Sent items"_s}));
    }

    // Start-up shows the first message without choosing it; the user's selection, by a new
    // selection or a click on the one shown, marks it read after the delay, and leaving it
    // before then keeps it unread.
    void onlyAMessageTheUserChoseAndLookedAtIsMarkedRead()
    {
        const QString first = fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One", false));
        cMailMessage htmlUnread = cUiFixture::message("Two", false);
        htmlUnread.Html = true;
        const QString second = fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, htmlUnread);
        TfrmMain window;
        window.SetReadDelay(kReadDelayMs);
        QVERIFY(create(window));
        const int shownFirst = list(window)->currentIndex().row();
        const QString firstShown = path(list(window), shownFirst);
        const QString secondShown = firstShown == first ? second : first;
        QVERIFY(!part<QTimer>(window, "tmrReadUnread")->isActive());

        window.SetTrayNewMail(u"2 new message(s)"_s);
        clickEntry(window, shownFirst);
        QCOMPARE(window.findChild<QSystemTrayIcon *>(u"RxTrayIcon"_s)->toolTip(), u"Tolvan Ravelin"_s);
        list(window)->SelectRow(rowOf(window, secondShown));
        const int readIcon = secondShown == second ? MsgImage::Html : MsgImage::Plain;
        QTRY_COMPARE(icon(list(window), list(window)->currentIndex().row()), readIcon);
        QVERIFY(cUiFixture::isReadOnDisk(secondShown));
        QVERIFY(!cUiFixture::isReadOnDisk(firstShown));
        QCOMPARE(icon(list(window), shownFirst), MsgImage::Unread);

        clickEntry(window, shownFirst);
        QTRY_VERIFY(cUiFixture::isReadOnDisk(firstShown));
    }

    void aMessageGoneFromDiskStaysUnreadAndSaysWhy()
    {
        const QString path = fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("Gone", false));
        TfrmMain window;
        window.SetReadDelay(kReadDelayMs);
        QVERIFY(create(window));
        QVERIFY(QFile::remove(path));
        clickEntry(window, list(window)->currentIndex().row());
        QTRY_VERIFY(window.StatusText(1).contains(path));
        QCOMPARE(icon(list(window), list(window)->currentIndex().row()), MsgImage::Unread);
    }

    void aLeftClickOnTheTrayIconRestoresTheWindow()
    {
        TfrmMain window;
        QVERIFY(create(window));
        auto *tray = window.findChild<QSystemTrayIcon *>(u"RxTrayIcon"_s);
        window.showMinimized();
        emit tray->activated(QSystemTrayIcon::Context);
        QVERIFY(window.isMinimized());
        emit tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!window.isMinimized());
        window.hide();
        emit tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(window.isVisible());
    }

    void windowSettingsAreWrittenOnCloseAndAppliedAtTheNextStart()
    {
        {
            TfrmMain window;
            QVERIFY(create(window));
            window.move(40, 30);
            window.resize(700, 520);
            part<QSplitter>(window, "splVertical")->setSizes({230, 670});
            part<QSplitter>(window, "spltHorizontal")->setSizes({180, 300});
            list(window)->setColumnWidth(0, 333);
            window.close();
        }
        QCOMPARE(cOptions::read(Opt::MainWnd_Left, 0), 40);
        QCOMPARE(cOptions::read(Opt::MainWnd_Top, 0), 30);
        QCOMPARE(cOptions::read(Opt::MainWnd_Width, 0), 700);
        QCOMPARE(cOptions::read(Opt::MainWnd_Height, 0), 520);
        QCOMPARE(cOptions::read(Opt::MainWnd_LeftPaneWidth, 0), 230);
        QCOMPARE(cOptions::read(Opt::MainWnd_MsgListHeight, 0), 180);
        QVERIFY(!cOptions::read(Opt::MainWnd_Maximized));

        TfrmMain again;
        QVERIFY(create(again));
        QCOMPARE(again.pos(), QPoint(40, 30));
        QCOMPARE(again.size(), QSize(700, 520));
        QCOMPARE(part<QSplitter>(again, "splVertical")->sizes().value(0), 230);
        QCOMPARE(part<QSplitter>(again, "spltHorizontal")->sizes().value(0), 180);
        QCOMPARE(list(again)->columnWidth(0), 333);
    }

    void aWindowKeptOnALargerScreenOpensOnThisOne()
    {
        QVERIFY(cOptions::write(Opt::MainWnd_Left, 2500));
        QVERIFY(cOptions::write(Opt::MainWnd_Top, 1400));
        QVERIFY(cOptions::write(Opt::MainWnd_Width, 2400));
        QVERIFY(cOptions::write(Opt::MainWnd_Height, 1300));
        TfrmMain window;
        QVERIFY(create(window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(screen.contains(window.frameGeometry()));
    }

    void viewSettingsAreReadAtCreation()
    {
        QVERIFY(cOptions::write(Opt::MainWnd_SBVisible, false));
        QVERIFY(cOptions::write(Opt::MainWnd_ExpandedToolbar, false));
        QVERIFY(cOptions::write(Opt::MainWnd_ContactPaneVisible, false));
        QVERIFY(cOptions::write(Opt::MainWnd_ContactPaneHeight, 123));
        QVERIFY(cOptions::write(Opt::MainWnd_Maximized, true));
        QVERIFY(cOptions::write(Opt::MailDisplayFont, u"DejaVu Serif"_s));
        QVERIFY(cOptions::write(Opt::MailDisplayFontSize, 13));
        TfrmMain window;
        QVERIFY(create(window));
        QVERIFY(!window.statusBar()->isVisible());
        QVERIFY(!window.IsToolbarExpanded());
        QVERIFY(!part<QListWidget>(window, "lstContacts")->isVisible());
        QVERIFY(window.isMaximized());
        for (const QFont &font : {part<QTextBrowser>(window, "htmlView")->document()->defaultFont(),
                                  part<cHtmlView>(window, "htmlPage")->MessageFont()}) {
            QCOMPARE(font.family(), u"DejaVu Serif"_s);
            QCOMPARE(font.pointSize(), 13);
        }

        window.close();
        QVERIFY(cOptions::read(Opt::MainWnd_Maximized));
        QVERIFY(!cOptions::read(Opt::MainWnd_ContactPaneVisible));
        // A hidden pane keeps the height it will show with again.
        QCOMPARE(cOptions::read(Opt::MainWnd_ContactPaneHeight, 0), 123);
        QVERIFY(!cOptions::read(Opt::MainWnd_SBVisible));
    }

    void theCheckTimerFollowsTheOptions()
    {
        QVERIFY(cOptions::write(Opt::VerifyMail, true));
        QVERIFY(cOptions::write(Opt::VerifyMailInterval, 7));
        TfrmMain window;
        QVERIFY(create(window));
        auto *timer = window.findChild<QTimer *>(u"tmrCheckForMail"_s);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 7 * 60000);
        QVERIFY(cOptions::write(Opt::VerifyMailInterval, 0));
        window.ApplyCheckTimer();
        QVERIFY(!timer->isActive());
    }

    void startUpAsksForAnAccountThenOpensTheRequestedMessage()
    {
        TfrmMain window;
        QSignalSpy wizard(&window, &TfrmMain::NewAccountWizardRequested);
        QSignalSpy composer(&window, &TfrmMain::NewMessageWindowRequested);
        window.SetStartRequest({u"ann@example.org"_s, u"Hi"_s, u"cy@example.org"_s, {}});
        QVERIFY(create(window));
        // Its 50 ms timer may run out while create() waits for the list.
        QTRY_COMPARE(wizard.size(), 1);
        QTRY_COMPARE(composer.size(), 1);
        const auto asked = composer.at(0).at(0).value<cNewMessageRequest>();
        QCOMPARE(asked.to, u"ann@example.org"_s);
        QCOMPARE(asked.subject, u"Hi"_s);
        QCOMPARE(asked.cc, u"cy@example.org"_s);

        TfrmMain withAccount;
        QSignalSpy noWizard(&withAccount, &TfrmMain::NewAccountWizardRequested);
        QVERIFY(create(withAccount, true));
        QVERIFY(!noWizard.wait(200));
    }

    void theFolderTreeEndsWithTheUserFolders()
    {
        QVERIFY(QDir().mkdir(fx->folderPath(u"Projects"_s)));
        TfrmMain window;
        QVERIFY(create(window));
        QTreeWidget *folders = part<QTreeWidget>(window, "lstFolders");
        QCOMPARE(folders->topLevelItemCount(), 6);
        QCOMPARE(folders->topLevelItem(2)->text(0), u"Sent items"_s);
        QCOMPARE(folders->topLevelItem(5)->text(0), u"Projects"_s);
    }

    // Another program stores, rewrites and deletes files of the shown folder: the list follows
    // on its own, row by row, and what the user selected stays selected.
    void theShownFolderFollowsChangesOnDisk()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        const QString two = fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Two"));
        const QString three = fx->putMessage(u"Inbox"_s, u"mail3.qrz"_s, cUiFixture::message("Three"));
        TfrmMain window;
        QVERIFY(create(window));
        cMessageList *messages = list(window);
        messages->SelectRow(rowOf(window, three));
        addToSelection(messages, rowOf(window, two));

        fx->putMessage(u"Inbox"_s, u"mail4.qrz"_s, cUiFixture::message("Four"));
        QTRY_COMPARE(rows(messages), 4);
        QCOMPARE(window.StatusText(2), u"4 message(s)"_s);
        QVERIFY(QFile::remove(fx->root() + u"/Mail/Inbox/mail1.qrz"_s));
        QTRY_COMPARE(rows(messages), 3);
        fx->putMessage(u"Inbox"_s, u"mail3.qrz"_s, cUiFixture::message("Three again"));
        QTRY_VERIFY(columnTexts(messages, 0).contains(u"Three again"_s));
        QCOMPARE(window.StatusText(2), u"3 message(s)"_s);
        QStringList selected = selectedTexts(messages, 0);
        selected.sort();
        QCOMPARE(selected, (QStringList{u"Three again"_s, u"Two"_s}));
        QCOMPARE(path(messages, messages->currentIndex().row()), three);
    }

    // The box filters by Subject and sender without case as the user types; Escape clears it.
    // Selected entries that stay visible stay selected, and commands see only visible ones.
    void theQuickFilterShowsMatchingEntriesOnly()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("Budget 2027"));
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Lunch"));
        cMailMessage fromBudgetTeam = cUiFixture::message("Minutes");
        fromBudgetTeam.From = "BUDGET team";
        fx->putMessage(u"Inbox"_s, u"mail3.qrz"_s, fromBudgetTeam);
        TfrmMain window;
        QVERIFY(create(window));
        cMessageList *messages = list(window);
        auto *box = part<QLineEdit>(window, "edtFilter");
        QCOMPARE(box->placeholderText(), u"Filter by subject or sender"_s);
        messages->selectAll();

        QTest::keyClicks(box, u"budget"_s);
        QStringList shown = columnTexts(messages, 0);
        shown.sort();
        QCOMPARE(shown, (QStringList{u"Budget 2027"_s, u"Minutes"_s}));
        QCOMPARE(window.SelectedMessages().size(), 2);
        QTest::keyClicks(box, u" 2027"_s);
        QCOMPARE(columnTexts(messages, 0), QStringList{u"Budget 2027"_s});

        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(rows(messages), 3);
        QCOMPARE(selectedTexts(messages, 0), QStringList{u"Budget 2027"_s});
    }

    // A folder opened in the tree shows from its listing cache at once; what changed on disk
    // since then follows once its files are checked, and a check that ends after another
    // folder was opened leaves that one alone.
    void aFolderOpensFromItsCacheAndIsCheckedBehindIt()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Two"));
        TfrmMain window;
        QVERIFY(create(window));
        cMessageList *messages = list(window);
        showFolder(window, u"Trash"_s);
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Two again"));
        fx->putMessage(u"Inbox"_s, u"mail3.qrz"_s, cUiFixture::message("Three"));
        QVERIFY(QFile::remove(fx->root() + u"/Mail/Inbox/mail1.qrz"_s));
        const auto subjects = [messages] {
            QStringList texts = columnTexts(messages, 0);
            texts.sort();
            return texts;
        };

        QSignalSpy checked(messages, &cMessageList::Looked);
        showFolder(window, u"Inbox"_s);
        QCOMPARE(subjects(), (QStringList{u"One"_s, u"Two"_s}));
        QTRY_COMPARE(checked.count(), 1);
        QCOMPARE(subjects(), (QStringList{u"Three"_s, u"Two again"_s}));
        QCOMPARE(window.StatusText(2), u"2 message(s)"_s);

        fx->putMessage(u"Trash"_s, u"gone.qrz"_s, cUiFixture::message("Deleted"));
        showFolder(window, u"Trash"_s);
        showFolder(window, u"Inbox"_s);
        window.LoadMessageList(u"Trash"_s);
        QTRY_COMPARE(checked.count(), 2);
        QCOMPARE(subjects(), QStringList{u"Deleted"_s});
    }

    // Without its cache a folder shows once its files are read; the cache is written behind,
    // after the check a cached open makes too.
    void aFolderWithoutItsCacheShowsAndWritesItBehind()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        TfrmMain window;
        QVERIFY(create(window));
        cMessageList *messages = list(window);
        const QString cache = fx->root() + u"/Mail/Inbox/"_s + cFolderIndex::kFileName;
        showFolder(window, u"Trash"_s);
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Two"));
        QFile::remove(cache);

        QSignalSpy checked(messages, &cMessageList::Looked);
        showFolder(window, u"Inbox"_s);
        QCOMPARE(rows(messages), 2);
        QTRY_COMPARE(checked.count(), 1);
        QCOMPARE(cFolderIndex::Load(fx->root() + u"/Mail/Inbox"_s).size(), 2u);
    }

    // Junk is made by the first message filed there; the tree shows it from then on.
    void aFolderMadeOnFirstUseJoinsTheTreeWhenMailArrivesInIt()
    {
        TfrmMain window;
        QVERIFY(create(window));
        QTreeWidget *folders = part<QTreeWidget>(window, "lstFolders");
        QVERIFY(folders->findItems(u"Junk"_s, Qt::MatchExactly).isEmpty());
        QVERIFY(QDir().mkpath(MailFolderPath(u"Junk"_s)));
        const QString path = fx->putMessage(u"Junk"_s, u"spam.qrz"_s, cUiFixture::message("Win"));

        window.InsertArrivedMessage(cUiFixture::refOf(path), cUiFixture::message("Win"));
        window.InsertArrivedMessage(cUiFixture::refOf(path), cUiFixture::message("Win"));
        QCOMPARE(folders->findItems(u"Junk"_s, Qt::MatchExactly).size(), 1);
    }

    void theStoreReloadsTheListOnlyWhenItsFolderIsShown()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        TfrmMain window;
        QVERIFY(create(window));
        fx->putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("Two"));
        cFolderStore::RefreshIfShown(u"Trash"_s);
        cFolderStore::RefreshIfShown(u"inbox"_s);
        QCOMPARE(rows(list(window)), 1);
        cFolderStore::RefreshIfShown(u"Inbox"_s);
        QCOMPARE(rows(list(window)), 2);

        fx->putMessage(u"Inbox"_s, u"mail3.qrz"_s, cUiFixture::message("Three"));
        std::unique_ptr<QThread> worker(QThread::create([] { cFolderStore::RefreshIfShown(u"Inbox"_s); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(rows(list(window)), 3);
        QCOMPARE(window.StatusText(2), u"3 message(s)"_s);
    }

    void sessionsReachTheListTheStatusBarAndTheTray()
    {
        TfrmMain window;
        QVERIFY(create(window));
        cMailMessage received = cUiFixture::message("Fresh", false);
        received.attachments = {u"/att/a.txt"_s};
        QVERIFY(window.InsertArrivedMessage({u"Inbox"_s, u"new.qrz"_s}, received));
        QCOMPARE(text(list(window), 0, 0), u"Fresh"_s);
        QCOMPARE(icon(list(window), 0), MsgImage::Unread);
        QCOMPARE(window.StatusText(2), u"1 message(s)"_s);
        QVERIFY(part<QTextBrowser>(window, "htmlView")->toPlainText().isEmpty());
        showFolder(window, u"Trash"_s);
        QVERIFY(!window.InsertArrivedMessage({u"Inbox"_s, u"other.qrz"_s}, received));
        QVERIFY(window.InsertArrivedMessage({u"trash"_s, u"filtered.qrz"_s}, received));

        auto *panel = part<cStatusPanel>(window, "sbMain_Panel0");
        window.SetStatusText(0, u"Checking for mail..."_s);
        QVERIFY(panel->showsIcon());
        window.SetStatusText(0, QString());
        QVERIFY(!panel->showsIcon());
        window.SetTrayNewMail(u"3 new message(s)"_s);
        QCOMPARE(window.findChild<QSystemTrayIcon *>(u"RxTrayIcon"_s)->toolTip(), u"3 new message(s)"_s);
    }

    // A note of the window's own is about what was shown; the sessions' texts stay.
    void aNoteGoesWithWhatItWasAbout_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("another folder shown") << 0;
        QTest::newRow("its message deleted") << 1;
        QTest::newRow("nothing selected") << 2;
    }
    void aNoteGoesWithWhatItWasAbout()
    {
        QFETCH(int, change);
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("Shown"));
        TfrmMain window;
        window.WireOwnCommands();
        QVERIFY(create(window));
        window.SetStatusText(0, u"Mail sent."_s);
        list(window)->SelectRow(0);
        part<QTextBrowser>(window, "htmlView")->selectAll();
        window.Command(eMainCommand::popMessage_Launch)->trigger();
        QVERIFY(window.StatusText(1).contains(u"was not opened"_s));
        if (change == 0)
            showFolder(window, u"Sent items"_s);
        else if (change == 1)
            window.Command(eMainCommand::tb_Delete)->trigger();
        else
            list(window)->clearSelection();
        QCOMPARE(window.StatusText(1), QString());
        QCOMPARE(window.StatusText(0), u"Mail sent."_s);
        window.SetStatusText(1, u"Sending mail..."_s);
        showFolder(window, u"Inbox"_s);
        QCOMPARE(window.StatusText(1), u"Sending mail..."_s);
    }

    void theNewMailCountGoesOnceTheNewMailIsRead()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("New", false));
        TfrmMain window;
        window.SetReadDelay(kReadDelayMs);
        QVERIFY(create(window));
        window.SetTrayNewMail(u"1 new message(s)"_s);
        window.SetStatusText(0, u"1 new message(s)"_s);
        clickEntry(window, 0);
        QCOMPARE(window.StatusText(0), QString());
    }

    void thePreviewFetchesNothingAndHandsLinksToTheDesktop()
    {
        cMailMessage html = cUiFixture::message("Links");
        html.Html = true;
        html.body = {"<img src=\"http://tracker.example/pixel.png\"><img src=\"/etc/hostname\">",
                     "<a href=\"https://example.org/\">site</a>"};
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, html);
        TfrmMain window;
        QVERIFY(create(window));
        auto *view = part<cHtmlView>(window, "htmlPage");
        QTRY_VERIFY(preview(window)->ShowsHtml());
        for (const char *url : {"http://tracker.example/pixel.png", "/etc/hostname"})
            QVERIFY(!view->ShownLayout()->Container().Image(url));

        cUrlCatcher desktop;
        QDesktopServices::setUrlHandler(u"https"_s, &desktop, "open");
        QDesktopServices::setUrlHandler(u"file"_s, &desktop, "open");
        emit view->LinkActivated(QUrl(u"https://example.org/"_s), u"site"_s);
        emit view->LinkActivated(QUrl(u"file:///etc/passwd"_s), u"site"_s);
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QDesktopServices::unsetUrlHandler(u"file"_s);
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl(u"https://example.org/"_s)});
    }

    void thePreviewDecodesTheDeclaredCharset()
    {
        cMailMessage koi8 = cUiFixture::message("Privet");
        koi8.headerLines = {"Content-Type: text/plain;", "\tcharset=\"koi8-r\""};
        koi8.body = {"\xf0\xd2\xc9\xd7\xc5\xd4"};
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, koi8);
        TfrmMain window;
        QVERIFY(create(window));
        QCOMPARE(part<QTextBrowser>(window, "htmlView")->toPlainText(), u"Привет"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
