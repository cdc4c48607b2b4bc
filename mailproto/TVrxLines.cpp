// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxLines.h"

#include <cstring>

template<typename MakeLine>
QList<QByteArray> TVrxLines::SplitWith(const QByteArray &text, MakeLine makeLine)
{
    QList<QByteArray> lines;
    const char *data = text.constData();
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(makeLine(data + start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(makeLine(data + start, size - start));
    return lines;
}

QList<QByteArray> TVrxLines::Split(const QByteArray &text)
{
    return SplitWith(text, [](const char *data, qsizetype size) { return QByteArray(data, size); });
}

QList<QByteArray> TVrxLines::SplitViews(const QByteArray &text)
{
    return SplitWith(text, [](const char *data, qsizetype size) { return QByteArray::fromRawData(data, size); });
}

void TVrxLines::Unstuff(QList<QByteArray> &lines)
{
    for (QByteArray &line : lines)
        if (line.size() > 1 && line.startsWith('.'))
            line.remove(0, 1);
}

// In place: a message of many megabytes is never held twice.
QByteArray TVrxLines::UnstuffedMessage(QByteArray reply)
{
    if (DotLineAt(reply) < 0)
        return reply;
    char *data = reply.data();
    qsizetype kept = 0;
    qsizetype start = 0;
    while (start < reply.size()) {
        qsizetype end = reply.indexOf('\n', start);
        end = end < 0 ? reply.size() : end + 1;
        const bool stuffed = data[start] == '.' && end - start > 1 && data[start + 1] != '\r' && data[start + 1] != '\n';
        const qsizetype from = start + (stuffed ? 1 : 0);
        std::memmove(data + kept, data + from, size_t(end - from));
        kept += end - from;
        start = end;
    }
    reply.truncate(kept);
    return reply;
}

qsizetype TVrxLines::DotLineAt(QByteArrayView text, qsizetype from)
{
    const char *data = text.data();
    for (qsizetype at = from; at < text.size();) {
        const void *dot = std::memchr(data + at, '.', size_t(text.size() - at));
        if (!dot)
            return -1;
        at = static_cast<const char *>(dot) - data;
        if (at == 0 || data[at - 1] == '\n')
            return at;
        ++at;
    }
    return -1;
}

QByteArray TVrxLines::SingleLine(QByteArray value)
{
    return value.replace('\r', ' ').replace('\n', ' ');
}

bool TVrxLines::StartsWithNoCase(const QByteArray &line, const QByteArray &upperKey)
{
    return line.size() >= upperKey.size() && line.first(upperKey.size()).toUpper() == upperKey;
}

QByteArray TVrxLines::WithoutLineBreaks(QByteArray value)
{
    return value.replace('\r', QByteArray()).replace('\n', QByteArray());
}
