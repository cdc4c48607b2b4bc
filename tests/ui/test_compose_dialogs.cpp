// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs around the composer: the signature manager, editor and chooser, the message
// properties, the empty-trash question and the about box.
#include "UiFixture.h"

#include "app/WindowSteps.h"
#include "storage/cSignatureStore.h"
#include "ui/compose/unitMessageProps.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/signatures/unitAddSignature.h"
#include "ui/signatures/unitInsertSignature.h"
#include "ui/signatures/unitSignatures.h"
#include "ui/small/unitAbout.h"
#include "ui/small/unitEmptyTrash.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

class TestComposeDialogs : public QObject
{
    Q_OBJECT

    cQrzMailStore fStore; // for the composers the steps open

    static QStringList entries(const QListWidget *list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }
    static void select(QListWidget *list, const QString &text)
    {
        list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
    }
    // Fills the next signature editor, checking that OK waits for both fields.
    static void answerEditor(const QString &description, const QString &text, QString *shownCaption = nullptr)
    {
        answerModals([=](QWidget *modal) {
            auto *editor = qobject_cast<TfrmAddSignature *>(modal);
            if (!editor)
                return false;
            if (shownCaption)
                *shownCaption = editor->windowTitle();
            auto *ok = editor->findChild<QPushButton *>(u"btnOK"_s);
            editor->findChild<QLineEdit *>(u"edtDescription"_s)->setText(description);
            editor->findChild<QPlainTextEdit *>(u"edtSignature"_s)->clear();
            const bool waited = !ok->isEnabled();
            editor->findChild<QPlainTextEdit *>(u"edtSignature"_s)->setPlainText(text);
            if (waited && ok->isEnabled())
                ok->click();
            else
                editor->reject();
            return false;
        });
    }

private slots:
    void initTestCase() { InstallWindowSteps(fStore); }
    void theManagerCreatesRenamesAndDeletes()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        // Shown without modality, so that the only modal windows are the ones answered here.
        QPointer<TfrmSignatures> manager = new TfrmSignatures;
        manager->show();
        auto *list = manager->findChild<QListWidget *>(u"lstSignatures"_s);

