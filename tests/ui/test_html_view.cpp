// SPDX-License-Identifier: GPL-3.0-or-later
// The litehtml view of a message: it loads only what the message holds until the reader allows
// remote images, and then only images; links show their target and are reported with their
// text; text is selected, copied and found; zoom and the message font change its size; hostile
// HTML stays bounded.
#include "tests/ui/CountingServer.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlTextMap.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cLitehtmlContainer.h"
#include "ui/main/cRemoteImages.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString redDataUrl()
{
    return u"data:image/png;base64,"_s + QString::fromLatin1(pngBytes().toBase64());
}

// Some of everything that draws beside, above or below its box: floats, shifted and placed
// elements, negative margins, list markers, tables, tiles, clipped and rounded boxes, inline
// blocks and letters taller than their line.
QString everythingThatReaches(int sections)
{
    QString html;
    for (int section = 0; section < sections; ++section) {
        html += uR"(<div style="float:left;width:80px;height:30px;background:#%1">float</div>
<p style="margin-top:-12px">Section %2 with <span style="position:relative;top:-40px">lifted</span> words</p>
<div style="position:relative;height:20px"><div style="position:absolute;top:-60px;left:200px;width:30px;height:30px;background:red"></div></div>
<ul><li>item</li></ul><ol start="7" style="list-style-type:upper-roman"><li>seven</li></ol>
<table border="1"><tr><td>a</td><td style="background:url(%3) repeat">b</td></tr></table>
<div style="overflow:hidden;border-radius:8px;height:20px;border:2px dashed blue">rounded</div>
<span style="display:inline-block;padding:4px;border:1px solid">inline block</span>
<div style="font-size:60px;line-height:0">Tall</div>
<div style="margin-top:-30px;border:3px dotted green">pulled up</div>)"_s.arg(QString::number(0x404040 + section * 997, 16))
                    .arg(section)
                    .arg(redDataUrl());
    }
    return html;
}

// What the document draws in the band of size at a place of the document.
QImage drawn(cHtmlLayout &layout, QPoint at, QSize size)
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const litehtml::position clip(0, 0, size.width(), size.height());
    layout.Document().draw(reinterpret_cast<litehtml::uint_ptr>(&painter), -at.x(), -at.y(), &clip);
    return picture;
}

// The middle of the first place the text stands.
QPoint pointOf(const cHtmlView &view, const QString &text)
{
    const qsizetype at = view.PlainText().indexOf(text);
    return view.TextRect(at, at + text.size()).center();
}

} // namespace

