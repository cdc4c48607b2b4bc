// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over a mail store held in memory: what it lists and what its commands change
// come from the store it is given, never from files behind it.
#include "MsgListProbe.h"
#include "UiFixture.h"

#include "tests/support/cMemoryMailStore.h"
#include "ui/main/unitMain.h"
#include "ui/main/unitReadMessage.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

const QString kInbox = FolderName(eFolderKind::Inbox);
const QString kTrash = FolderName(eFolderKind::Trash);
const QString kWork = u"Work"_s;

QStringList subjectsIn(const cMailStore &store, const QString &folder)
{
    QStringList subjects;
    for (const cStoredEntry &listed : store.List(folder))
        subjects.append(QString::fromUtf8(listed.entry.Subject));
    subjects.sort();
    return subjects;
}

void chooseFolderWhenAsked(const QString &folder)
{
    answerModals([folder](QWidget *modal) {
        auto *tree = modal->findChild<QTreeWidget *>(u"lstFolders"_s);
        tree->setCurrentItem(tree->findItems(folder, Qt::MatchExactly).value(0));
        modal->findChild<QPushButton *>(u"btnOK"_s)->click();
        return false;
    });
}

} // namespace

class TestMainWindowStore : public QObject
{
    Q_OBJECT

private slots:
    void commandsChangeTheStoreTheWindowShows_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("inbox");
        QTest::addColumn<QStringList>("elsewhere");
        QTest::addColumn<QString>("elsewhereFolder");
        const QStringList rest{u"one"_s, u"three"_s};
        QTest::newRow("delete") << int(eMainCommand::tb_Delete) << QString() << rest << QStringList{u"two"_s} << kTrash;
        QTest::newRow("move") << int(eMainCommand::mnuFile_MoveTo) << kWork << rest << QStringList{u"two"_s} << kWork;
        QTest::newRow("copy") << int(eMainCommand::mnuFile_CopyTo) << kWork << QStringList{u"one"_s, u"three"_s, u"two"_s}
                              << QStringList{u"two"_s} << kWork;
    }

    void commandsChangeTheStoreTheWindowShows()
    {
        QFETCH(int, command);
        QFETCH(QString, chosen);
        QFETCH(QStringList, inbox);
        QFETCH(QStringList, elsewhere);
        QFETCH(QString, elsewhereFolder);

        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cMemoryMailStore store;
        store.AddFolder(kWork);
        for (const char *subject : {"one", "two", "three"})
            QVERIFY(store.Store(kInbox, cUiFixture::message(subject, false)));
        TfrmMain window(store);
        window.WireOwnCommands();
        QVERIFY(window.FormCreate({[] { return true; }, {}, [] { return true; }}));
        QVERIFY(window.FolderNames().contains(kWork));

        cMessageList *list = msgList(window);
        QCOMPARE(window.ShownFolder(), kInbox);
        QStringList shown = columnTexts(list, 0);
        shown.sort();
        QCOMPARE(shown, (QStringList{u"one"_s, u"three"_s, u"two"_s}));

        list->SelectRow(int(columnTexts(list, 0).indexOf(u"two"_s)));
        if (!chosen.isEmpty())
            chooseFolderWhenAsked(chosen);
        window.Command(eMainCommand(command))->trigger();
        QCOMPARE(subjectsIn(store, kInbox), inbox);
        QCOMPARE(subjectsIn(store, elsewhereFolder), elsewhere);
        QCOMPARE(rows(list), int(inbox.size()));

        // What was taken away comes back; a copy is no step of its own.
        if (command != int(eMainCommand::mnuFile_CopyTo)) {
            window.Command(eMainCommand::mnuEdit_Undo)->trigger();
            QCOMPARE(subjectsIn(store, kInbox), (QStringList{u"one"_s, u"three"_s, u"two"_s}));
            QCOMPARE(rows(list), 3);
        }
    }

    // A message opens from the store: in a window of its own, and by the store's name for it in
    // the properties dialog and, for a draft, the composer.
    void openingAMessageReadsItFromTheStore()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cMemoryMailStore store;
        const cResultOf<cMessageRef> letter = store.Store(kInbox, cUiFixture::message("letter", false));
        const QString unfinished = FolderName(eFolderKind::Unfinished);
        const cResultOf<cMessageRef> draft = store.Store(unfinished, cUiFixture::message("draft", false));
        QVERIFY(letter && draft);
        QList<cMessageRef> asked;
        cWindowSteps steps;
        steps.ShowMessageProperties = [&asked](const cMessageRef &message, QWidget *) { asked.append(message); };
        steps.OpenDraft = steps.ShowMessageProperties;
        SetWindowSteps(steps);
        TfrmMain window(store);
        window.WireOwnCommands();
        QVERIFY(window.FormCreate({[] { return true; }, {}, [] { return true; }}));
        cMessageList *list = msgList(window);

        list->SelectRow(0);
        window.Command(eMainCommand::popMsgs_Properties)->trigger();
        emit list->doubleClicked(list->model()->index(0, 0));
        const auto *reader = window.findChild<TfrmReadMessage *>();
        QVERIFY(reader);
        QCOMPARE(reader->windowTitle(), u"letter"_s);
        QVERIFY(store.Read(letter.value()).value().Read);

        window.SelectFolder(unfinished);
        emit list->doubleClicked(list->model()->index(0, 0));
        QCOMPARE(asked, (QList<cMessageRef>{letter.value(), draft.value()}));
        SetWindowSteps({});
    }
};

QTEST_MAIN(TestMainWindowStore)
#include "test_main_window_store.moc"
