// SPDX-License-Identifier: GPL-3.0-or-later
// Message text follows the font the options name, in the preview and the read window alike, and
// the reader's zoom: Ctrl+plus, Ctrl+minus and Ctrl+0 resize the text, sizes the HTML sets
// itself included.
#include "storage/cOptions.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cPreviewPane.h"
#include "ui/main/unitReadMessage.h"

#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

cMailMessage htmlMessage(const QString &html)
{
    cMailMessage message;
    message.Html = true;
    message.body = {html.toUtf8()};
    return message;
}

// The pixel size the document gives the text, 0 when it has none of its own.
int pixelSizeOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text)
                return it.fragment().charFormat().intProperty(QTextFormat::FontPixelSize);
    return 0;
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
    }

    void zoomResizesAllTextAndIsUndoneByCtrl0()
    {
        cPreviewPane pane;
        pane.ApplyFontOption();
        pane.Show(htmlMessage(u"<p>plain</p><p style=\"font-size:20px\">big</p>"_s));
        cPreviewBrowser *browser = pane.Browser();
        const struct
        {
            Qt::Key key;
            int points, bigPixels;
        } steps[] = {{Qt::Key_Plus, 12, 22}, {Qt::Key_Equal, 13, 24}, {Qt::Key_Minus, 12, 22}, {Qt::Key_0, 11, 20}};
        for (const auto &step : steps) {
            QTest::keyClick(browser, step.key, Qt::ControlModifier);
            QCOMPARE(browser->document()->defaultFont().pointSize(), step.points);
            QCOMPARE(pixelSizeOf(*browser->document(), u"big"_s), step.bigPixels);
        }
        for (int i = 0; i < 100; ++i)
            browser->ZoomBy(-1);
        QCOMPARE(browser->Zoom(), cPreviewBrowser::kMinZoom);
        QVERIFY(browser->document()->defaultFont().pointSize() >= 1);
    }

private:
    cScratchSettings fSettings;
};

QTEST_MAIN(TestPreviewFont)
#include "test_preview_font.moc"
