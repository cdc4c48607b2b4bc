// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the program runs it: the storage from the options file, else the first-run
// prompt; the program ends when neither gives a mail folder.
#include "UiFixture.h"

#include "app/StartUp.h"
#include "ui/small/unitFirstRunPrompt.h"
#include "storage/SettingsPaths.h"
#include "ui/main/unitMain.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

class TestStartUp : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;

    static QPushButton *button(QWidget *window, const char *name)
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }

private slots:
    void init() { fx = std::make_unique<cUiFixture>(); }
    void cleanup() { fx.reset(); }

    void cancellingTheFirstRunPromptEndsTheProgram()
    {
        QString caption;
        bool nextEnabled = true;
        answerModals([&](QWidget *modal) {
            caption = modal->windowTitle();
            nextEnabled = button(modal, "btnNext")->isEnabled();
            button(modal, "btnCancel")->click();
            return false;
        });
        TfrmMain window;
        QVERIFY(!CreateMainWindow(window));
        QCOMPARE(caption, u"First run wizard"_s);
        QVERIFY(!nextEnabled);
        QVERIFY(!window.isVisible());
        QVERIFY(MailRoot().isEmpty());
        QVERIFY(!QFileInfo::exists(OptionsFilePath()));
    }

    void nextCreatesTheMailFoldersAndShowsTheWindow()
    {
        bool nextEnabled = false;
        answerModals([&](QWidget *modal) {
            modal->findChild<QLineEdit *>(u"edtFolder"_s)->setText(fx->root());
            nextEnabled = button(modal, "btnNext")->isEnabled();
            button(modal, "btnNext")->click();
            return false;
        });
        QVERIFY(QDir().mkpath(fx->root()));
        TfrmMain window;
        QVERIFY(CreateMainWindow(window));
        QVERIFY(nextEnabled);
        QVERIFY(window.isVisible());
        QCOMPARE(MailRoot(), fx->root());
        for (const QString &folder : MailStorageFolders(fx->root()))
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        QCOMPARE(cOptions::read(Opt::MailFolder), fx->root());
        QCOMPARE(cOptions::read(Opt::MailAttchFolder), fx->root() + u"/Attachments"_s);
        QCOMPARE(AttachmentsFolder(), fx->root() + u"/Attachments"_s);
    }

    void aFolderThatCannotBeMadeIsNamedBeforeThePrompt()
    {
        const QString unreachable = fx->root() + u"/no/parent"_s;
        QVERIFY(cOptions::write(Opt::MailFolder, unreachable));
        QStringList seen;
        answerModals([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                seen.append(box->windowTitle() + u'|' + box->text());
                box->accept();
                return seen.size() < 3;
            }
            seen.append(modal->windowTitle());
            if (seen.size() > 2) {
                button(modal, "btnCancel")->click();
                return false;
            }
            // The prompt's choice fails too: the program ends after saying so.
            modal->findChild<QLineEdit *>(u"edtFolder"_s)->setText(unreachable);
            button(modal, "btnNext")->click();
            return true;
        });
        TfrmMain window;
        QVERIFY(!CreateMainWindow(window));
        const QString box = u"Cannot create folder|"_s + CannotCreateFolderText(unreachable);
        QCOMPARE(seen, (QStringList{box, u"First run wizard"_s, box}));
        QVERIFY(!window.isVisible());
    }

    void aChoiceThatCannotBeSavedKeepsThePromptOpen()
    {
        // A folder in the place of the options file: no write can succeed, even as root.
        QVERIFY(QDir().mkpath(OptionsFilePath()));
        QStringList seen;
        QString boxText;
        answerModals([&](QWidget *modal) {
            seen.append(modal->windowTitle());
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                boxText = box->text();
                box->accept();
                return true;
            }
            if (seen.size() > 1) {
                button(modal, "btnCancel")->click();
                return false;
            }
            modal->findChild<QLineEdit *>(u"edtFolder"_s)->setText(fx->root());
            button(modal, "btnNext")->click();
            return true;
        });
        QVERIFY(!RunFirstRunPrompt());
        QCOMPARE(seen, (QStringList{u"First run wizard"_s, u"Cannot save settings"_s, u"First run wizard"_s}));
        QVERIFY2(boxText.contains(u"Ravelin2 Options.ini"_s), qPrintable(boxText));
        QVERIFY(MailRoot().isEmpty());
    }

    void theFolderPickerFillsTheFieldUnlessCancelled()
    {
        QVERIFY(QDir().mkpath(fx->root()));
        TfrmFirstRunPrompt prompt;
        prompt.show();
        auto *field = prompt.findChild<QLineEdit *>(u"edtFolder"_s);
        QString pickerTitle;
        answerModals([&](QWidget *modal) {
            auto *picker = qobject_cast<QFileDialog *>(modal);
            pickerTitle = modal->windowTitle();
            picker->setDirectory(fx->root());
            static_cast<QDialog *>(picker)->accept();
            return false;
        });
        button(&prompt, "btnBrowseDir")->click();
        QCOMPARE(pickerTitle, u"Please select folder:"_s);
        QCOMPARE(field->text(), fx->root());
        QVERIFY(button(&prompt, "btnNext")->isEnabled());

        answerModals([](QWidget *modal) {
            qobject_cast<QDialog *>(modal)->reject();
            return false;
        });
        button(&prompt, "btnBrowseDir")->click();
        QCOMPARE(field->text(), fx->root());
    }
};

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
