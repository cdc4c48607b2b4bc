#include "mime/CharsetText.h"

#include "mime/WireText.h"

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
    // Mail labelled ASCII often is not; the same guess as for unlabelled text.
    if (isAscii(charset))
        return {Utf8OrWindows1252(bytes), true};
    QStringDecoder decoder(charset.trimmed().constData());
    if (!decoder.isValid())
        return {QString::fromLatin1(bytes), false};
    return {decoder(bytes), true};
}
