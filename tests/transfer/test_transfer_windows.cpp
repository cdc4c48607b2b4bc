// SPDX-License-Identifier: GPL-3.0-or-later
// The send and get windows over scripted servers: one window per kind, what they show, and
// when they close.
#include "UnsentMessage.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cOptions.h"
#include "tests/mailproto/ScriptedServer.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/cTransferEvents.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"
#include "ui/wndlist/unitWndListProcs.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include "tests/support/cScratchSettings.h"
#include <QtTest>

using namespace Qt::StringLiterals;

class TestTransferWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoQuickSendsShareOneWindowAndOneConnection();
    void withoutDefaultAccountTheWindowStaysOpenWithOneError();
    void anInvalidAccountIsSkippedAndTheWindowStaysOpen();
    void closingTheSendWindowMidTransferKeepsTheMessageUnsent();
    void closingTheGetWindowMidTransferLeavesTheMessageOnTheServer();
    void stopEndsAHungTransferAndLosesNothing();
    void receiveAfterHidingAFailedCheckChecksAgain();
    void windowsOpenOnTheScreenAndGrowOnlyWithinIt();
    void aRetriedCheckFetchesOnlyWhatItHadNotFetched();

private:
    void addAccount(const QString &section, const QString &userId, quint16 smtpPort, quint16 pop3Port);
    static QList<cMessageRef> unsentMessage(const QByteArray &subject) { return UnsentRefs({WriteUnsentMessage(subject)}); }
    static QPushButton *stopButton(QWidget *window)
    {
        return window->findChild<QPushButton *>(QStringLiteral("btnStop"));
    }
    static QString shown(QWidget *window, const char *label)
    {
        return window->findChild<QLabel *>(QLatin1String(label))->text();
    }

    // The window goes at once, whatever its session waits for, and is freed once the session
    // has ended (here because the server hangs up).
    template<typename Window>
    static void closeWhileTheServerStalls(QPointer<Window> window, ScriptedServer &server)
    {
        QElapsedTimer closing;
        closing.start();
        window->close();
        QVERIFY2(closing.elapsed() < 100, qPrintable(QString::number(closing.elapsed())));
        QVERIFY(window && !window->isVisible());
        server.Drop();
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
    }

    cScratchSettings *fDir = nullptr;
    cQrzMailStore fStore;
};

void TestTransferWindows::init()
{
    fDir = new cScratchSettings;
    QVERIFY(fDir->initStorage());
}

void TestTransferWindows::cleanup()
{
    delete TfrmSendMail::Running();
    delete TfrmGetMail::Existing();
    delete fDir;
}

void TestTransferWindows::addAccount(const QString &section, const QString &userId, quint16 smtpPort, quint16 pop3Port)
{
    cAccount account;
    account.section = section;
    account.smtpServer = account.pop3Server = QStringLiteral("127.0.0.1");
    account.smtpPort = QString::number(smtpPort);
    account.pop3Port = QString::number(pop3Port);
    account.userId = userId;
    account.password = "secret";
    QVERIFY(cAccountStore::WriteAccount(account));
}

void TestTransferWindows::twoQuickSendsShareOneWindowAndOneConnection()
{
    ScriptedServer server;
    const QList<QByteArray> envelope = {"250 ok\r\n", "250 ok\r\n", "354 go on\r\n"};
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n"}).Replies(envelope).ExpectUntil("\r\n.\r\n")
        .Send("250 queued\r\n").Replies(envelope).ExpectUntil("\r\n.\r\n").Send("250 queued\r\n")
        .Replies({"221 bye\r\n"});
    server.Start();
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), server.Port(), 110);
    QVERIFY(cAccountStore::SetDefaultAccountName(QStringLiteral("Work")));
    QSignalSpy status(&cTransferEvents::instance(), &cTransferEvents::StatusText);

    SendMessages(fStore, unsentMessage("first"));
    QPointer<TfrmSendMail> window = TfrmSendMail::Running();
    QVERIFY(window);
    SendMessages(fStore, unsentMessage("second"));
    QCOMPARE(TfrmSendMail::Running(), window.data());
    QCOMPARE(cWndList::instance().Count(), 1);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblMsgCount"))->text(), QStringLiteral("2"));

    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 20000);
    QCOMPARE(cFolderStore::MessageFiles(QStringLiteral("Sent items")).size(), 2);
    QCOMPARE(server.Transcript().count("EHLO "), 1);
    QCOMPARE(status.first().at(1).toString(), QStringLiteral("Sending mail..."));
    QCOMPARE(status.last().at(1).toString(), QStringLiteral("Mail sent."));
}

