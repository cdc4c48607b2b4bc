// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One input of the preview's HTML fuzzer, as the fuzzer and the test of the inputs it found
// (tests/ui/test_fuzz_inputs) both give it: the bounder and the count of remote items, then
// litehtml itself through cHtmlLayout, as the view shows a message. The HTML is read with a cid:
// part and a remote image for every address it names (the paths a message with images and a
// reader who allowed them take), laid out at a window's width and, for every fourth input (by its
// length), again at a very narrow one, drawn there in whole and again only where in sight, and its
// text map asked what selection, find and printing ask. Needs a QGuiApplication.
#include "ui/main/PreviewHtml.h"
#include "ui/main/RemoteContent.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlTextMap.h"
#include "ui/main/cLitehtmlContainer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <litehtml.h>

#include <vector>

inline constexpr int kFuzzWidth = 640;
inline constexpr int kFuzzNarrowWidth = 23;
inline constexpr int kFuzzPaintHeight = 480;

// What of its promises the preview broke for html: null when none.
inline const char *FeedPreviewHtml(const QByteArray &bytes)
{
    static const QByteArray kPng = [] {
        QImage image(3, 2, QImage::Format_ARGB32);
        image.fill(QColor(200, 30, 30, 128));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return png;
    }();
    static const QImage kRemote = [] {
        QImage image(5, 7, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    }();

    const QString html = QString::fromUtf8(bytes);
    // What the bounder writes back grows by a bounded factor at most (escapes, end tags, a row
    // for a lone cell).
    if (BoundedPreviewHtml(html).size() > 8 * html.size() + 64)
        return "the bounded HTML grew more than eightfold";
    (void)RemoteReferences(html);

    cHtmlLayout layout(html, QFont(), [](const QString &) { return kPng; }, [](const QUrl &) { return kRemote; });
    // Half the time of an input goes into each layout.
    const std::vector<int> widths = bytes.size() % 4 == 0 ? std::vector{kFuzzWidth, kFuzzNarrowWidth} : std::vector{kFuzzWidth};
    for (const int width : widths) {
        layout.LayOut(width);
        litehtml::document &document = layout.Document();
        if (document.height() < 0)
            return "the document's height is negative";
        // The top as on screen and a page further down, clipped as printing clips it; then the
        // same again, drawn only where in sight, as a long message is. Each in a picture of the
        // clip's size: litehtml draws all of a box that reaches into the clip, and a screen or a
        // page shows only what is in it.
        const int top = std::max(0, document.height() / 2);
        const auto drawn = [&](int at, bool page) {
            QImage picture(width, kFuzzPaintHeight, QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            const litehtml::position clip(0, 0, width, kFuzzPaintHeight);
            layout.Container().SetPageClip(page ? QRect(0, 0, width, kFuzzPaintHeight) : QRect());
            document.draw(reinterpret_cast<litehtml::uint_ptr>(&painter), 0, -at, &clip);
            layout.Container().SetPageClip({});
            return picture;
        };
        const QImage screen = drawn(0, false);
        const QImage page = drawn(top, true);
        layout.Container().MeasureDrawing(document);
        if (drawn(0, false) != screen || drawn(top, true) != page)
            return "drawing only what is in sight changed the picture";

        const cHtmlTextMap &text = layout.TextMap();
        const qsizetype size = text.Text().size();
        for (const QPoint point : {QPoint(0, 0), QPoint(width / 2, kFuzzPaintHeight / 2), QPoint(-5, document.height() + 5),
                                  QPoint(1 << 20, 0)}) {
            if (const qsizetype offset = text.OffsetAt(point); offset < 0 || offset > size)
                return "a point's place is outside the text";
        }
        (void)text.Rects(0, size);
        (void)text.Rects(size / 3, size / 2);
        if (const int page = text.PageBreak(top, top + kFuzzPaintHeight); page > top + kFuzzPaintHeight)
            return "a page ends below where it may";
    }
    return nullptr;
}
