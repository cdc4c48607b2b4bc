#include "mailproto/TVrxLines.h"

QList<QByteArray> TVrxLines::Split(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == '\r' && i + 1 < size && text.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

void TVrxLines::Unstuff(QList<QByteArray> &lines)
{
    for (QByteArray &line : lines)
        if (line.size() > 1 && line.startsWith('.'))
            line.remove(0, 1);
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
