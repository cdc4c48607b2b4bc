// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/HeaderBlock.h"

namespace {

bool isFieldName(QByteArrayView name)
{
    if (name.isEmpty())
        return false;
    for (char c : name)
        if (c < 33 || c > 126)
            return false;
    return true;
}

bool canBeHeaderLine(QByteArrayView line, bool first)
{
    if (line.startsWith(' ') || line.startsWith('\t'))
        return !first;
    if (first && line.startsWith("From "))
        return true; // an mbox separator
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && isFieldName(line.first(colon));
}

} // namespace

QByteArray WithHeaderEnd(const QByteArray &raw)
{
    qsizetype start = 0;
    while (start < raw.size()) {
        qsizetype end = raw.indexOf('\n', start);
        if (end < 0)
            end = raw.size();
        QByteArrayView line = QByteArrayView(raw).sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            return raw;
        if (!canBeHeaderLine(line, start == 0)) {
            const bool crlf = start >= 2 && raw.at(start - 2) == '\r';
            return QByteArray(raw).insert(start, crlf ? "\r\n" : "\n");
        }
        start = end + 1;
    }
    return raw;
}

QList<QByteArray> HeaderLines(const QByteArray &raw)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < raw.size()) {
        qsizetype end = start;
        while (end < raw.size() && raw.at(end) != '\r' && raw.at(end) != '\n')
            ++end;
        lines.append(raw.mid(start, end - start));
        if (end == start)
            return lines;
        start = end + (QByteArrayView(raw).sliced(end).startsWith("\r\n") ? 2 : 1);
    }
    return {};
}
