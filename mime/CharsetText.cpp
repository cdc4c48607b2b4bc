// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/CharsetText.h"

#include <QStringDecoder>

namespace {

bool isAscii(const QByteArray &charset)
{
    const QByteArray name = charset.trimmed().toLower();
    return name.isEmpty() || name == "us-ascii" || name == "ascii";
}

} // namespace

cCharsetText DecodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    // Mail labelled ASCII often is not; the same guess as for unlabelled text: UTF-8 when it
    // is, else Windows-1252, the superset of Latin-1 that mailers mean by undeclared 8-bit text.
    if (isAscii(charset)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(bytes);
        return utf8.hasError() ? DecodeCharset(bytes, "windows-1252") : cCharsetText{text, true};
    }
    QStringDecoder decoder(charset.trimmed().constData());
    if (!decoder.isValid())
        return {QString::fromLatin1(bytes), false};
    return {decoder(bytes), true};
}
