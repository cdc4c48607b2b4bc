// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PreviewResources.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// SVG and the like may name further files; bitmaps cannot.
bool isBitmapFormat(const QByteArray &format)
{
    static const QList<QByteArray> kBitmaps{"png", "jpeg", "jpg", "gif", "bmp", "webp"};
    return kBitmaps.contains(format.toLower());
}

// data:[<media type>][;base64],<data> (RFC 2397).
QByteArray dataUrlPayload(const QUrl &url)
{
    const QByteArray dataUrl = url.path(QUrl::FullyEncoded).toLatin1();
    const qsizetype comma = dataUrl.indexOf(',');
    constexpr qsizetype kMaxEncoded = (kMaxInlineImageBytes / 3 + 1) * 4;
    if (comma < 0 || dataUrl.size() - comma - 1 > kMaxEncoded)
        return {};
    const QByteArray data = QByteArray::fromPercentEncoding(dataUrl.mid(comma + 1));
    return dataUrl.left(comma).toLower().endsWith(";base64") ? QByteArray::fromBase64(data) : data;
}

QByteArray inlineBytes(const QUrl &url, const cInlinePartLookup &inlinePart)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == u"data"_s)
        return dataUrlPayload(url);
    if (scheme == u"cid"_s && inlinePart)
        return inlinePart(url.path(QUrl::FullyDecoded));
    return {};
}

} // namespace

QImage RefusedImage()
{
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return blank;
}

QImage BoundedImage(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > kMaxInlineImageBytes)
        return RefusedImage();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!isBitmapFormat(reader.format()) || !size.isValid()
        || qint64(size.width()) * size.height() > kMaxInlineImagePixels)
        return RefusedImage();
    const QImage image = reader.read();
    return image.isNull() ? RefusedImage() : image;
}

QVariant PreviewResource(int type, const QUrl &url, const cInlinePartLookup &inlinePart)
{
    if (type == QTextDocument::ImageResource)
        return BoundedImage(inlineBytes(url, inlinePart));
    return QString();
}
