// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/WireText.h"

#include "mime/cBase64Decoder.h"

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

QByteArray DecodeBase64(const QByteArray &encoded)
{
    QByteArray decoded;
    cBase64Decoder().Decode(encoded, decoded);
    return decoded;
}
