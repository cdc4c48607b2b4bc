// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing a message names leaves the machine unasked: a loopback web server counts every request
// while the preview shows a message that refers to it in every way HTML can. The reader's
// "Load remote content" fetches its images and nothing else; a sender allowed once is loaded
// every time. Links show their real target and are reported with the text they were shown as.
#include "storage/cOptions.h"
#include "storage/cRemoteContentSenders.h"
#include "transfer/cIncomingStore.h"
#include "tests/support/cScratchSettings.h"
#include "tests/ui/CountingServer.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/cRemoteContentBar.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

cMailMessage htmlMessage(const QString &html, const QByteArray &sender)
{
    cMailMessage message;
    message.Html = true;
    message.FromAddress = sender;
    message.body = {html.toUtf8()};
    return message;
}

// The middle of the first place the text stands in the pane's view.
QPoint pointOf(const cPreviewPane &pane, const QString &text)
{
    const qsizetype at = pane.ShownText().indexOf(text);
    return pane.HtmlView()->TextRect(at, at + text.size()).center();
}

} // namespace

class TestRemoteContent : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(fSettings.isValid()); }

    void nothingIsFetchedUntilTheReaderLoadsThenOnlyImages_data()
    {
        QTest::addColumn<QString>("filler");
        QTest::newRow("small") << QString();
        // Prepared on a worker, which must not take in blank backgrounds.
        QTest::newRow("large") << u"<p>filler</p>"_s.repeated(cPreviewPane::kPreparedAsideChars / 13 + 1);
    }

    void nothingIsFetchedUntilTheReaderLoadsThenOnlyImages()
    {
        QFETCH(QString, filler);
        cCountingServer server;
        cPreviewPane pane;
        pane.resize(500, 400);
        pane.show();
        pane.Show(htmlMessage(everyReference(server.Base(), filler), "news@shop.example"));
        QTRY_VERIFY(!pane.RemoteBar()->isHidden());
        QCoreApplication::processEvents();
        QCOMPARE(server.paths, QStringList());
        QVERIFY(pane.ShowsHtml());
        QCOMPARE(redPixels(*pane.HtmlView()->viewport()), 0);
        QVERIFY2(pane.RemoteBar()->Text().contains(u"11 remote item"_s), qPrintable(pane.RemoteBar()->Text()));

        pane.RemoteBar()->findChild<QPushButton *>(u"btnLoadRemote"_s)->click();
        // Red backgrounds behind the paragraph and the table, not only the 2x2 image.
        QTRY_VERIFY(redPixels(*pane.HtmlView()->viewport()) > 100);
        QVERIFY(server.paths.contains(u"/css-bg.png"_s));
        QVERIFY(pane.RemoteBar()->isHidden());
        // Each image once (none was asked for before), and nothing that is not an image.
        QVERIFY(server.paths.contains(u"/img.png"_s));
        for (const QString &path : std::as_const(server.paths)) {
            QVERIFY2(path.endsWith(u".png"_s), qPrintable(path));
            QCOMPARE(server.paths.count(path), 1);
        }
    }

    void anImageWithoutSchemeGoesOverHttpsOnlyOnceAllowed()
    {
        cCountingServer server;
        cPreviewPane pane;
        pane.Show(htmlMessage(u"<img src=\"//127.0.0.1:%1/img.png\">"_s.arg(server.serverPort()), "a@b.example"));
        QCoreApplication::processEvents();
        QCOMPARE(server.paths, QStringList());
        QVERIFY(pane.RemoteBar()->Text().contains(u"1 remote item"_s));
        pane.RemoteBar()->findChild<QPushButton *>(u"btnLoadRemote"_s)->click();
        QTRY_COMPARE(server.paths, QStringList{u"https"_s});
    }

    void aSenderAllowedOnceIsLoadedEveryTime()
    {
        cCountingServer server;
        const cMailMessage message = htmlMessage(u"<img src=\"%1/img.png\">"_s.arg(server.Base()), "News@Shop.example");
        cPreviewPane pane;
        pane.Show(message);
        pane.RemoteBar()->findChild<QPushButton *>(u"btnAllowSender"_s)->click();
        QVERIFY(cRemoteContentSenders::IsAllowed(u"news@shop.example"_s));
        QTRY_COMPARE(server.paths, QStringList{u"/img.png"_s});

        cPreviewPane later;
        later.Show(message);
        QVERIFY(later.RemoteBar()->isHidden());
        QTRY_COMPARE(server.paths.size(), 2);
        later.Show(htmlMessage(u"<img src=\"%1/other.png\">"_s.arg(server.Base()), "someone@else.example"));
        QVERIFY(!later.RemoteBar()->isHidden());
    }

    void anAddressNeverShapesTheSettingsFile()
    {
        const QString hostile = u"x=1\r\n[Options]\r\nMailFolder=/tmp;@evil.example"_s;
        QVERIFY(cRemoteContentSenders::Allow(hostile).ok());
        QVERIFY(cRemoteContentSenders::IsAllowed(hostile));
        QVERIFY(!cRemoteContentSenders::IsAllowed(u"x"_s));
        QFile file(cRemoteContentSenders::FilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
        QCOMPARE(lines.at(0).trimmed(), "[Senders]");
        for (const QByteArray &line : lines.mid(1))
            QVERIFY2(line.trimmed().endsWith("=1") && line.count('=') == 1 && !line.startsWith('['), line.constData());
    }

    void linksShowTheirTargetAndAreReportedWithTheirText()
    {
        cPreviewPane pane;
        pane.resize(400, 300);
        pane.show();
        pane.Show(htmlMessage(u"<p>Go to <a href=\"https://evil.example/x\">www.bank.example</a> now</p>"_s, "a@b.example"));
        cHtmlView *view = pane.HtmlView();
        QVERIFY(pane.ShowsHtml());
        QSignalSpy hovered(&pane, &cPreviewPane::LinkHovered);
        const QPoint at = pointOf(pane, u"bank"_s);
        QTest::mouseMove(view->viewport(), at);
        QTRY_COMPARE(hovered.value(0).value(0).toString(), u"https://evil.example/x"_s);
        QCOMPARE(view->viewport()->toolTip(), u"https://evil.example/x"_s);

        QSignalSpy activated(view, &cHtmlView::LinkActivated);
        disconnect(view, &cHtmlView::LinkActivated, &pane, nullptr);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(1).toString(), u"www.bank.example"_s);
    }

    void aMailtoLinkOpensOurComposer()
    {
        QString opened;
        cWindowSteps steps;
        steps.OpenMailto = [&opened](const QString &link) { opened = link; };
        SetWindowSteps(steps);
        cPreviewPane pane;
        emit pane.HtmlView()->LinkActivated(QUrl(u"mailto:ann@example.org?subject=Caf%C3%A9%20100%25"_s), u"Ann"_s);
        SetWindowSteps({});
        QCOMPARE(opened, u"mailto:ann@example.org?subject=Caf%C3%A9%20100%25"_s);
    }

    void plainTextIsShownWhenPreferredOrAskedFor()
    {
        QVERIFY(fSettings.initStorage());
        const QByteArray raw = "Subject: s\r\nContent-Type: multipart/alternative; boundary=a\r\n\r\n"
                               "--a\r\nContent-Type: text/plain\r\n\r\nPlease use an HTML capable mail program\r\n"
                               "--a\r\nContent-Type: text/html\r\n\r\n<p>Rich <b>news</b><img src=\"http://t.example/p\"></p>\r\n"
                               "--a--\r\n";
        const auto stored = cIncomingStore::Store(raw, QString(), u"Inbox"_s);
        QVERIFY(stored);
        cMailMessage alternative;
        QVERIFY(alternative.ReadFile(stored.value().path).ok());
        cPreviewPane pane;
        auto *plain = pane.findChild<QToolButton *>(u"btnPlainText"_s);
        const auto shown = [&pane] { return pane.ShownText().trimmed(); };

        pane.Show(alternative);
        QCOMPARE(shown(), u"Rich news"_s);
        QVERIFY(!plain->isHidden() && !pane.RemoteBar()->isHidden());
        plain->click();
        QCOMPARE(shown(), u"Please use an HTML capable mail program"_s);
        QVERIFY(pane.RemoteBar()->isHidden());

        QVERIFY(cOptions::write(Opt::MainWnd_PreferPlainText, true).ok());
        pane.Show(htmlMessage(u"<p>Hello <b>world</b><img src=\"cid:x\"></p><script>x()</script>"_s, "a@b.example"));
        QCOMPARE(shown(), u"Hello world"_s);
        QVERIFY(!pane.ShowsHtml());
        QVERIFY(cOptions::write(Opt::MainWnd_PreferPlainText, false).ok());
        pane.Reshow();
        QVERIFY(pane.ShowsHtml());

        cMailMessage text;
        text.body = {"just text"};
        pane.Show(text);
        QVERIFY(plain->isHidden());
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestRemoteContent)
#include "test_remote_content.moc"
