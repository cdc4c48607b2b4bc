// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DisplayText.h"

#include "storage/MessageText.h"

#include <QStringDecoder>
#include <iconv.h>
#include <optional>

namespace {

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Any charset the C library knows; Qt itself decodes only the Unicode ones and Latin-1.
std::optional<QString> decodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    iconv_t converter = iconv_open("UTF-8", charset.constData());
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray input = bytes;
    QByteArray output(input.size() * 4 + 4, Qt::Uninitialized);
    char *in = input.data();
    size_t inLeft = size_t(input.size());
    char *out = output.data();
    size_t outLeft = size_t(output.size());
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == size_t(-1) || inLeft != 0)
        return std::nullopt;
    output.truncate(output.size() - qsizetype(outLeft));
    return QString::fromUtf8(output);
}

QByteArray unfoldedContentType(const QList<QByteArray> &headerLines)
{
    QByteArray value;
    bool inside = false;
    for (const QByteArray &line : headerLines) {
        const bool continuation = !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t');
        if (inside && continuation) {
            value += line;
            continue;
        }
        if (inside)
            break;
        if (line.toLower().startsWith("content-type:")) {
            inside = true;
            value = line.mid(13);
        }
    }
    return value;
}

} // namespace

QString DisplayText(const QByteArray &bytes, const QByteArray &charset)
{
    if (auto text = decodeUtf8(bytes))
        return *text;
    if (!charset.isEmpty())
        if (auto text = decodeCharset(bytes, charset))
            return *text;
    return StoredText(bytes);
}

QByteArray DeclaredCharset(const QList<QByteArray> &headerLines)
{
    for (const QByteArray &parameter : unfoldedContentType(headerLines).split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (!trimmed.toLower().startsWith("charset="))
            continue;
        QByteArray value = trimmed.mid(8).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

QString DisplayBody(const QList<QByteArray> &body, const QByteArray &charset)
{
    return DisplayText(body.join('\n'), charset);
}
