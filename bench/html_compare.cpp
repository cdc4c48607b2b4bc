// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every message of a folder of .eml files twice, with Qt's rich-text engine (the HTML
// bounded as the preview bounds it, its own cid: parts) and with litehtml through the program's
// cHtmlView, 800 pixels wide, and writes both side by side:
//   html_compare <folder of .eml> <folder for the pictures>
// writes NAME.png (rich text left, litehtml right) and prints the time each took, the best of five
// runs. Both start from the HTML and cid: parts MessageHtml gives of the stored message. Nothing
// is fetched; settings and mail live in a temporary folder. Built with -DRAVELIN_HTML_COMPARE=ON.
#include "tests/support/cScratchSettings.h"
#include "transfer/MessageHtml.h"
#include "transfer/cIncomingStore.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/PreviewHtml.h"
#include "ui/main/cPreviewDocument.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidth = 800;
constexpr int kMaxHeight = 4000;
constexpr int kRuns = 5;

struct cRendering
{
    QImage picture;
    qint64 nanoseconds = 0;
};

QImage blankPicture(int height)
{
    QImage picture(kWidth, std::clamp(height, 1, kMaxHeight), QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// The best time of kRuns, and the picture of the last.
cRendering timed(const std::function<QImage()> &render)
{
    cRendering best{{}, std::numeric_limits<qint64>::max()};
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        best.picture = render();
        best.nanoseconds = std::min(best.nanoseconds, clock.nsecsElapsed());
    }
    return best;
}

QImage richTextPicture(const cMailMessage &message)
{
    const cHtmlBody body = MessageHtml(message);
    cPreviewDocument document;
    document.SetInlineParts([&body](const QString &id) { return body.inlineParts.value(id); });
    document.setHtml(BoundedPreviewHtml(body.html));
    document.setTextWidth(kWidth);
    QImage picture = blankPicture(int(document.size().height()));
    QPainter painter(&picture);
    document.drawContents(&painter, QRectF(picture.rect()));
    return picture;
}

QImage litehtmlPicture(cHtmlView &view, const cMailMessage &message)
{
    const cHtmlBody body = MessageHtml(message);
    view.ShowHtml(body.html, [&body](const QString &id) { return body.inlineParts.value(id); });
    view.resize(view.width(), std::clamp(view.DocumentSize().height(), 1, kMaxHeight));
    return view.viewport()->grab().toImage();
}

QImage sideBySide(const QImage &left, const QImage &right)
{
    QImage both(2 * kWidth + 8, std::max(left.height(), right.height()), QImage::Format_RGB32);
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(kWidth + 8, 0, right);
    return both;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: html_compare <folder of .eml> <folder for the pictures>\n";
        return 2;
    }
    cScratchSettings settings;
    if (!settings.initStorage()) {
        err << "Cannot make a mail folder in " << settings.path() << "\n";
        return 1;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QDir pictures(QString::fromLocal8Bit(argv[2]));
    out << "message\tpreview ms\tlitehtml ms\tpreview height\tlitehtml height\n";
    for (const QFileInfo &file : corpus.entryInfoList({u"*.eml"_s}, QDir::Files, QDir::Name)) {
        QFile input(file.filePath());
        if (!input.open(QIODevice::ReadOnly)) {
            err << "Cannot read " << file.filePath() << "\n";
            return 1;
        }
        const auto stored = cIncomingStore::Store(input.readAll(), QString(), u"Inbox"_s);
        if (!stored) {
            err << "Cannot store " << file.filePath() << ": " << stored.text() << "\n";
            return 1;
        }
        cMailMessage message;
        if (const cResult read = message.ReadFile(stored.value().path); !read.ok()) {
            err << "Cannot read the stored " << file.filePath() << ": " << read.text() << "\n";
            return 1;
        }
        const cRendering preview = timed([&] { return richTextPicture(message); });
        cHtmlView view;
        view.setFrameShape(QFrame::NoFrame);
        view.resize(kWidth + view.verticalScrollBar()->sizeHint().width(), kMaxHeight);
        const cRendering lite = timed([&] { return litehtmlPicture(view, message); });
        const QString path = pictures.filePath(file.completeBaseName() + u".png"_s);
        if (!sideBySide(preview.picture, lite.picture).save(path)) {
            err << "Cannot write the picture " << path << "\n";
            return 1;
        }
        out << file.completeBaseName() << '\t' << preview.nanoseconds / 1e6 << '\t' << lite.nanoseconds / 1e6 << '\t'
            << preview.picture.height() << '\t' << lite.picture.height() << Qt::endl;
    }
    return 0;
}
