// SPDX-License-Identifier: GPL-3.0-or-later
// Message text follows the font the options name, in the preview and the read window alike, and
// the reader's zoom: Ctrl+plus, Ctrl+minus and Ctrl+0 resize the text, sizes the HTML sets
// itself included, in HTML and plain text alike.
#include "storage/cOptions.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/unitReadMessage.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

cMailMessage htmlMessage(const QString &html)
{
    cMailMessage message;
    message.Html = true;
    message.body = {html.toUtf8()};
    return message;
}

} // namespace

class TestPreviewFont : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(fSettings.isValid());
        QVERIFY(cOptions::write(Opt::MailDisplayFontSize, 11).ok());
    }

    void theReadWindowFollowsTheFontOption()
    {
        const cMemoryMailStore store;
        TfrmReadMessage window(store);
        QCOMPARE(window.Preview()->Browser()->document()->defaultFont().pointSize(), 11);
        QCOMPARE(window.Preview()->HtmlView()->MessageFont().pointSize(), 11);
    }

    // Zoomed in the HTML, plain text follows, and back.
    void zoomResizesAllTextAndIsUndoneByCtrl0()
    {
        cPreviewPane pane;
        pane.ApplyFontOption();
        pane.resize(400, 300);
        pane.show();
        pane.Show(htmlMessage(u"<p>plain</p><p style=\"font-size:20px\">big</p>"_s));
        cHtmlView *view = pane.HtmlView();
        const qsizetype big = view->PlainText().indexOf(u"big"_s);
        const int bigHeight = view->TextRect(big, big + 3).height();
        const struct
        {
            Qt::Key key;
            int points;
        } steps[] = {{Qt::Key_Plus, 12}, {Qt::Key_Equal, 13}, {Qt::Key_Minus, 12}, {Qt::Key_0, 11}};
        for (const auto &step : steps) {
            QTest::keyClick(view, step.key, Qt::ControlModifier);
            QCOMPARE(pane.Browser()->document()->defaultFont().pointSize(), step.points);
            QVERIFY(qAbs(view->TextRect(big, big + 3).height() - bigHeight * step.points / 11.0) <= 1.5);
        }
        for (int i = 0; i < 100; ++i)
            pane.Browser()->ZoomBy(-1);
        QCOMPARE(view->Zoom(), cHtmlView::kMinZoom);
        QVERIFY(pane.Browser()->document()->defaultFont().pointSize() >= 1);
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestPreviewFont)
#include "test_preview_font.moc"
