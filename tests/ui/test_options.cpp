// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog over a real options file: what it shows when keys are missing, what OK
// writes and applies, that Cancel writes nothing, and when the mail folder is prepared anew.
#include "UiFixture.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "storage/cRemoteContentSenders.h"
#include "ui/options/unitDefClient.h"
#include "ui/main/unitMain.h"
#include "ui/options/unitOptions.h"
#include "ui/options/unitRemoteSenders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

class TestOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;
    int fApplied = 0;
    int fPrepared = 0;
    QString fPickedFolder;
    eMailFolderChange fChange = eMailFolderChange::UseAsItIs;
    QStringList fAsked; // "from -> to" of each question

    TfrmOptions *makeDialog()
    {
        TfrmOptions::cSteps steps;
        steps.ApplyToMainWindow = [this] { ++fApplied; };
        steps.PrepareNewMailFolder = [this] {
            ++fPrepared;
            return InitMailStorage();
        };
        steps.BrowseFolder = [this](QWidget *, const QString &, const QString &) { return fPickedFolder; };
        steps.AskMailFolderChange = [this](QWidget *, const QString &from, const QString &to) {
            fAsked.append(from + u" -> "_s + to);
            return fChange;
        };
        auto *dialog = new TfrmOptions(steps);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        return dialog;
    }

    template <typename T>
    static T *child(QWidget *dialog, const char *name)
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }

    static void click(QWidget *dialog, const char *name) { child<QPushButton>(dialog, name)->click(); }

    static QByteArray optionsFile()
    {
        QFile file(OptionsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        fx = std::make_unique<cUiFixture>();
        QVERIFY(fx->initStorage());
        fApplied = fPrepared = 0;
        fPickedFolder.clear();
        fChange = eMailFolderChange::UseAsItIs;
        fAsked.clear();
    }
    void cleanup() { fx.reset(); }

    void missingKeysShowTheDefaults()
    {
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        QCOMPARE(dialog->windowTitle(), u"Ravelin - Options"_s);
        const std::pair<const char *, bool> boxes[] = {
            {"chkTrashPrompt", true},          {"chkVerifyMail", false},
            {"chkVerifyDefClient", true},      {"chkSendMailImmideatly", true},
            {"chkSendMailAfterFetch", false},  {"chkIncludeOriginalMsgInReply", true},
            {"chkAutoInsertDefSig", false}};
        for (const auto &[name, ticked] : boxes)
            QVERIFY2(child<QCheckBox>(dialog.get(), name)->isChecked() == ticked, name);
        QCOMPARE(child<QSpinBox>(dialog.get(), "UpDown_VerifyMailInterval")->value(), 5);
        QCOMPARE(child<QComboBox>(dialog.get(), "cboSignaturePosition")->currentText(), u"Before"_s);
        QCOMPARE(child<QLineEdit>(dialog.get(), "edtMsgQuoteChar")->text(), u">"_s);
        QCOMPARE(child<QLineEdit>(dialog.get(), "edtDefSubject")->text(), QString());
        QCOMPARE(child<QSpinBox>(dialog.get(), "ud_MailDisplayFontSize")->value(), 8);
        QCOMPARE(child<QSpinBox>(dialog.get(), "ud_MsgCompFontSize")->value(), 8);
        QCOMPARE(child<QLineEdit>(dialog.get(), "edtFolder")->text(), fx->root());
        QCOMPARE(child<QLineEdit>(dialog.get(), "edtAttchFolder")->text(), fx->root() + u"/Attachments"_s);
    }

    void okWritesEveryKeyAndAppliesAtOnce()
    {
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        child<QCheckBox>(dialog.get(), "chkVerifyMail")->setChecked(true);
        child<QComboBox>(dialog.get(), "cboSignaturePosition")->setCurrentIndex(1);
        child<QLineEdit>(dialog.get(), "edtDefSubject")->setText(u"Hello"_s);
        click(dialog.get(), "Button1");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(fApplied, 1);
        QCOMPARE(fPrepared, 0);

        const cIniSection written = cIniFile(OptionsFilePath()).readSection(u"Options"_s);
        for (const char *key :
             {"VerifyMail", "VerifyMailInterval", "CheckForDefClient", "SendMailImmideatly", "SendMailAfterMailFetch",
              "IncludeOriginalMsgInReply", "AutoInsertDefSig", "SigPosition", "MsgQuoteChar", "DefSubject",
              "MailDisplayFontSize", "MsgCompFontSize", "NewMailSound", "MailErrorSound", "MailFolder",
              "MailAttchFolder"})
            QVERIFY2(written.contains(key), key);
        // Untouched, the empty-trash question stays on as the main window has it.
        QCOMPARE(cIniFile(OptionsFilePath()).readSection(u"MainWnd"_s).text("TrashPrompt"), u"1"_s);
        QCOMPARE(written.text("VerifyMail"), u"1"_s);
        QCOMPARE(written.text("SigPosition"), u"2"_s);
        QCOMPARE(written.text("DefSubject"), u"Hello"_s);
        QCOMPARE(written.text("VerifyMailInterval"), u"5"_s);
    }

    // The default font is rarely installed; an untouched list must not lose the stored name.
    void fontListsLeftAloneKeepTheStoredNames()
    {
        QVERIFY(cOptions::write(Opt::MailDisplayFont, u"No Such Font Family"_s));
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        click(dialog.get(), "Button1");
        QCOMPARE(cOptions::read(Opt::MailDisplayFont), u"No Such Font Family"_s);
        QCOMPARE(cIniFile(OptionsFilePath()).readSection(u"Options"_s).contains("MsgCompFont"), false);
    }

    void cancelLeavesTheFileByteForByte()
    {
        QVERIFY(cOptions::write(Opt::VerifyMailInterval, 12));
        const QByteArray before = optionsFile();
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        child<QCheckBox>(dialog.get(), "chkVerifyMail")->setChecked(true);
        child<QLineEdit>(dialog.get(), "edtDefSubject")->setText(u"Changed"_s);
        fPickedFolder = fx->fDir.path();
        click(dialog.get(), "btnBrowseDir");
        click(dialog.get(), "Button2");
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(optionsFile(), before);
        QCOMPARE(fApplied, 0);
        QCOMPARE(MailRoot(), fx->root());
    }

    void theIntervalStaysWithinOneToSixty()
    {
        for (const auto &[stored, shown] : {std::pair{500, 60}, std::pair{0, 1}, std::pair{-3, 1}, std::pair{60, 60}}) {
            QVERIFY(cOptions::write(Opt::VerifyMailInterval, stored));
            std::unique_ptr<TfrmOptions> dialog(makeDialog());
            auto *interval = child<QSpinBox>(dialog.get(), "UpDown_VerifyMailInterval");
            QCOMPARE(interval->value(), shown);
            interval->setValue(61);
            QCOMPARE(interval->value(), 60);
            click(dialog.get(), "Button1");
            QCOMPARE(cOptions::read(Opt::VerifyMailInterval), 60);
        }
    }

    void aNewAttachmentsFolderAloneDoesNotRebuildTheTree()
    {
        const QString attachments = fx->fDir.filePath(u"elsewhere"_s);
        QVERIFY(QDir().mkpath(attachments));
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        fPickedFolder = attachments;
        click(dialog.get(), "Button3");
        click(dialog.get(), "Button1");
        QCOMPARE(fPrepared, 0);
        QCOMPARE(cOptions::read(Opt::MailAttchFolder), attachments);
        QCOMPARE(AttachmentsFolder(), attachments);
        QCOMPARE(MailRoot(), fx->root());
    }

    void aNewMailFolderIsPrepared()
    {
        const QString moved = fx->fDir.filePath(u"moved"_s);
        QVERIFY(QDir().mkpath(moved));
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        fPickedFolder = moved;
        click(dialog.get(), "btnBrowseDir");
        click(dialog.get(), "Button1");
        QCOMPARE(fPrepared, 1);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(MailRoot(), moved);
        QVERIFY(QFileInfo(moved + u"/Mail/Inbox"_s).isDir());
    }

    // A folder that cannot be prepared must not leave the program, or its next start, on it.
    void aMailFolderThatFailsKeepsTheDialogAndTheOldTree()
    {
        const QString attachmentsBefore = AttachmentsFolder();
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        dialog->show();
        fPickedFolder = fx->fDir.filePath(u"no/parent"_s);
        click(dialog.get(), "btnBrowseDir");
        click(dialog.get(), "Button1");
        QCOMPARE(fPrepared, 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(MailRoot(), fx->root());
        QCOMPARE(cOptions::read(Opt::MailFolder), fx->root());
        QCOMPARE(AttachmentsFolder(), attachmentsBefore);
        QCOMPARE(cOptions::read(Opt::MailAttchFolder), attachmentsBefore);
    }

    void theMainWindowShowsTheNewTreesFoldersAndInbox()
    {
        QVERIFY(QDir().mkpath(fx->folderPath(u"Projects"_s)));
        TfrmMain window;
        QVERIFY(window.FormCreate({[] { return true; }, {}, {}}));
        const QString moved = fx->fDir.filePath(u"moved"_s);
        QVERIFY(cOptions::write(Opt::MailFolder, moved));
        QVERIFY(QDir().mkpath(moved) && InitMailStorage());
        QVERIFY(QDir().mkpath(moved + u"/Mail/Letters"_s));
        window.ShowNewMailTree();
        auto *folders = window.findChild<QTreeWidget *>(u"lstFolders"_s);
        QVERIFY(folders->findItems(u"Projects"_s, Qt::MatchExactly).isEmpty());
        QCOMPARE(folders->findItems(u"Letters"_s, Qt::MatchExactly).size(), 1);
        QCOMPARE(folders->findItems(u"Inbox"_s, Qt::MatchExactly).size(), 1);
        QCOMPARE(window.ShownFolder(), u"Inbox"_s);
    }

    // Move brings the mail along (the move runs behind a progress window); using the folder as
    // it is leaves it where it was; Cancel changes nothing and keeps the dialog.
    void aNewMailFolderAsksWhatBecomesOfTheMail_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("arrived");
        QTest::newRow("move") << int(eMailFolderChange::Move) << true << true;
        QTest::newRow("use as it is") << int(eMailFolderChange::UseAsItIs) << true << false;
        QTest::newRow("cancel") << int(eMailFolderChange::Cancel) << false << false;
    }
    void aNewMailFolderAsksWhatBecomesOfTheMail()
    {
        QFETCH(int, change);
        QFETCH(bool, accepted);
        QFETCH(bool, arrived);
        const QByteArray letter = "Subject: kept\r\n\r\nHello\r\n";
        const QString inOld = fx->folderPath(u"Inbox"_s) + u"/0001.qrz"_s;
        QFile file(inOld);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(letter) == letter.size());
        file.close();
        const QString moved = fx->fDir.filePath(u"moved"_s);
        const QString inNew = moved + u"/Mail/Inbox/0001.qrz"_s;
        fChange = eMailFolderChange(change);
        std::unique_ptr<TfrmOptions> dialog(makeDialog());
        dialog->show();
        fPickedFolder = moved;
        click(dialog.get(), "btnBrowseDir");
        click(dialog.get(), "Button1");
        QCOMPARE(fAsked, QStringList{fx->root() + u" -> "_s + moved});
        QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
        QCOMPARE(MailRoot(), accepted ? moved : fx->root());
        QCOMPARE(cOptions::read(Opt::MailFolder), accepted ? moved : fx->root());
        QCOMPARE(QFileInfo::exists(inNew), arrived);
        QCOMPARE(QFileInfo::exists(inOld), !arrived);
        QFile kept(arrived ? inNew : inOld);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), letter);
    }

    // A move that did not finish leaves the program on the folder it was using.
    void aMoveThatDoesNotFinishKeepsTheOldFolder()
    {
        fChange = eMailFolderChange::Move;
        TfrmOptions::cSteps steps;
        steps.BrowseFolder = [this](QWidget *, const QString &, const QString &) { return fPickedFolder; };
        steps.AskMailFolderChange = [](QWidget *, const QString &, const QString &) { return eMailFolderChange::Move; };
        steps.MoveMail = [](QWidget *, const QString &, const QString &) { return false; };
        steps.PrepareNewMailFolder = [this] { return ++fPrepared, true; };
        TfrmOptions dialog(steps);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.show();
        fPickedFolder = fx->fDir.filePath(u"moved"_s);
        click(&dialog, "btnBrowseDir");
        click(&dialog, "Button1");
        QVERIFY(dialog.isVisible());
        QCOMPARE(fPrepared, 0);
        QCOMPARE(MailRoot(), fx->root());
        QCOMPARE(cOptions::read(Opt::MailFolder), fx->root());
    }

    void dontAskAgainTurnsTheCheckOffWhicheverButton()
    {
        for (const char *button : {"btnYes", "btnNo"}) {
            QVERIFY(cOptions::write(Opt::CheckForDefClient, true));
            TfrmDefClient prompt;
            QCOMPARE(prompt.windowTitle(), u"Ravelin"_s);
            prompt.findChild<QCheckBox *>(u"chkDontAskAgain"_s)->setChecked(true);
            click(&prompt, button);
            QVERIFY2(!cOptions::read(Opt::CheckForDefClient), button);
        }
        TfrmDefClient unticked;
        click(&unticked, "btnNo");
        QVERIFY(cOptions::read(Opt::CheckForDefClient) == false);
        QVERIFY(cOptions::write(Opt::CheckForDefClient, true));
        TfrmDefClient again;
        click(&again, "btnYes");
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(cOptions::read(Opt::CheckForDefClient));
    }

    // Each sender can be taken back; the others stay allowed, and the list shows what the file holds.
    void allowedSendersAreListedAndRemoved()
    {
        for (const QString &sender : {u"News@Shop.example"_s, u"ann@example.org"_s, u"x=1\r\n[Options]@evil.example"_s})
            QVERIFY(cRemoteContentSenders::Allow(sender).ok());
        TfrmRemoteSenders dialog;
        auto *list = dialog.findChild<QListWidget *>(u"lstSenders"_s);
        const auto shown = [list] {
            QStringList texts;
            for (int row = 0; row < list->count(); ++row)
                texts.append(list->item(row)->text());
            return texts;
        };
        QCOMPARE(shown(), (QStringList{u"ann@example.org"_s, u"news@shop.example"_s, u"x=1\r\n[options]@evil.example"_s}));
        QVERIFY(!child<QPushButton>(&dialog, "btnRemove")->isEnabled());

        list->item(2)->setSelected(true);
        list->item(1)->setSelected(true);
        click(&dialog, "btnRemove");
        QCOMPARE(shown(), QStringList{u"ann@example.org"_s});
        QVERIFY(!cRemoteContentSenders::IsAllowed(u"news@shop.example"_s));
        QVERIFY(!cRemoteContentSenders::IsAllowed(u"x=1\r\n[Options]@evil.example"_s));
        QVERIFY(cRemoteContentSenders::IsAllowed(u"ann@example.org"_s));
        QVERIFY(cRemoteContentSenders::Allow(u"news@shop.example"_s).ok());
        QCOMPARE(cRemoteContentSenders::Senders(), (QStringList{u"ann@example.org"_s, u"news@shop.example"_s}));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
