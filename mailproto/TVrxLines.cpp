#include "mailproto/TVrxLines.h"

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

QByteArray TVrxLines::UnstuffedMessage(const QByteArray &reply)
{
    if (!reply.startsWith('.') && !reply.contains("\n."))
        return reply;
    QByteArray message;
    message.reserve(reply.size());
    qsizetype start = 0;
    while (start < reply.size()) {
        qsizetype end = reply.indexOf('\n', start);
        end = end < 0 ? reply.size() : end + 1;
        const bool stuffed = reply.at(start) == '.' && end - start > 1 && reply.at(start + 1) != '\r'
            && reply.at(start + 1) != '\n';
        message.append(reply.constData() + start + (stuffed ? 1 : 0), end - start - (stuffed ? 1 : 0));
        start = end;
    }
    return message;
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
