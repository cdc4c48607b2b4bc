// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws the program's SVG icon as a square PNG of the given size, for the icon
// theme folders of desktops that want bitmaps.
//   ravelin_render_icon <in.svg> <size> <out.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    QSvgRenderer svg(args.value(1));
    if (args.size() != 4 || !sizeOk || size <= 0 || !svg.isValid()) {
        std::fprintf(stderr, "usage: ravelin_render_icon <in.svg> <size> <out.png>\n");
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(args.value(3), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.value(3)));
        return 1;
    }
    return 0;
}
