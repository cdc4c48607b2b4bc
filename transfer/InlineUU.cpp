// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/InlineUU.h"

#include "mailproto/TVrxUU.h"

namespace {

constexpr qsizetype kNotFound = -1;

// "begin", a mode of three octal digits, a blank and the name.
qsizetype findBegin(const QList<QByteArray> &lines, qsizetype from)
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.size() <= 10 || !line.first(5).toLower().startsWith("begin") || line.at(5) != ' ')
            continue;
        bool isNumber = false;
        const int mode = line.mid(6, 3).toInt(&isNumber);
        if (isNumber && mode >= 1 && mode <= 776)
            return i;
    }
    return kNotFound;
}

qsizetype findEnd(const QList<QByteArray> &lines, qsizetype begin)
{
    qsizetype end = begin;
    while (end < lines.size() && lines.at(end).trimmed().toLower() != "end")
        ++end;
    return end;
}

std::optional<QByteArray> decoded(const QList<QByteArray> &block)
{
    TAttachedFile item;
    item.Lines = block;
    item.Lines.removeIf([](const QByteArray &line) { return line.trimmed().isEmpty(); });
    if (!TVrxUU::DecodeLines(item, {}))
        return std::nullopt;
    return item.Stream;
}

} // namespace

QList<cDecodedPart> TakeUUBlocks(QList<QByteArray> &lines)
{
    QList<cDecodedPart> parts;
    for (qsizetype begin = findBegin(lines, 0); begin != kNotFound;) {
        const qsizetype end = findEnd(lines, begin);
        const std::optional<QByteArray> data = decoded(lines.mid(begin, end - begin));
        if (!data) {
            begin = findBegin(lines, begin + 1);
            continue;
        }
        const QByteArray name = TAttachedFile::NamePart(lines.at(begin).mid(10).trimmed());
        parts.append({QString::fromUtf8(name), QByteArrayLiteral("application/octet-stream"), *data, {}, {}});
        lines.remove(begin, std::min(end + 1, lines.size()) - begin);
        begin = findBegin(lines, begin);
    }
    return parts;
}