void TestTransferWindows::withoutDefaultAccountTheWindowStaysOpenWithOneError()
{
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), 25, 110);
    SendMessages(fStore, unsentMessage("stays"));
    TfrmSendMail *window = TfrmSendMail::Running();
    QVERIFY(window);
    QTRY_VERIFY_WITH_TIMEOUT(window->ErrorsShown(), 10000);
    QCOMPARE(window->Errors(), QStringList{QStringLiteral("No default account is set. Cannot send.")});
    QCOMPARE(cFolderStore::MessageFiles(QStringLiteral("Unsent")).size(), 1);
    QVERIFY(!stopButton(window)->isEnabled());
}

void TestTransferWindows::anInvalidAccountIsSkippedAndTheWindowStaysOpen()
{
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 1 100\r\n", "-ERR no LAST\r\n", "+OK 1 100\r\n",
                  "+OK\r\nFrom: Ann <ann@example.org>\r\nSubject: Hi\r\n\r\nHello\r\n.\r\n", "+OK deleted\r\n",
                  "+OK bye\r\n"});
    server.Start();
    addAccount(QStringLiteral("Broken"), QString(), 25, server.Port());
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), 25, server.Port());
    QSignalSpy arrived(&cTransferEvents::instance(), &cTransferEvents::MessageArrived);
    QSignalSpy announced(&cTransferEvents::instance(), &cTransferEvents::NewMailAnnounced);

    StartMailCheck();
    QPointer<TfrmGetMail> window = TfrmGetMail::Existing();
    QVERIFY(window);
    StartMailCheck();
    QCOMPARE(TfrmGetMail::Existing(), window.data());
    QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 1, 20000);
    QCOMPARE(announced.first().at(0).toInt(), 1);
    QCOMPARE(arrived.size(), 1);
    QVERIFY(window);
    QCOMPARE(window->Errors(), QStringList{QStringLiteral("Account: Broken One or more setting is invalid, skipping.")});
    QCOMPARE(cFolderStore::MessageFiles(QStringLiteral("Inbox")).size(), 1);
}

// Closing (not hiding) a window while the worker waits for a stalled server's verdict on a
// sent message: the window goes at once, and is freed only after its session ended.
void TestTransferWindows::closingTheSendWindowMidTransferKeepsTheMessageUnsent()
{
    ScriptedServer server;
    server.Send("220 scripted\r\n").Replies({"250 hello\r\n", "250 ok\r\n", "250 ok\r\n", "354 go on\r\n"})
        .ExpectUntil("\r\n.\r\n").Stall();
    server.Start();
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), server.Port(), 110);
    QVERIFY(cAccountStore::SetDefaultAccountName(QStringLiteral("Work")));

    SendMessages(fStore, unsentMessage("interrupted"));
    QPointer<TfrmSendMail> window = TfrmSendMail::Running();
    QVERIFY(window);
    auto *operation = window->findChild<QLabel *>(QStringLiteral("lblCurrentOperation"));
    QTRY_COMPARE_WITH_TIMEOUT(operation->text(), QStringLiteral("Sending message..."), 10000);
    closeWhileTheServerStalls(window, server);
    QCOMPARE(TfrmSendMail::Running(), nullptr);
    QCOMPARE(cFolderStore::MessageFiles(QStringLiteral("Unsent")).size(), 1);
    QVERIFY(server.Transcript().contains("\r\n.\r\n"));
}

void TestTransferWindows::closingTheGetWindowMidTransferLeavesTheMessageOnTheServer()
{
    ScriptedServer server;
    server.Send("+OK ready\r\n").Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 1 100\r\n", "-ERR no LAST\r\n", "+OK 1 100\r\n"})
        .Expect().Send("+OK\r\nSubject: cut\r\n\r\nhalf").Stall();
    server.Start();
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), 25, server.Port());

    StartMailCheck();
    QPointer<TfrmGetMail> window = TfrmGetMail::Existing();
    QVERIFY(window);
    auto *output = window->findChild<QLabel *>(QStringLiteral("lblOutput"));
    QTRY_COMPARE_WITH_TIMEOUT(output->text(), QStringLiteral("Retrieving message 1 of 1"), 10000);
    closeWhileTheServerStalls(window, server);
    QCOMPARE(TfrmGetMail::Existing(), nullptr);
    QVERIFY(cFolderStore::MessageFiles(QStringLiteral("Inbox")).isEmpty());
    QVERIFY(!server.Transcript().contains("DELE"));
}

