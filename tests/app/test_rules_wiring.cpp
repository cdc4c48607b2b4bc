// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's rule and junk commands reach the engine off the window's thread, and the
// list shows what they did; "Message rules..." opens the one rules window.
#include "app/RulesWiring.h"
#include "app/StartUp.h"
#include "rules/cJunkFilter.h"
#include "rules/cRuleStore.h"
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
#include "tests/ui/UiFixture.h"
#include "transfer/cAccountStore.h"
#include "ui/main/unitMain.h"
#include "ui/rules/unitRules.h"

#include <QAction>
#include <QListWidget>
#include <QTreeView>
#include <QtTest>

using namespace Qt::StringLiterals;

// With an account, the window opens without the new-account wizard.
cAccount workAccount()
{
    cAccount account;
    account.section = u"Work"_s;
    return account;
}

class TestRulesWiring : public QObject
{
    Q_OBJECT

private slots:
    void runningTheRulesFilesTheShownFolder();
    void withoutBogofilterTheJunkCommandsSayWhatToInstall();
    void aFolderTeachesTheJunkFilterInTheBackground();
    void messageRulesOpensOneRulesWindow();
};

void TestRulesWiring::runningTheRulesFilesTheShownFolder()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    QVERIFY(cAccountStore::WriteAccount(workAccount()));
    QVERIFY(cFolderStore::CreateFolder(u"Lists"_s));
    fixture.putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("[devs] release"));
    fixture.putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("lunch"));
    fixture.putMessage(u"Inbox"_s, u"mail3.qrz"_s, cUiFixture::message("[devs] plans"));
    cRule lists;
    lists.name = u"Lists"_s;
    lists.conditions = {{eRuleField::Subject, eRuleMatch::BeginsWith, {}, u"[devs]"_s, false}};
    lists.actions = {{eRuleAction::MoveTo, u"Lists"_s}};
    QVERIFY(cRuleStore::Save({lists}));

    TfrmMain frmMain;
    QVERIFY(CreateMainWindow(frmMain));
    const QAbstractItemModel *lstMsgs = frmMain.findChild<QTreeView *>(u"lstMsgs"_s)->model();
    QCOMPARE(lstMsgs->rowCount(), 3);
    // On the selected message only: the other one that matches stays.
    auto *view = frmMain.findChild<QTreeView *>(u"lstMsgs"_s);
    QModelIndex release;
    for (int row = 0; row < lstMsgs->rowCount(); ++row)
        for (int column = 0; column < lstMsgs->columnCount(); ++column)
            if (lstMsgs->index(row, column).data() == u"[devs] release"_s)
                release = lstMsgs->index(row, column);
    QVERIFY(release.isValid());
    view->setCurrentIndex(release);
    view->selectionModel()->select(release, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    frmMain.Command(eMainCommand::popMsgs_RunRules)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(frmMain.StatusText(1), u"The rules moved 1 message(s)."_s, 10000);
    QTRY_COMPARE(lstMsgs->rowCount(), 2);
    frmMain.SetStatusText(1, {});

    frmMain.Command(eMainCommand::mnuTools_RunRules)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(frmMain.StatusText(1), u"The rules moved 1 message(s)."_s, 10000);
    QTRY_COMPARE(lstMsgs->rowCount(), 1);
    QCOMPARE(cFolderStore::MessageFiles(u"Lists"_s).size(), 2);
}

void TestRulesWiring::withoutBogofilterTheJunkCommandsSayWhatToInstall()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    qputenv(cJunkFilter::kProgramVariable, "/nonexistent/bogofilter");
    TfrmMain frmMain;
    WireRules(frmMain, *new cQrzMailStore(&frmMain));
    qunsetenv(cJunkFilter::kProgramVariable);
    for (eMainCommand id : {eMainCommand::popMsgs_MarkJunk, eMainCommand::popMsgs_NotJunk, eMainCommand::tb_Junk,
                            eMainCommand::popFolders_LearnJunk, eMainCommand::popFolders_LearnNotJunk}) {
        QVERIFY(!frmMain.Command(id)->isEnabled());
        QVERIFY(frmMain.Command(id)->statusTip().contains(u"\"bogofilter\""_s));
    }
    QVERIFY(frmMain.Command(eMainCommand::mnuTools_RunRules)->isEnabled());
}

// Learning twice from the same folder teaches nothing new; the messages stay where they are.
void TestRulesWiring::aFolderTeachesTheJunkFilterInTheBackground()
{
    if (cJunkFilter::Program().isEmpty())
        QSKIP("bogofilter is not installed");
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    QVERIFY(cAccountStore::WriteAccount(workAccount()));
    fixture.putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("cheap pills"));
    fixture.putMessage(u"Inbox"_s, u"mail2.qrz"_s, cUiFixture::message("free prize"));
    TfrmMain frmMain;
    QVERIFY(CreateMainWindow(frmMain));
    QAction *learn = frmMain.Command(eMainCommand::popFolders_LearnJunk);
    QVERIFY(learn->isEnabled());
    learn->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(frmMain.StatusText(1), u"The junk filter learned 2 message(s) of \"Inbox\" as junk."_s, 10000);
    QVERIFY(cJunkFilter::Trained());
    frmMain.Command(eMainCommand::popFolders_LearnNotJunk)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(frmMain.StatusText(1), u"The junk filter learned 2 message(s) of \"Inbox\" as not junk."_s, 10000);
    QCOMPARE(cFolderStore::MessageFiles(u"Inbox"_s).size(), 2);
}

void TestRulesWiring::messageRulesOpensOneRulesWindow()
{
    cUiFixture fixture;
    QVERIFY(fixture.initStorage());
    cRule lists;
    lists.name = u"Lists"_s;
    lists.actions = {{eRuleAction::MarkRead}};
    QVERIFY(cRuleStore::Save({lists}));
    TfrmMain frmMain;
    WireRules(frmMain, *new cQrzMailStore(&frmMain));
    QAction *command = frmMain.Command(eMainCommand::mnuTools_MessageRules);
    QCOMPARE(command->text(), u"Message rules..."_s);
    command->trigger();
    command->trigger();
    QCOMPARE(frmMain.findChildren<TfrmRules *>().size(), 1);
    auto *window = frmMain.findChild<TfrmRules *>();
    QVERIFY(window->isVisible());
    QCOMPARE(window->findChild<QListWidget *>(u"lstRules"_s)->item(0)->text(), u"Lists"_s);
}

QTEST_MAIN(TestRulesWiring)
#include "test_rules_wiring.moc"
