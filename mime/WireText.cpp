#include "mime/WireText.h"

#include <QRegularExpression>

namespace {

bool keptInQWord(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

QByteArray qEncoded(const QByteArray &bytes)
{
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (char c : bytes) {
        if (keptInQWord(c)) {
            encoded += c;
            continue;
        }
        encoded += '=';
        encoded += QByteArray(1, c).toHex().toUpper();
    }
    return encoded;
}

} // namespace

QByteArray WithQEncodedWords(const QByteArray &value)
{
    static const QRegularExpression word(QStringLiteral("=\\?([^?\\s]+)\\?[Bb]\\?([^?\\s]*)\\?="));
    if (!value.contains("?=")) // every value but a few: not worth a conversion
        return value;
    const QString text = QString::fromLatin1(value);
    QByteArray result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += value.mid(done, match.capturedStart() - done);
        result += "=?" + match.captured(1).toLatin1() + "?Q?" + qEncoded(DecodeBase64(match.captured(2).toLatin1()))
            + "?=";
        done = match.capturedEnd();
    }
    return result + value.mid(done);
}

// Padding ends a run; some mailers join runs, each padded, so decoding goes on after one. The
// runs are read where they stand (Qt skips what is not base64), so a large part is not copied.
QByteArray DecodeBase64(const QByteArray &encoded)
{
    QByteArray decoded;
    for (qsizetype start = 0; start < encoded.size();) {
        qsizetype padding = encoded.indexOf('=', start);
        if (padding < 0)
            padding = encoded.size();
        const QByteArray run =
            QByteArray::fromBase64(QByteArray::fromRawData(encoded.constData() + start, padding - start));
        if (decoded.isEmpty())
            decoded = run;
        else
            decoded += run;
        start = padding + 1;
    }
    return decoded;
}
