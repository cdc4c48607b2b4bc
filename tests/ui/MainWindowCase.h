// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private mailbox and a main window whose own commands are wired, for the tests that drive
// the window's commands; a test class derives from it beside QObject.
#include "MsgListProbe.h"
#include "UiFixture.h"

#include "app/WindowSteps.h"
#include "ui/main/unitMain.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>

class cMainWindowCase
{
public:
    std::unique_ptr<cUiFixture> fx;
    std::unique_ptr<TfrmMain> fWindow;

    [[nodiscard]] bool begin()
    {
        fx = std::make_unique<cUiFixture>();
        return fx->initStorage();
    }
    void end()
    {
        fWindow.reset();
        fx.reset();
    }
    [[nodiscard]] bool open()
    {
        fWindow = std::make_unique<TfrmMain>();
        InstallWindowSteps(fWindow->Store(), fWindow.get());
        fWindow->WireOwnCommands();
        // The first listing's check of the files must not land in the middle of a test.
        QSignalSpy looked(list(), &cMessageList::Looked);
        return fWindow->FormCreate({[] { return InitMailStorage(); }, {}, [] { return true; }})
               && QTest::qWaitFor([&looked] { return !looked.isEmpty(); });
    }
    cMessageList *list() const { return msgList(*fWindow); }
    QTreeWidget *folders() const { return fWindow->findChild<QTreeWidget *>(u"lstFolders"_s); }
    QTreeWidgetItem *folderItem(const QString &name) const
    {
        return folders()->findItems(name, Qt::MatchExactly).value(0);
    }
    void trigger(eMainCommand id) const { fWindow->Command(id)->trigger(); }
};