        for (const QString &name : {u"A"_s, u"B"_s, u"C"_s}) {
            answerEditor(name, name + u" text\nsecond line"_s);
            manager->btnNewClick();
        }
        QCOMPARE(entries(list), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
        QCOMPARE(cSignatureStore::SignatureLines(u"B"_s), (QList<QByteArray>{"B text", "second line"}));

        select(list, u"B"_s);
        QString caption;
        answerEditor(u"Beta"_s, u"new text"_s, &caption);
        manager->btnPropsClick();
        QCOMPARE(caption, u"Ravelin - Signature properties"_s);
        QCOMPARE(entries(list), (QStringList{u"A"_s, u"Beta"_s, u"C"_s}));
        QCOMPARE(cSignatureStore::SignatureLines(u"Beta"_s), QList<QByteArray>{"new text"});

        select(list, u"A"_s);
        answerModals([](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box && box->windowTitle() == u"Deletion confirmation"_s)
                box->button(QMessageBox::No)->click();
            return false;
        });
        manager->btnDeleteClick();
        QCOMPARE(entries(list).size(), 3);
        answerModals([](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                box->button(QMessageBox::Yes)->click();
            return false;
        });
        manager->btnDeleteClick();
        QCOMPARE(entries(list), (QStringList{u"Beta"_s, u"C"_s}));
        QCOMPARE(cSignatureStore::DefaultSignatureName(), u"Beta"_s);
        manager->close();
        QTRY_VERIFY(manager.isNull());
    }

    void theChooserPreviewsAndTheComposerAppendsTheChoice()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        QVERIFY(cSignatureStore::SaveNewSignature(u"Work"_s, {"Ann Lee", "ACME"}));
        QVERIFY(cSignatureStore::SaveNewSignature(u"Home"_s, {"Ann"}));
        TfrmNewMessage composer(fx.store);
        composer.SetBody({u"Hello"_s});
        QString preview;
        // Without a click OK takes the first signature, which the dialog opens with selected.
        for (const QString &choice : {u"Home"_s, QString()}) {
            answerModals([choice, &preview](QWidget *modal) {
                auto *chooser = qobject_cast<TfrmInsertSignature *>(modal);
                if (!chooser)
                    return false;
                auto *list = chooser->findChild<QListWidget *>(u"lstSignatures"_s);
                if (!choice.isEmpty()) {
                    QListWidgetItem *item = list->findItems(choice, Qt::MatchExactly).value(0);
                    list->setCurrentItem(item);
                    emit list->itemClicked(item);
                    preview = chooser->findChild<QPlainTextEdit *>(u"edtSignature"_s)->toPlainText();
                }
                chooser->accept();
                return false;
            });
            composer.findChild<QAction *>(u"pop_mnuInsert_Signature"_s)->trigger();
        }
        QCOMPARE(preview, u"Ann"_s);
        QCOMPARE(composer.BodyLines(), (QStringList{u"Hello"_s, u"Ann"_s, u"Ann Lee"_s, u"ACME"_s}));
    }

    void propertiesShowTheStoredMessage_data()
    {
        QTest::addColumn<int>("priority");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("high") << 0 << u"High"_s << QColor(255, 0, 0);
        QTest::newRow("low") << 4 << u"Low"_s << QColor(128, 128, 128);
        QTest::newRow("normal") << 2 << u"Normal"_s << QColor(0, 128, 0);
    }
    void propertiesShowTheStoredMessage()
    {
        QFETCH(int, priority);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cMailMessage m = cUiFixture::message("Report & figures");
        m.From = "Ann Lee <ann@example.org>";
        m.ReplyAddress.clear();
        m.Account = "Work";
        m.Priority = priority;
        m.Html = true;
        m.attachments = {u"/nowhere/report.pdf"_s};
        m.headerLines = {"Received: from a", "Subject: Report & figures"};
        cMailMessage stored;
        QVERIFY(stored.ReadFile(fx.putMessage(u"Inbox"_s, u"mail1.qrz"_s, m)));
        TfrmMessageProps props;
        props.Load(stored);
        auto label = [&](const char *name) { return props.findChild<QLabel *>(QLatin1String(name)); };
        QCOMPARE(label("lblFrom")->text(), u"Ann Lee"_s);
        QCOMPARE(label("lblSubject")->text(), u"Report & figures"_s);
        QCOMPARE(label("lblAccount")->text(), u"Work"_s);
        QCOMPARE(label("lblDateTime")->text(), u"08.12.2026 09:05:07"_s);
        QCOMPARE(label("lblContentType")->text(), u"Rich text (HTML)"_s);
        QCOMPARE(label("lblPriority")->text(), text);
        QCOMPARE(label("lblPriority")->palette().color(QPalette::WindowText), colour);
        const auto *attachments = props.findChild<QListWidget *>(u"lstAttachments"_s);
        QCOMPARE(entries(attachments), QStringList{u"report.pdf"_s});
        QCOMPARE(attachments->item(0)->toolTip(), u"/nowhere/report.pdf"_s);
        QCOMPARE(props.findChild<QPlainTextEdit *>(u"txtHeaders"_s)->toPlainText(),
                 u"Received: from a\nSubject: Report & figures"_s);
        props.lstAttachmentsDblClick(); // nothing selected: nothing happens
    }

    // Stored bytes read as the message list reads them: UTF-8 when they are, else Windows-1252.
    void propertiesReadLegacyBytesAsTheListDoes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e") << u"Grüße"_s;
        QTest::newRow("Latin-1 letters") << QByteArray("Gr\xfc\xdf" "e") << u"Grüße"_s;
        QTest::newRow("Windows-1252 only") << QByteArray("\x93q\x94 \x80") << u"“q” €"_s;
    }
    void propertiesReadLegacyBytesAsTheListDoes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cMailMessage m = cUiFixture::message(bytes);
        m.From = bytes + " <ann@example.org>";
        m.Account = bytes;
        m.headerLines = {"Subject: " + bytes, "X-Mailer: Mail"};
        cMailMessage stored;
        QVERIFY(stored.ReadFile(fx.putMessage(u"Inbox"_s, u"mail1.qrz"_s, m)));
        TfrmMessageProps props;
        props.Load(stored);
        for (const char *name : {"lblFrom", "lblSubject", "lblAccount"})
            QCOMPARE(props.findChild<QLabel *>(QLatin1String(name))->text(), text);
        QCOMPARE(props.findChild<QPlainTextEdit *>(u"txtHeaders"_s)->toPlainText(), u"Subject: "_s + text + u"\nX-Mailer: Mail"_s);
    }

    void theTrashQuestionIsSwitchedOffByItsBoxWhicheverButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("no, ticked") << u"btnNo"_s << true << false;
        QTest::newRow("yes, ticked") << u"btnYes"_s << true << true;
        QTest::newRow("yes, not ticked") << u"btnYes"_s << false << true;
    }
    void theTrashQuestionIsSwitchedOffByItsBoxWhicheverButton()
    {
        QFETCH(QString, button);
        QFETCH(bool, tick);
        QFETCH(bool, confirmed);
        cUiFixture fx;
        QString title;
        answerModals([&](QWidget *modal) {
            title = modal->windowTitle();
            modal->findChild<QCheckBox *>(u"chkTrashPrompt"_s)->setChecked(tick);
            modal->findChild<QPushButton *>(button)->click();
            return false;
        });
        QCOMPARE(TfrmEmptyTrash::ConfirmEmptyTrash(), confirmed);
        QCOMPARE(title, u"Ravelin - Empty trash folder"_s);
        QCOMPARE(cOptions::read(Opt::TrashPrompt), !tick);
        if (tick)
            QVERIFY(TfrmEmptyTrash::ConfirmEmptyTrash()); // no longer asks
    }

    void theAboutBoxOpensAMessageAndCopiesSystemInfo()
    {
        cUiFixture fx;
        QStringList opened;
        TfrmAbout about(nullptr, [&](const QString &to, const QString &subject) { opened = {to, subject}; });
        QCOMPARE(about.windowTitle(), u"About..."_s);
        QCOMPARE(about.findChild<QLabel *>(u"Label1"_s)->text(), u"Tolvan Ravelin v2.12"_s);
        QVERIFY(about.findChild<QLabel *>(u"lblLicence"_s)->text().contains(u"GNU General Public License, version 3 or later"_s));
        about.lblEmailClick();
        QCOMPARE(opened.value(1), u"Tolvan Ravelin v2.12"_s);
        QVERIFY(opened.value(0).contains(u'@'));

        answerModals([](QWidget *modal) {
            modal->findChild<QPushButton *>(u"btnCopy"_s)->click();
            qobject_cast<QDialog *>(modal)->reject();
            return false;
        });
        about.btnSysInfoClick();
        QVERIFY(QApplication::clipboard()->text().startsWith(u"Tolvan Ravelin v2.12\nQt "_s));
    }

    void aMessageBegunFromTheAboutBoxOutlivesIt()
    {
        cUiFixture fx;
        TfrmNewMessage composer(fx.store);
        QPointer<TfrmNewMessage> begun;
        answerModals([&](QWidget *modal) {
            auto *about = qobject_cast<TfrmAbout *>(modal);
            if (!about)
                return false;
            about->lblEmailClick();
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *window = qobject_cast<TfrmNewMessage *>(top); window && window != &composer)
                    begun = window;
            about->accept();
            return false;
        });
        composer.findChild<QAction *>(u"pop_mnuHelp_About"_s)->trigger();
        QVERIFY(begun);
        QCOMPARE(begun->windowTitle(), u"Tolvan Ravelin v2.12"_s);
        delete begun;
    }
};

QTEST_MAIN(TestComposeDialogs)
#include "test_compose_dialogs.moc"
