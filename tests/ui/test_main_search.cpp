// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's search of every folder: Enter in the quick filter box, the "Search
// results" item, commands on results from several folders, and saved searches in the tree.
#include "MainWindowCase.h"

#include "search/cSavedSearches.h"
#include "search/cSearchIndex.h"
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
#include "ui/main/cMainSearch.h"
#include "ui/main/MainWindowRules.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

class TestMainSearch : public QObject, public cMainWindowCase
{
    Q_OBJECT

    QString fInboxBudget;
    QString fWorkBudget;

    // Budget mail in Inbox and Work, and one message no search below finds.
    void fillStore()
    {
        QVERIFY(cFolderStore::CreateFolder(u"Work"_s));
        cMailMessage inbox = cUiFixture::message("Budget draft", false);
        inbox.DateTime = "08.12.2026 09:05:07";
        fInboxBudget = fx->putMessage(u"Inbox"_s, u"0001.qrz"_s, inbox);
        cMailMessage work = cUiFixture::message("Numbers");
        work.body = {"The budget is final."};
        work.DateTime = "09.12.2026 10:00:00";
        fWorkBudget = fx->putMessage(u"Work"_s, u"0001.qrz"_s, work);
        fx->putMessage(u"Inbox"_s, u"0002.qrz"_s, cUiFixture::message("Lunch"));
        cSearchIndex index;
        QVERIFY(index.Open());
        QVERIFY(index.Update(cQrzMailStore()));
    }

    QLineEdit *box() const { return fWindow->findChild<QLineEdit *>(u"edtFilter"_s); }

    // Types the query in the box, presses Enter and waits for the results.
    void search(const QString &query)
    {
        QTest::keyClicks(box(), query);
        QTest::keyClick(box(), Qt::Key_Return);
        QTRY_VERIFY(fWindow->StatusText(2) != u"Searching..."_s);
    }

    QStringList shownPaths() const
    {
        QStringList paths;
        for (int row = 0; row < rows(list()); ++row)
            paths.append(path(list(), row));
        return paths;
    }

    void selectOnly(const QString &file)
    {
        list()->SelectRow(rowOfPath(list(), file));
    }

private slots:
    void init()
    {
        QVERIFY(begin());
        fillStore();
        QVERIFY(open());
    }
    void cleanup() { end(); }

    // Results found while the index is being built say how far it is, and come again once it is.
    void resultsDuringABuildSaySoAndComeAgainAfterIt()
    {
        fWindow->Search().SetIndexing(1, 3);
        search(u"budget"_s);
        QCOMPARE(fWindow->StatusText(2), u"2 message(s) - Index is being built: 1 of 3 messages"_s);
        fWindow->Search().SetIndexing(0, 0);
        QTRY_COMPARE(fWindow->StatusText(2), u"2 message(s)"_s);
    }

    // Words of the body count as those of the subject; the results name their folder, newest
    // first, the box is left empty so it filters nothing, and the count says how many.
    void enterSearchesEveryFolder()
    {
        search(u"budget"_s);
        QTreeWidgetItem *results = folders()->currentItem();
        QCOMPARE(results->text(0), u"Search results"_s);
        QCOMPARE(cMainSearch::QueryOf(results), u"budget"_s);
        QCOMPARE(shownPaths(), (QStringList{fWorkBudget, fInboxBudget}));
        QCOMPARE(columnTexts(list(), MsgColumn::Folder), (QStringList{u"Work"_s, u"Inbox"_s}));
        QCOMPARE(caption(list(), MsgColumn::Folder), u"Folder"_s);
        QVERIFY(box()->text().isEmpty());
        QCOMPARE(fWindow->StatusText(2), u"2 message(s)"_s);
        QCOMPARE(fWindow->ShownFolder(), QString());

        // Another search takes the same item; a folder brings its own list back.
        search(u"lunch"_s);
        QCOMPARE(folders()->currentItem(), results);
        QCOMPARE(rows(list()), 1);
        fWindow->SelectFolder(u"Work"_s);
        QCOMPARE(list()->Model()->columnCount(), MsgColumn::Count);
        QCOMPARE(columnTexts(list(), 0), QStringList{u"Numbers"_s});
    }

