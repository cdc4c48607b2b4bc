// SPDX-License-Identifier: GPL-3.0-or-later
// A message in its own window, opened from the list by Enter or a double-click: it shows the
// preview's header block and attachments, steps through the list, deletes, and saves an
// attachment where the user says. Its HTML is the litehtml view's, links checked as in the preview.
#include "MainWindowCase.h"

#include "storage/cFolderStore.h"
#include "ui/main/cAttachmentList.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cMessageList.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/cRemoteContentBar.h"
#include "ui/main/unitReadMessage.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>

class TestReadWindow : public QObject, cMainWindowCase
{
    Q_OBJECT

    TfrmReadMessage *reader() const { return fWindow->findChild<TfrmReadMessage *>(); }
    QString header() const { return reader()->findChild<QLabel *>(u"lblPreviewHeader"_s)->text(); }
    QAction *readerCommand(const char *name) const { return reader()->findChild<QAction *>(QLatin1String(name)); }
    // Messages "A", "B", "C" in Inbox, sorted by subject; "B" has an attachment.
    QStringList putInbox()
    {
        QStringList paths;
        for (const QByteArray subject : {"A", "B", "C"}) {
            cMailMessage message = cUiFixture::message(subject, false);
            if (subject == "B")
                message.attachments = {fAttachment};
            paths.append(fx->putMessage(u"Inbox"_s, u"mail%1.qrz"_s.arg(paths.size()), message));
        }
        return paths;
    }
    bool openSorted()
    {
        if (!open())
            return false;
        emit list()->header()->sectionClicked(0);
        return true;
    }

    QString fAttachment;

private slots:
    void init()
    {
        QVERIFY(begin());
        fAttachment = fx->root() + u"/report.pdf"_s;
        QFile file(fAttachment);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4 report");
    }
    void cleanup() { end(); }

    void enterAndDoubleClickOpenTheMessageWithItsHeaderAndAttachments()
    {
        const QStringList paths = putInbox();
        QVERIFY(openSorted());
        list()->SelectRow(1);
        fWindow->activateWindow();
        list()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(fWindow.get()));
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(reader());
        QCOMPARE(reader()->Message(), cUiFixture::refOf(paths.at(1)));
        QVERIFY(header().contains(u"Ann Lee"_s));
        QCOMPARE(reader()->Attachments()->count(), 1);
        QVERIFY(cUiFixture::isReadOnDisk(paths.at(1)));
        delete reader();

        emit list()->doubleClicked(list()->model()->index(0, 0));
        QCOMPARE(reader()->Message(), cUiFixture::refOf(paths.at(0)));
        QVERIFY(!readerCommand("actPrevious")->isEnabled());
    }

    void nextPreviousAndDeleteFollowTheList()
    {
        const QStringList paths = putInbox();
        QVERIFY(openSorted());
        emit list()->doubleClicked(list()->model()->index(0, 0));
        QPointer<TfrmReadMessage> shown = reader();
        readerCommand("actNext")->trigger();
        readerCommand("actNext")->trigger();
        QCOMPARE(shown->Message(), cUiFixture::refOf(paths.at(2)));
        QVERIFY(!readerCommand("actNext")->isEnabled());
        readerCommand("actPrevious")->trigger();
        QCOMPARE(shown->Message(), cUiFixture::refOf(paths.at(1)));
        QCOMPARE(fWindow->SelectedMessage(), cUiFixture::refOf(paths.at(1)));

        // The list's selection moved meanwhile: Delete still deletes the reader's message.
        list()->SelectRow(0);
        readerCommand("actDelete")->trigger();
        QCOMPARE(cFolderStore::MessageFiles(u"Trash"_s).size(), 1);
        QVERIFY(QFileInfo::exists(paths.at(0)));
        QCOMPARE(shown->Message(), cUiFixture::refOf(paths.at(2)));
        readerCommand("actDelete")->trigger();
        readerCommand("actDelete")->trigger();
        QTRY_VERIFY(shown.isNull());
        QCOMPARE(cFolderStore::MessageFiles(u"Trash"_s).size(), 3);
    }

    void aFileThatCannotBeReadLeavesNothingOfTheMessageBefore()
    {
        const QStringList paths = putInbox();
        cQrzMailStore store;
        TfrmReadMessage window(store);
        QVERIFY(window.ShowMessage(cUiFixture::refOf(paths.at(1))));
        QCOMPARE(window.windowTitle(), u"B"_s);
        QVERIFY(QFile::remove(paths.at(1)));
        QVERIFY(!window.ShowMessage(cUiFixture::refOf(paths.at(1))));
        QCOMPARE(window.windowTitle(), u"mail1.qrz"_s);
        QCOMPARE(window.findChild<QLabel *>(u"lblPreviewHeader"_s)->text(), QString());
        QCOMPARE(window.Attachments()->count(), 0);
    }

    void htmlShowsInTheViewAndASuspiciousLinkAsksFirst()
    {
        cMailMessage html = cUiFixture::message("Bank");
        html.Html = true;
        html.body = {"<p><img src=\"http://127.0.0.1:9/pixel.png\">Log in at "
                     "<a href=\"https://evil.example/x\">www.bank.example</a></p>"};
        const QString path = fx->putMessage(u"Inbox"_s, u"mail0.qrz"_s, html);
        cQrzMailStore store;
        TfrmReadMessage window(store);
        window.resize(600, 400);
        window.show();
        QVERIFY(window.ShowMessage(cUiFixture::refOf(path)));
        cPreviewPane *pane = window.Preview();
        QVERIFY(pane->ShowsHtml());
        QVERIFY(pane->RemoteBar()->Text().contains(u"1 remote item"_s));

        cHtmlView *view = pane->HtmlView();
        const qsizetype bank = view->PlainText().indexOf(u"bank"_s);
        const QPoint link = view->TextRect(bank, bank + 4).center();
        QTest::mouseMove(view->viewport(), link);
        QTRY_COMPARE(window.statusBar()->currentMessage(), u"https://evil.example/x"_s);
        QString question;
        answerModals([&question](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                return true;
            question = box->text();
            box->button(QMessageBox::No)->click();
            return false;
        });
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, link);
        QVERIFY2(question.contains(u"www.bank.example"_s), qPrintable(question));
        QCOMPARE(window.statusBar()->currentMessage(), u"The suspicious link to \"https://evil.example/x\" was not opened."_s);
    }

    void anAttachmentIsSavedWhereTheUserSays()
    {
        putInbox();
        QVERIFY(openSorted());
        emit list()->doubleClicked(list()->model()->index(1, 0));
        cAttachmentList *attachments = reader()->Attachments();
        attachments->setCurrentRow(0);
        const QString target = fx->root() + u"/saved.pdf"_s;
        QString suggested;
        attachments->SetTargetQuestion([&](const QString &offered) {
            suggested = offered;
            return target;
        });
        attachments->SaveCurrentAs();
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("%PDF-1.4 report"));
        QCOMPARE(QFileInfo(suggested).fileName(), u"report.pdf"_s);
    }
};

QTEST_MAIN(TestReadWindow)
#include "test_read_window.moc"
