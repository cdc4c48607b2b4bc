// SPDX-License-Identifier: GPL-3.0-or-later
// A large HTML message is prepared off the window's thread: the preview says "Loading..." at
// once, then shows the message with its count of remote items; whatever it shows next wins over
// a preparation still on its way.
#include "storage/cOptions.h"
#include "tests/support/cScratchSettings.h"
#include "transfer/cIncomingStore.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/cRemoteContentBar.h"

#include <QPushButton>
#include <QTest>
#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

cMailMessage htmlMessage(const QString &html)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = "news@shop.example";
    message.body = {html.toUtf8()};
    return message;
}

QString largeHtml(const QString &title)
{
    const QString filler = u"<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\n"_s;
    const qsizetype copies = cPreviewPane::kPreparedAsideChars / filler.size() + 1;
    return u"<h1>"_s + title + u"</h1><img src=\"http://127.0.0.1:1/a.png\">"_s + filler.repeated(copies);
}

cMailMessage largeMessage(const QString &title)
{
    return htmlMessage(largeHtml(title));
}

// Every preparation started has come back, and the preview has seen its result.
void settle()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

class TestPreviewLoading : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(fSettings.isValid()); }

    void aLargeMessageSaysLoadingThenShowsItsHtml()
    {
        cPreviewPane pane;
        pane.Show(largeMessage(u"Big"_s));
        QCOMPARE(pane.ShownText(), u"Loading..."_s);
        QTRY_VERIFY(pane.ShownText().startsWith(u"Big"_s));
        QVERIFY(!pane.RemoteBar()->isHidden());
        QVERIFY2(pane.RemoteBar()->Text().contains(u"1 remote item"_s), qPrintable(pane.RemoteBar()->Text()));

        // Shown again with its images, the message stays in view meanwhile.
        pane.RemoteBar()->findChild<QPushButton *>(u"btnLoadRemote"_s)->click();
        QVERIFY(pane.ShownText().startsWith(u"Big"_s));
        QTRY_VERIFY(pane.RemoteBar()->isHidden());
        settle();
        QVERIFY(pane.ShownText().startsWith(u"Big"_s));
    }

    // Laid out again aside as well: the old layout stays in view meanwhile.
    void aLargeMessageFollowsTheWidthOfThePane()
    {
        cPreviewPane pane;
        pane.resize(500, 300);
        pane.show();
        pane.Show(largeMessage(u"Big"_s));
        const cHtmlView *view = pane.HtmlView();
        QTRY_VERIFY(pane.ShowsHtml());
        QTRY_COMPARE(view->ShownLayout()->Width(), view->LayoutWidth());
        const int narrow = view->LayoutWidth();
        pane.resize(pane.width() + 300, 300);
        QCoreApplication::processEvents();
        QVERIFY(view->LayoutWidth() > narrow);
        QCOMPARE(view->ShownLayout()->Width(), narrow);
        QTRY_COMPARE(view->ShownLayout()->Width(), view->LayoutWidth());
        QVERIFY(pane.ShownText().startsWith(u"Big"_s));
    }

    void whatIsShownNextWinsOverAnOlderPreparation()
    {
        cPreviewPane pane;
        pane.Show(largeMessage(u"First"_s));
        pane.Show(htmlMessage(u"<p>Small</p>"_s));
        settle();
        QCOMPARE(pane.ShownText(), u"Small"_s);

        pane.Show(largeMessage(u"First"_s));
        pane.Show(largeMessage(u"Second"_s));
        settle();
        QVERIFY(pane.ShownText().startsWith(u"Second"_s));

        pane.Show(largeMessage(u"First"_s));
        pane.Clear();
        settle();
        QCOMPARE(pane.ShownText(), QString());
    }

    // Reading the HTML out of a large original, and its text rendering, take the window's time too.
    void aLargeOriginalIsReadAsideInEitherForm()
    {
        QVERIFY(fSettings.initStorage());
        const QByteArray raw = "From: news@shop.example\r\nSubject: s\r\nContent-Type: text/html\r\n\r\n"
                               + largeHtml(u"Aside"_s).toUtf8();
        const auto stored = cIncomingStore::Store(raw, QString(), u"Inbox"_s);
        QVERIFY(stored);
        cMailMessage message;
        QVERIFY(message.ReadFile(stored.value().path).ok());
        for (const bool plain : {false, true}) {
            QVERIFY(cOptions::write(Opt::MainWnd_PreferPlainText, plain).ok());
            cPreviewPane pane;
            pane.Show(message);
            QCOMPARE(pane.ShownText(), u"Loading..."_s);
            QTRY_VERIFY(pane.ShownText().startsWith(u"Aside"_s));
            QCOMPARE(pane.RemoteBar()->isHidden(), plain);
            QCOMPARE(pane.ShowsHtml(), !plain);
        }
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestPreviewLoading)
#include "test_preview_loading.moc"
