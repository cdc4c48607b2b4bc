#include "mime/CharsetText.h"

#include <QStringDecoder>

namespace {

bool isAscii(const QByteArray &charset)
{
    const QByteArray name = charset.trimmed().toLower();
    return name.isEmpty() || name == "us-ascii" || name == "ascii";
}

QString strictUtf8(const QByteArray &bytes, bool *ok)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    *ok = !decoder.hasError();
    return text;
}

} // namespace

cCharsetText DecodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    // Mail labelled ASCII often is not; the same guess as for unlabelled text.
    if (isAscii(charset)) {
        bool ok = false;
        QString text = strictUtf8(bytes, &ok);
        return {ok ? text : QString::fromLatin1(bytes), true};
    }
    QStringDecoder decoder(charset.trimmed().constData());
    if (!decoder.isValid())
        return {QString::fromLatin1(bytes), false};
    return {decoder(bytes), true};
}