// Servers that accept and then say nothing: without Stop each window would wait for the reply
// time-out. A stopped check also does not go on to send.
void TestTransferWindows::stopEndsAHungTransferAndLosesNothing()
{
    ScriptedServer silentSmtp;
    silentSmtp.Start();
    ScriptedServer silentPop;
    silentPop.Start();
    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), silentSmtp.Port(), silentPop.Port());
    QVERIFY(cAccountStore::SetDefaultAccountName(QStringLiteral("Work")));
    QVERIFY(cOptions::write(Opt::SendMailAfterMailFetch, true));

    SendMessages(fStore, unsentMessage("never started"));
    QPointer<TfrmSendMail> unstarted = TfrmSendMail::Running();
    QVERIFY(stopButton(unstarted)->isVisible() && stopButton(unstarted)->isEnabled());
    stopButton(unstarted)->click();
    QTRY_VERIFY(unstarted.isNull());

    SendMessages(fStore, unsentMessage("hung"));
    QPointer<TfrmSendMail> sending = TfrmSendMail::Running();
    QTRY_COMPARE(shown(sending, "lblConnectionStatus"), QStringLiteral("Connected"));
    stopButton(sending)->click();
    QTRY_VERIFY_WITH_TIMEOUT(sending.isNull() || sending->Concluded(), 10000);
    QCOMPARE(cFolderStore::MessageFiles(QStringLiteral("Unsent")).size(), 2);
    QVERIFY(cFolderStore::MessageFiles(QStringLiteral("Sent items")).isEmpty());
    delete sending;

    StartMailCheck();
    QPointer<TfrmGetMail> receiving = TfrmGetMail::Existing();
    QTRY_COMPARE(shown(receiving, "lblOutput"), QStringLiteral("Attempting to connect to server..."));
    stopButton(receiving)->click();
    QTRY_VERIFY_WITH_TIMEOUT(receiving.isNull() || receiving->Concluded(), 10000);
    QVERIFY(!TfrmSendMail::Running());
    QVERIFY(cFolderStore::MessageFiles(QStringLiteral("Inbox")).isEmpty());
}

void TestTransferWindows::receiveAfterHidingAFailedCheckChecksAgain()
{
    addAccount(QStringLiteral("Broken"), QString(), 25, 110);
    StartMailCheck();
    QPointer<TfrmGetMail> failed = TfrmGetMail::Existing();
    QTRY_VERIFY(failed->Concluded());
    QCOMPARE(failed->Errors().size(), 1);
    failed->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    QVERIFY(!failed->isVisible());

    StartMailCheck();
    QPointer<TfrmGetMail> again = TfrmGetMail::Existing();
    QVERIFY(again && again != failed);
    QVERIFY(again->isVisible());
    QTRY_VERIFY(failed.isNull());
    QTRY_COMPARE(again->Errors().size(), 1);
}

void TestTransferWindows::windowsOpenOnTheScreenAndGrowOnlyWithinIt()
{
    const QRect area(0, 0, 800, 600);
    const struct
    {
        QRect frame;
        QRect fitted;
    } cases[] = {{QRect(100, 100, 300, 200), QRect(100, 100, 300, 200)},
                 {QRect(700, 500, 300, 200), QRect(500, 400, 300, 200)},
                 {QRect(-50, -30, 300, 200), QRect(0, 0, 300, 200)},
                 {QRect(10, 10, 1000, 900), QRect(0, 0, 800, 600)}};
    for (const auto &c : cases)
        QCOMPARE(FittedInto(c.frame, area), c.fitted);

    addAccount(QStringLiteral("Work"), QStringLiteral("ann"), 25, 110);
    SendMessages(fStore, unsentMessage("stays"));
    TfrmSendMail *window = TfrmSendMail::Running();
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(screen.contains(window->frameGeometry()));
    // Moved to the bottom before its errors unfold below it.
    window->move(screen.left(), screen.bottom() + 1 - window->frameGeometry().height());
    QTRY_VERIFY_WITH_TIMEOUT(window->ErrorsShown(), 10000);
    QVERIFY(screen.contains(window->frameGeometry()));
}

// A failed connection ends a check at its account: the accounts before it were fetched.
void TestTransferWindows::aRetriedCheckFetchesOnlyWhatItHadNotFetched()
{
    const QStringList queue{u"Home"_s, u"Work"_s, u"Club"_s};
    const struct
    {
        QString failed;
        QStringList retried;
    } cases[] = {{u"Club"_s, {u"Club"_s}},
                 {u"Work"_s, {u"Work"_s, u"Club"_s}},
                 {u"home"_s, queue},
                 {u"Gone"_s, {u"Gone"_s}}};
    for (const auto &c : cases)
        QCOMPARE(AccountsToRetry(queue, c.failed), c.retried);
}

QTEST_MAIN(TestTransferWindows)
#include "test_transfer_windows.moc"
