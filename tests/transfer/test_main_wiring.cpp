// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's receive, send and account commands reach the transfer sessions, and the
// sessions' reports come back into the main window.
#include "app/StartUp.h"
#include "app/TransferWiring.h"
#include "storage/cFolderStore.h"
#include "tests/mailproto/ScriptedServer.h"
#include "tests/ui/UiFixture.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"
#include "ui/main/unitMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

class TestMainWiring : public QObject
{
    Q_OBJECT

private slots:
    void receivingWithoutAccountOffersOne();
    void receivedMessagesAppearAtTheTopOfInbox();
    void exitEndsTheProgramAndStopsARunningTransfer();

    void everyTransferCommandIsWired();
};

void TestMainWiring::everyTransferCommandIsWired()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    TfrmMain frmMain;
    WireTransfer(frmMain);
    for (eMainCommand id : {eMainCommand::TB_Receive, eMainCommand::mnuTools_CheckMail,
                            eMainCommand::mnuTools_CheckMailUsing, eMainCommand::mnuTools_SendUnsent,
                            eMainCommand::tbAccounts, eMainCommand::mnuTools_Accounts})
        QVERIFY2(frmMain.Command(id)->isEnabled(), qPrintable(frmMain.Command(id)->objectName()));
    QVERIFY(!frmMain.Command(eMainCommand::mnuTools_Options)->isEnabled());
}

void TestMainWiring::receivingWithoutAccountOffersOne()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    TfrmMain frmMain;
    QVERIFY(CreateMainWindow(frmMain));
    QString question;
    bool wizardClosed = false;
    // The new-account wizard opened at start (no account yet) is cancelled first.
    answerModals([&question, &wizardClosed](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            return false;
        }
        modal->close();
        wizardClosed = true;
        return true;
    });
    QTRY_VERIFY(wizardClosed);
    QAction *receive = frmMain.Command(eMainCommand::TB_Receive);
    QVERIFY(receive && receive->isEnabled());
    receive->trigger();
    QCOMPARE(question, u"There is not mail account set up on this computer. Would you like to create one now?"_s);
    QCOMPARE(frmMain.StatusText(0), u"no account present."_s);
    QVERIFY(!TfrmGetMail::Existing());
}

void TestMainWiring::receivedMessagesAppearAtTheTopOfInbox()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    fixture.putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("older"));
    ScriptedServer server;
    server.Send("+OK ready\r\n")
        .Replies({"+OK\r\n", "+OK\r\n", "-ERR\r\n", "-ERR\r\n", "+OK 1 100\r\n", "-ERR\r\n", "+OK 1 100\r\n",
                  "+OK\r\nFrom: Carl <carl@example.org>\r\nSubject: newest\r\n\r\nHi\r\n.\r\n", "+OK\r\n", "+OK bye\r\n"});
    server.Start();
    cAccount account;
    account.section = u"Work"_s;
    account.pop3Server = u"127.0.0.1"_s;
    account.pop3Port = QString::number(server.Port());
    account.userId = u"carl"_s;
    account.password = "secret";
    QVERIFY(cAccountStore::WriteAccount(account));

    TfrmMain frmMain;
    QVERIFY(CreateMainWindow(frmMain));
    const QAbstractItemModel *lstMsgs = frmMain.findChild<QTreeView *>(u"lstMsgs"_s)->model();
    QCOMPARE(lstMsgs->rowCount(), 1);
    frmMain.Command(eMainCommand::mnuTools_CheckMail)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(lstMsgs->rowCount(), 2, 10000);
    QCOMPARE(lstMsgs->index(0, 0).data().toString(), u"newest"_s);
    QTRY_COMPARE_WITH_TIMEOUT(frmMain.StatusText(0), u"1 new message(s)"_s, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!TfrmGetMail::Existing(), 10000);
    QCOMPARE(cFolderStore::MessageFiles(u"Inbox"_s).size(), 2);
}

// A server that answers nothing keeps the send window open and its session waiting; Exit must
// still end the program, stopping that session first, and the message stays unsent.
void TestMainWiring::exitEndsTheProgramAndStopsARunningTransfer()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    ScriptedServer silent;
    silent.Start();
    cAccount account;
    account.section = u"Work"_s;
    account.smtpServer = u"127.0.0.1"_s;
    account.smtpPort = QString::number(silent.Port());
    QVERIFY(cAccountStore::WriteAccount(account));
    QVERIFY(cAccountStore::SetDefaultAccountName(account.section));
    cMailMessage unsent = cUiFixture::message("waiting");
    unsent.From = "Ann <ann@example.org>";
    QVERIFY(!fixture.putMessage(u"Unsent"_s, u"mail1.qrz"_s, unsent).isEmpty());

    TfrmMain frmMain;
    QVERIFY(CreateMainWindow(frmMain));
    frmMain.Command(eMainCommand::mnuTools_SendUnsent)->trigger();
    QPointer<QWidget> sendWindow = TfrmSendMail::Running();
    QVERIFY(sendWindow && sendWindow->isVisible());
    // Connected, the session now waits for a greeting that never comes.
    QTRY_COMPARE(sendWindow->findChild<QLabel *>(u"lblConnectionStatus"_s)->text(), u"Connected"_s);

    QTimer::singleShot(0, &frmMain, [&frmMain] { frmMain.findChild<QAction *>(u"mnuFile_Exit"_s)->trigger(); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(20000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(sendWindow.isNull());
    QVERIFY(!frmMain.isVisible());
    QCOMPARE(cFolderStore::MessageFiles(u"Unsent"_s).size(), 1);
    QVERIFY(cFolderStore::MessageFiles(u"Sent items"_s).isEmpty());
}

QTEST_MAIN(TestMainWiring)
#include "test_main_wiring.moc"
