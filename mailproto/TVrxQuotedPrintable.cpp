// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxQuotedPrintable.h"

namespace {

bool IsLiteral(char c)
{
    const quint8 byte = quint8(c);
    return (byte >= 33 && byte <= 126 && c != '=') || c == ' ' || c == '\t';
}

QByteArray Escaped(char c)
{
    return '=' + QByteArray(1, c).toHex().toUpper();
}

} // namespace

QList<QByteArray> TVrxQuotedPrintable::EncodeLine(const QByteArray &line)
{
    QList<QByteArray> out;
    QByteArray current;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        const bool lastByte = i + 1 == line.size();
        // Blanks at a line's end would be lost in transport, so the last one is escaped.
        const QByteArray piece = IsLiteral(c) && !(lastByte && (c == ' ' || c == '\t')) ? QByteArray(1, c) : Escaped(c);
        // Room is kept for the soft break "=", except where the line ends anyway.
        const qsizetype room = lastByte ? MaxLineLength : MaxLineLength - 1;
        if (current.size() + piece.size() > room) {
            out.append(current + '=');
            current.clear();
        }
        current += piece;
    }
    out.append(current);
    return out;
}

QList<QByteArray> TVrxQuotedPrintable::EncodeLines(const QList<QByteArray> &lines)
{
    QList<QByteArray> out;
    for (const QByteArray &line : lines)
        out.append(EncodeLine(line));
    return out;
}