    // A query that cannot be read says so and shows nothing.
    void aQueryThatCannotBeReadIsTold()
    {
        search(u"(budget"_s);
        QCOMPARE(rows(list()), 0);
        QVERIFY(!fWindow->StatusText(1).isEmpty());
    }

    // Delete moves each message to the Trash from its own folder, and Undo brings each back there.
    void deleteAndUndoWorkPerFolder()
    {
        search(u"budget"_s);
        list()->selectAll();
        trigger(eMainCommand::tb_Delete);
        QCOMPARE(rows(list()), 0);
        QVERIFY(!QFile::exists(fInboxBudget));
        QVERIFY(!QFile::exists(fWorkBudget));
        QCOMPARE(QDir(fx->folderPath(u"Trash"_s)).entryList({u"*.qrz"_s}).size(), 2);
        trigger(eMainCommand::mnuEdit_Undo);
        trigger(eMainCommand::mnuEdit_Undo);
        QVERIFY(QFile::exists(fInboxBudget));
        QVERIFY(QFile::exists(fWorkBudget));
        QCOMPARE(folders()->currentItem()->text(0), u"Search results"_s);
    }

    // Marking read works on the file of the row; a message another program moves away leaves
    // the results, and one it changes is listed anew.
    void resultsFollowTheirFiles()
    {
        search(u"budget"_s);
        selectOnly(fInboxBudget);
        trigger(eMainCommand::popMsgs_MarkRead);
        QVERIFY(cUiFixture::isReadOnDisk(fInboxBudget));

        QVERIFY(QFile::rename(fWorkBudget, fx->folderPath(u"Trash"_s) + u"/0009.qrz"_s));
        QTRY_COMPARE(shownPaths(), QStringList{fInboxBudget});
        fx->putMessage(u"Inbox"_s, u"0001.qrz"_s, cUiFixture::message("Budget final"));
        QTRY_COMPARE(columnTexts(list(), 0), QStringList{u"Budget final"_s});
        QCOMPARE(fWindow->StatusText(2), u"1 message(s)"_s);
    }

    // A saved search stays in the tree after the folders, across windows, and runs when chosen;
    // deleting it forgets the query and leaves every message where it was.
    void aSavedSearchStaysAndDeletesOnlyItself()
    {
        search(u"budget"_s);
        answerModals([](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            dialog->setTextValue(u"Money"_s);
            dialog->accept();
            return false;
        });
        trigger(eMainCommand::mnuFile_Folder_SaveSearch);
        QCOMPARE(cSavedSearches::Read(), (std::vector<cSavedSearch>{{u"Money"_s, u"budget"_s}}));
        QVERIFY(cFolderStore::CreateFolder(u"Later"_s));
        fWindow->AddFolderItem(u"Later"_s, eFolderKind::User);
        QVERIFY(!fWindow->FolderNames().contains(QString()));
        QCOMPARE(fWindow->FolderNames().last(), u"Later"_s);

        fWindow.reset();
        QVERIFY(open());
        QTreeWidgetItem *saved = folderItem(u"Money"_s);
        QVERIFY(cMainSearch::IsSaved(saved));
        folders()->setCurrentItem(saved);
        QTRY_COMPARE(rows(list()), 2);
        QVERIFY(fWindow->Command(eMainCommand::mnuFile_Folder_Delete)->isEnabled());
        QVERIFY(!fWindow->Command(eMainCommand::mnuFile_Folder_Rename)->isEnabled());

        answerModals([](QWidget *modal) {
            qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
            return false;
        });
        trigger(eMainCommand::mnuFile_Folder_Delete);
        QVERIFY(!folderItem(u"Money"_s));
        QVERIFY(cSavedSearches::Read().empty());
        QVERIFY(QFile::exists(fInboxBudget));
        QVERIFY(QFile::exists(fWorkBudget));
        QCOMPARE(fWindow->ShownFolder(), u"Inbox"_s);
    }
};

QTEST_MAIN(TestMainSearch)
#include "test_main_search.moc"
