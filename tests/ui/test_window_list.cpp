// SPDX-License-Identifier: GPL-3.0-or-later
// The window list: work windows appear in the main window's window menu while they exist,
// follow their captions, and bring their window back when chosen.
#include "UiFixture.h"

#include "ui/icons/ThemedIcon.h"
#include "ui/main/unitMain.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h"
#include "ui/wndlist/unitWndListProcs.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

class TestWindowList : public QObject
{
    Q_OBJECT

    static QStringList captions(const QMenu *menu)
    {
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts.append(action->text());
        return texts;
    }
    static void closeAndFree(cForm *form)
    {
        QPointer<cForm> guard(form);
        form->close();
        QTRY_VERIFY(guard.isNull());
    }

private slots:
    void itemsComeFollowTheirCaptionAndLeaveWithTheirWindow()
    {
        cUiFixture fx;
        TfrmMain frmMain;
        auto *popWins = frmMain.findChild<QMenu *>(u"popWins"_s);
        auto *tb_Windows = frmMain.findChild<QAction *>(u"tb_Windows"_s);
        QVERIFY(!tb_Windows->isEnabled());

        auto *composer1 = new cForm(u"New message"_s, ThemedIcon(u"mail-message-new"_s));
        auto *composer2 = new cForm(u"New message"_s, ThemedIcon(u"mail-message-new"_s));
        auto *sender = new cForm(u"Sending mail"_s);
        QCOMPARE(captions(popWins), (QStringList{u"New message"_s, u"New message"_s, u"Sending mail"_s}));
        QVERIFY(tb_Windows->isEnabled());
        QVERIFY(!popWins->actions().at(0)->icon().isNull());
        QVERIFY(popWins->actions().at(2)->icon().isNull());

        composer2->DoSetCaption(u"Tom & Jerry"_s);
        QCOMPARE(composer2->windowTitle(), u"Tom & Jerry"_s);
        QCOMPARE(popWins->actions().at(1)->text(), u"Tom && Jerry"_s);

        closeAndFree(composer1);
        QCOMPARE(captions(popWins), (QStringList{u"Tom && Jerry"_s, u"Sending mail"_s}));
        QVERIFY(tb_Windows->isEnabled());
        closeAndFree(composer2);
        delete sender; // a window destroyed without closing leaves the list too
        QVERIFY(popWins->actions().isEmpty());
        QVERIFY(!tb_Windows->isEnabled());
        QCOMPARE(cWndList::instance().Count(), 0);
    }

    void anItemBringsItsHiddenWindowBack()
    {
        cUiFixture fx;
        auto *progress = new cForm(u"Checking for mail"_s);
        progress->show();
        progress->hide();
        progress->AssociatedMenuItem()->trigger();
        QVERIFY(progress->isVisible());
        progress->showMinimized();
        progress->AssociatedMenuItem()->trigger();
        QVERIFY(!progress->isMinimized());
        closeAndFree(progress);
    }

    void aMainWindowMadeLaterListsTheOpenWindows()
    {
        cUiFixture fx;
        auto *addressBook = new cForm(u"Address book"_s);
        TfrmMain frmMain;
        QCOMPARE(captions(frmMain.findChild<QMenu *>(u"popWins"_s)), QStringList{u"Address book"_s});
        QVERIFY(frmMain.findChild<QAction *>(u"tb_Windows"_s)->isEnabled());
        closeAndFree(addressBook);
    }
};

QTEST_MAIN(TestWindowList)
#include "test_window_list.moc"