class TestHtmlView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        fView = std::make_unique<cHtmlView>();
        fView->resize(500, 400);
        fView->show();
        QVERIFY(QTest::qWaitForWindowExposed(fView.get()));
    }

    void cleanup() { fView.reset(); }

    void nothingIsFetchedUntilTheReaderLoadsThenOnlyImages()
    {
        cCountingServer server;
        const QString html = everyReference(server.Base());
        fView->ShowHtml(html);
        QCoreApplication::processEvents();
        QCOMPARE(server.paths, QStringList());
        QCOMPARE(redPixels(*fView->viewport()), 0);

        cRemoteImages images;
        const cRemoteImageLookup remote = [&images](const QUrl &url) { return images.Image(url); };
        QSignalSpy arrived(&images, &cRemoteImages::Arrived);
        fView->ShowHtml(html, {}, remote);
        QVERIFY(arrived.wait());
        fView->ShowHtml(html, {}, remote);
        QVERIFY(redPixels(*fView->viewport()) > 0);
        QVERIFY(server.paths.contains(u"/img.png"_s));
        for (const QString &path : std::as_const(server.paths)) {
            QVERIFY2(path.endsWith(u".png"_s), qPrintable(path));
            QCOMPARE(server.paths.count(path), 1);
        }
    }

    void onlyTheMessagesOwnImagesAreShown_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("shown");
        QTest::newRow("cid part") << u"cid:logo@x"_s << true;
        QTest::newRow("data") << redDataUrl() << true;
        QTest::newRow("other cid") << u"cid:other@x"_s << false;
        QTest::newRow("remote") << u"http://127.0.0.1:9/red.png"_s << false;
        QTest::newRow("local file") << u"file://SCRATCH/red.png"_s << false;
    }

    void onlyTheMessagesOwnImagesAreShown()
    {
        QFETCH(QString, source);
        QFETCH(bool, shown);
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(fScratch.filePath(u"red.png"_s)));
        source.replace(u"SCRATCH"_s, fScratch.path());
        const cInlinePartLookup parts = [](const QString &id) {
            return id == u"logo@x"_s ? pngBytes() : QByteArray();
        };
        fView->ShowHtml(u"<p>Logo <img width=20 height=20 src=\"%1\"> and <div style=\"width:20px;height:20px;"
                        "background-image:url('%1')\"></div></p>"_s.arg(source),
                        parts);
        QCOMPARE(redPixels(*fView->viewport()) >= 2 * 20 * 20, shown);
    }

    void linksShowTheirTargetAndAreReportedWithTheirText()
    {
        fView->ShowHtml(u"<p>Go to <a href=\"https://evil.example/x\">www.<b>bank</b>.example</a> now, "
                        "or <a href=\"https://shop.example/\"><img width=30 height=30 src=\"%1\"></a></p>"_s.arg(redDataUrl()));
        QSignalSpy hovered(fView.get(), &cHtmlView::LinkHovered);
        QSignalSpy activated(fView.get(), &cHtmlView::LinkActivated);
        const QPoint bank = pointOf(*fView, u"bank"_s);
        QTest::mouseMove(fView->viewport(), bank);
        QTRY_COMPARE(hovered.size(), 1);
        QCOMPARE(hovered.at(0).at(0).toString(), u"https://evil.example/x"_s);
        QCOMPARE(fView->viewport()->toolTip(), u"https://evil.example/x"_s);
        QTest::mouseClick(fView->viewport(), Qt::LeftButton, {}, bank);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(1).toString(), u"www.bank.example"_s);

        QCOMPARE(fView->LinkAt(pointOf(*fView, u"now"_s)), QUrl());
        const QPoint image = pointOf(*fView, u"or"_s) + QPoint(fView->TextRect(0, 1).width() * 4, 0);
        QCOMPARE(fView->LinkAt(image), QUrl(u"https://shop.example/"_s));
        // A drag that ends on a link selects; it follows nothing.
        QTest::mousePress(fView->viewport(), Qt::LeftButton, {}, pointOf(*fView, u"Go"_s));
        QTest::mouseMove(fView->viewport(), bank);
        QTest::mouseRelease(fView->viewport(), Qt::LeftButton, {}, bank);
        QCOMPARE(activated.size(), 1);
        QVERIFY2(fView->SelectedText().contains(u" to www."_s), qPrintable(fView->SelectedText()));
    }

    void textIsSelectedAcrossElementsAndCopied()
    {
        fView->ShowHtml(u"<p>Hello <b>big</b> world</p><table><tr><td>Name</td><td>Price</td></tr></table>"
                        "<p>Line one<br>Line two</p><div>foo<div>bar</div>ttt</div>"_s);
        QCOMPARE(fView->PlainText(), u"Hello big world\nName\nPrice\nLine one\nLine two\nfoo\nbar\nttt"_s);
        const qsizetype price = fView->PlainText().indexOf(u"Price"_s);
        const QPoint from = fView->TextRect(0, 1).topLeft() + QPoint(1, 2);
        const QPoint to = fView->TextRect(price, price + 5).topRight() + QPoint(-1, 2);
        QTest::mousePress(fView->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(fView->viewport(), to);
        QTest::mouseRelease(fView->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(fView->SelectedText(), u"Hello big world\nName\nPrice"_s);
        QTest::keyClick(fView.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), u"Hello big world\nName\nPrice"_s);
        QTest::keyClick(fView.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(fView->SelectedText(), fView->PlainText());
        QTest::mouseDClick(fView->viewport(), Qt::LeftButton, {}, pointOf(*fView, u"world"_s));
        QCOMPARE(fView->SelectedText(), u"world"_s);
    }

    // As in QTextBrowser: what the reader selects by hand is the primary selection too (X11);
    // what is selected for them, or an empty selection, leaves it as it was.
    void whatTheReaderSelectsIsThePrimarySelection()
    {
        fView->ShowHtml(u"<p>Hello <b>big</b> world</p><p>the Needle here</p>"_s);
        QClipboard *clipboard = QApplication::clipboard();
        const auto primaryIs = [&](const QString &text) {
            return fView->OfferedSelection() == text
                   && (!clipboard->supportsSelection() || clipboard->text(QClipboard::Selection) == text);
        };
        const QPoint from = fView->TextRect(0, 1).topLeft() + QPoint(1, 2);
        const QPoint to = pointOf(*fView, u"big"_s) + QPoint(fView->TextRect(6, 9).width() / 2, 0);
        if (clipboard->supportsSelection())
            clipboard->setText(u"before"_s, QClipboard::Selection);
        QTest::mousePress(fView->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(fView->viewport(), to);
        // Not before the drag ends.
        QVERIFY(fView->OfferedSelection().isEmpty());
        QVERIFY(!clipboard->supportsSelection() || clipboard->text(QClipboard::Selection) == u"before"_s);
        QTest::mouseRelease(fView->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(fView->SelectedText(), u"Hello big"_s);
        QVERIFY(primaryIs(u"Hello big"_s));
        QVERIFY(fView->Find(u"needle"_s));
        QVERIFY(primaryIs(u"Hello big"_s));
        fView->SelectAll();
        QVERIFY(primaryIs(u"Hello big"_s));
        QTest::mouseClick(fView->viewport(), Qt::LeftButton, {}, from);
        QVERIFY(!fView->HasSelection());
        QVERIFY(primaryIs(u"Hello big"_s));
        QTest::mouseDClick(fView->viewport(), Qt::LeftButton, {}, pointOf(*fView, u"world"_s));
        QVERIFY(primaryIs(u"world"_s));
        QTest::keyClick(fView.get(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(primaryIs(fView->PlainText()));
        // Copy is the clipboard's, not the selection's.
        if (clipboard->supportsSelection()) {
            clipboard->setText(u"elsewhere"_s, QClipboard::Selection);
            QTest::keyClick(fView.get(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(clipboard->text(QClipboard::Selection), u"elsewhere"_s);
        }
    }

    void findSelectsTheHitAndScrollsToIt()
    {
        fView->ShowHtml(u"<p>filler</p>"_s.repeated(200) + u"<p>the Needle here</p><p>a needle again</p>"_s);
        QVERIFY(fView->Find(u"needle"_s));
        QCOMPARE(fView->SelectedText(), u"Needle"_s);
        QVERIFY(fView->verticalScrollBar()->value() > 0);
        const qsizetype hit = fView->PlainText().indexOf(u"Needle"_s);
        QVERIFY(fView->viewport()->rect().contains(fView->TextRect(hit, hit + 6)));
        QVERIFY(fView->Find(u"needle"_s, QTextDocument::FindCaseSensitively));
        QCOMPARE(fView->TextRect(hit, hit + 6).top() < fView->TextRect(hit + 20, hit + 26).top(), true);
        QVERIFY(!fView->Find(u"needle"_s));
        QVERIFY(fView->Find(u"needle"_s, QTextDocument::FindBackward));
        QCOMPARE(fView->SelectedText(), u"Needle"_s);
        QVERIFY(!fView->Find(u"absent"_s));
    }

    void zoomAndTheMessageFontChangeItsSize()
    {
        fView->SetMessageFont(QFont(u"DejaVu Sans"_s, 10));
        fView->ShowHtml(u"<p>Some words</p>"_s.repeated(20));
        const int height = fView->DocumentSize().height();
        QSignalSpy zoomed(fView.get(), &cHtmlView::ZoomChanged);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(fView.get(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(zoomed.size(), 5);
        QCOMPARE(fView->Scale(), 1.5);
        QVERIFY(qAbs(fView->DocumentSize().height() - height * 1.5) < height * 0.1);
        QTest::keyClick(fView.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(fView->DocumentSize().height(), height);
        fView->ZoomBy(-100);
        QCOMPARE(fView->Zoom(), cHtmlView::kMinZoom);
        fView->ZoomReset();

        fView->SetMessageFont(QFont(u"DejaVu Sans"_s, 20));
        QVERIFY(fView->DocumentSize().height() > height * 3 / 2);
    }

    // A 40-pixel square, clipped to a circle by its box's rounded corners: pi/4 of it stays.
    void roundedCornersClipWhatIsInside()
    {
        fView->ShowHtml(u"<div style=\"width:40px;height:40px;border-radius:20px;overflow:hidden\">"
                        "<img width=40 height=40 src=\"%1\"></div>"_s.arg(redDataUrl()));
        const int red = redPixels(*fView->viewport());
        QVERIFY2(1150 < red && red < 1400, qPrintable(QString::number(red)));
    }

    void blankLinesPeopleTypeKeepTheirHeight()
    {
        fView->ShowHtml(u"<p>a</p><p>b</p>"_s);
        const int together = fView->DocumentSize().height();
        fView->ShowHtml(u"<div>a</div><div><br></div><div><br /></div><div>b</div>"_s);
        QVERIFY(fView->DocumentSize().height() > together);
        QCOMPARE(fView->PlainText().count(u'\n'), 3);
    }

    // Thunderbird quotes the mail it answers in <pre wrap>, which Firefox wraps; a plain <pre>
    // keeps its lines.
    void aPreThatMayWrapWraps()
    {
        const QString line = u"A quoted line of a reply that goes on well past the edge of the view. "_s.repeated(4);
        fView->ShowHtml(u"<pre class=\"moz-quote-pre\" wrap=\"\">"_s + line + u"</pre>"_s);
        QVERIFY(fView->DocumentSize().width() <= fView->viewport()->width());
        QVERIFY(fView->PlainText().contains(line.trimmed().left(40)));
        fView->ShowHtml(u"<pre>"_s + line + u"</pre>"_s);
        QVERIFY(fView->DocumentSize().width() > fView->viewport()->width());
    }

    void hostileHtmlStaysBounded_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("deep nesting") << u"<div>"_s.repeated(100000) + u"deep"_s << u"deep"_s;
        QTest::newRow("nested tables") << u"<table><tr><td>"_s.repeated(5000) + u"deep"_s << u"deep"_s;
        QTest::newRow("long attribute") << u"<p title=\"%1\">deep</p>"_s.arg(QString(1 << 20, u'x')) << u"deep"_s;
        QTest::newRow("nothing") << QString() << QString();
        QTest::newRow("only a link") << u"<a href=\"https://a.example/\"></a>"_s << QString();
    }

    void hostileHtmlStaysBounded()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        fView->ShowHtml(html);
        QCOMPARE(fView->PlainText(), text);
        QTest::mouseClick(fView->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::keyClick(fView.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(fView->SelectedText(), text);
    }

    // litehtml visits every element for every draw; once measured, a draw skips what is out of
    // sight and draws the same.
    void drawingOnlyWhatIsInSightChangesNoPixel()
    {
        cHtmlLayout layout(everythingThatReaches(60), fView->font(), {}, {});
        layout.LayOut(500);
        const int height = layout.Document().height();
        QVERIFY(height > 5000);
        const QList<QPoint> places{{0, 0}, {0, 1234}, {37, height / 2}, {0, height - 300}};
        QList<QImage> whole;
        for (const QPoint place : places)
            whole.append(drawn(layout, place, QSize(500, 300)));
        QCOMPARE(layout.Container().Skipped(), 0);
        layout.Container().MeasureDrawing(layout.Document());
        QVERIFY(layout.Container().SkipsOutOfSight());
        for (qsizetype at = 0; at < places.size(); ++at)
            QVERIFY2(drawn(layout, places[at], QSize(500, 300)) == whole[at], qPrintable(QString::number(at)));
        QVERIFY(layout.Container().Skipped() > 100);
        // Laid out again, it draws everything until measured again.
        layout.LayOut(400);
        const qsizetype skipped = layout.Container().Skipped();
        drawn(layout, {}, QSize(400, 300));
        QCOMPARE(layout.Container().Skipped(), skipped);
    }

    // A fixed element is drawn where the window is, whatever holds it.
    void withAFixedElementEverythingIsDrawn()
    {
        cHtmlLayout layout(u"<div><p style=\"position:fixed;top:0\">fixed</p></div>"_s + everythingThatReaches(10),
                           fView->font(), {}, {});
        layout.LayOut(500);
        layout.Container().MeasureDrawing(layout.Document());
        QVERIFY(!layout.Container().SkipsOutOfSight());
    }

    // A long message is measured as it is laid out.
    void aLongMessageIsDrawnOnlyInSight()
    {
        fView->ShowHtml(u"<p>"_s + u"word "_s.repeated(cHtmlLayout::kMeasuredRuns * 3 / 4) + u"</p><div>end</div>"_s);
        QVERIFY(fView->TextMap().RunCount() >= cHtmlLayout::kMeasuredRuns);
        QVERIFY(fView->ShownLayout()->Container().SkipsOutOfSight());
        fView->ShowHtml(u"<p>short</p><div>end</div>"_s);
        QVERIFY(!fView->ShownLayout()->Container().SkipsOutOfSight());
    }

    void printingGoesOverPagesBelowTheHeader_data()
    {
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<int>("fewestPages");
        QTest::addColumn<int>("mostPages");
        QTest::newRow("short") << 3 << 1 << 1;
        QTest::newRow("long") << 150 << 3 << 5;
    }

    void printingGoesOverPagesBelowTheHeader()
    {
        QFETCH(int, paragraphs);
        QFETCH(int, fewestPages);
        QFETCH(int, mostPages);
        fView->ShowHtml(u"<p>A line of the message</p>"_s.repeated(paragraphs));
        const QString path = fScratch.filePath(u"printed.pdf"_s);
        {
            QPdfWriter pdf(path);
            pdf.setResolution(96);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            fView->Print(pdf, u"<b>From:</b> Ann"_s);
        }
        QFile printed(path);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        static const QRegularExpression kPage(u"/Type\\s*/Page[^s]"_s);
        const qsizetype pages = QString::fromLatin1(printed.readAll()).count(kPage);
        QVERIFY2(fewestPages <= pages && pages <= mostPages, qPrintable(QString::number(pages)));
    }

    void pageBreaksCutNoLine()
    {
        fView->ShowHtml(u"<p>one</p><p>two</p><p>three</p>"_s);
        const QString &text = fView->PlainText();
        const QRect two = fView->TextRect(text.indexOf(u"two"_s), text.indexOf(u"two"_s) + 3);
        // In document pixels: the view is neither scrolled nor zoomed.
        const cHtmlTextMap &map = fView->TextMap();
        QCOMPARE(map.PageBreak(0, two.center().y()), two.top());
        QCOMPARE(map.PageBreak(0, two.bottom() + 2), two.bottom() + 2);
        QCOMPARE(map.PageBreak(two.top(), two.center().y()), two.center().y());
    }

    void listNumbersFollowTheirStyle_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("number");
        QTest::newRow("decimal") << int(litehtml::list_style_type_decimal) << 12 << u"12"_s;
        QTest::newRow("lower alpha") << int(litehtml::list_style_type_lower_alpha) << 28 << u"ab"_s;
        QTest::newRow("upper latin") << int(litehtml::list_style_type_upper_latin) << 26 << u"Z"_s;
        QTest::newRow("lower roman") << int(litehtml::list_style_type_lower_roman) << 1994 << u"mcmxciv"_s;
        QTest::newRow("upper roman") << int(litehtml::list_style_type_upper_roman) << 4 << u"IV"_s;
        QTest::newRow("unknown") << int(litehtml::list_style_type_hebrew) << 3 << u"3"_s;
        // Roman numbers end at 3999 and letters start at a, as in browsers.
        QTest::newRow("roman beyond") << int(litehtml::list_style_type_upper_roman) << 4000 << u"4000"_s;
        QTest::newRow("roman at most") << int(litehtml::list_style_type_upper_roman) << 2147483647 << u"2147483647"_s;
        QTest::newRow("roman none") << int(litehtml::list_style_type_lower_roman) << 0 << u"0"_s;
        QTest::newRow("alpha none") << int(litehtml::list_style_type_lower_alpha) << -3 << u"-3"_s;
    }

    void listNumbersFollowTheirStyle()
    {
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(QString, number);
        QCOMPARE(ListNumber(litehtml::list_style_type(type), index), number);
    }

private:
    QTemporaryDir fScratch;
    std::unique_ptr<cHtmlView> fView;
};

QTEST_MAIN(TestHtmlView)
#include "test_html_view.moc"
