// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's folder commands: create, rename in place and delete with their
// questions and failures, and emptying the Trash with and without its prompt.
#include "MainWindowCase.h"

#include "storage/cFolderStore.h"
#include "ui/main/unitMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

class TestMainFolderCommands : public QObject, cMainWindowCase
{
    Q_OBJECT

    bool folderOnDisk(const QString &name) const { return QFileInfo(fx->folderPath(name)).isDir(); }
    // Answers the next message box with the button and returns its text.
    static void answerBox(QMessageBox::StandardButton button, QString *text = nullptr)
    {
        answerModals([=](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (text)
                *text = box->text();
            box->button(button)->click();
            return false;
        });
    }

private slots:
    void init() { QVERIFY(begin()); }
    void cleanup() { end(); }

    void foldersAreCreatedRenamedAndDeletedAfterTheirQuestions()
    {
        QVERIFY(open());
        QVERIFY(!fWindow->Command(eMainCommand::mnuFile_Folder_Rename)->isEnabled());
        answerModals([](QWidget *modal) {
            modal->findChild<QLineEdit *>(u"edtName"_s)->setText(u"Projects"_s);
            modal->findChild<QPushButton *>(u"btnOK"_s)->click();
            return false;
        });
        trigger(eMainCommand::mnuFile_Folder_New);
        QVERIFY(folderOnDisk(u"Projects"_s));
        QVERIFY(folderItem(u"Projects"_s));

        // Creating it again fails in the user's words; the tree keeps one entry.
        QString told;
        answerModals([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                told = box->text();
                box->accept();
                return false;
            }
            modal->findChild<QLineEdit *>(u"edtName"_s)->setText(u"Projects"_s);
            modal->findChild<QPushButton *>(u"btnOK"_s)->click();
            return true;
        });
        trigger(eMainCommand::mnuFile_Folder_New);
        QVERIFY(told.startsWith(u"Unable to create folder."_s));
        QCOMPARE(folders()->findItems(u"Projects"_s, Qt::MatchExactly).size(), 1);

        fx->putMessage(u"Projects"_s, u"mail1.qrz"_s, cUiFixture::message("Plan"));
        folders()->setCurrentItem(folderItem(u"Projects"_s));
        QVERIFY(fWindow->Command(eMainCommand::mnuFile_Folder_Rename)->isEnabled());
        trigger(eMainCommand::popFolders_Rename);
        folderItem(u"Projects"_s)->setText(0, u"Work"_s); // the edit is committed
        QVERIFY(folderOnDisk(u"Work"_s));
        QVERIFY(!folderOnDisk(u"Projects"_s));
        QCOMPARE(fWindow->ShownFolder(), u"Work"_s);
        QVERIFY(QFile::exists(path(list(), 0)));

        answerBox(QMessageBox::Ok, &told);
        folderItem(u"Work"_s)->setText(0, u"Inbox"_s);
        QVERIFY(told.startsWith(u"The folder could not be renamed."_s));
        QVERIFY(folderItem(u"Work"_s));

        answerBox(QMessageBox::No);
        trigger(eMainCommand::mnuFile_Folder_Delete);
        QVERIFY(folderOnDisk(u"Work"_s));
        answerBox(QMessageBox::Yes, &told);
        trigger(eMainCommand::popFolders_Delete);
        QVERIFY(told.endsWith(u"Are you certain you wish to delete this folder?"_s));
        QVERIFY(!folderOnDisk(u"Work"_s));
        QVERIFY(!folderItem(u"Work"_s));
        QCOMPARE(fWindow->ShownFolder(), u"Inbox"_s);
    }

    void emptyingAFolderAsksFirst()
    {
        fx->putMessage(u"Inbox"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        QVERIFY(open());
        answerBox(QMessageBox::No);
        trigger(eMainCommand::mnuFile_Folder_Empty);
        QCOMPARE(rows(list()), 1);
        answerBox(QMessageBox::Yes);
        trigger(eMainCommand::popFolders_Empty);
        QCOMPARE(rows(list()), 0);
        QVERIFY(cFolderStore::MessageFiles(u"Inbox"_s).isEmpty());
        QCOMPARE(fWindow->StatusText(2), u"0 message(s)"_s);
    }

    void emptyingTheTrashAsksOnlyWhileThePromptIsOn()
    {
        fx->putMessage(u"Trash"_s, u"mail1.qrz"_s, cUiFixture::message("One"));
        QVERIFY(open());
        folders()->setCurrentItem(folderItem(u"Trash"_s));
        const auto answerPrompt = [](const char *button, bool dontAskAgain) {
            answerModals([=](QWidget *modal) {
                modal->findChild<QCheckBox *>(u"chkTrashPrompt"_s)->setChecked(dontAskAgain);
                modal->findChild<QPushButton *>(QLatin1String(button))->click();
                return false;
            });
        };
        answerPrompt("btnNo", false);
        trigger(eMainCommand::tbEmptyTrash);
        QCOMPARE(rows(list()), 1);
        answerPrompt("btnYes", true);
        trigger(eMainCommand::tbEmptyTrash);
        QCOMPARE(rows(list()), 0);

        // Prompt off: emptied at once, nothing asked.
        fx->putMessage(u"Trash"_s, u"mail2.qrz"_s, cUiFixture::message("Two"));
        QVERIFY(!cOptions::read(Opt::TrashPrompt));
        trigger(eMainCommand::tbEmptyTrash);
        QVERIFY(cFolderStore::MessageFiles(u"Trash"_s).isEmpty());
        QCOMPARE(rows(list()), 0);
    }
};

QTEST_MAIN(TestMainFolderCommands)
#include "test_main_folder_commands.moc"
