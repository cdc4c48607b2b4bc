// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/FlowedText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct cFlowedLine
{
    int depth = 0;
    QString text;
    bool soft = false;
    bool separator = false; // "-- ", which starts a signature
};

cFlowedLine readLine(const QString &line)
{
    cFlowedLine read;
    while (read.depth < line.size() && line.at(read.depth) == u'>')
        ++read.depth;
    read.text = line.mid(read.depth);
    if (read.text.startsWith(u' '))
        read.text.remove(0, 1); // space-stuffing, or the space after the quote marks
    read.separator = read.text == QStringLiteral("-- ");
    read.soft = read.text.endsWith(u' ') && !read.separator;
    return read;
}

QString quoted(int depth, const QString &text)
{
    return depth == 0 ? text : QString(depth, u'>') + u' ' + text;
}

} // namespace

QString UnflowedText(const QString &text, bool delSp)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n"));
    QStringList lines = text.split(lineEnd);
    const bool endsWithBreak = !lines.isEmpty() && lines.constLast().isEmpty();
    if (endsWithBreak)
        lines.removeLast();
    QStringList shown;
    cFlowedLine paragraph;
    bool open = false;
    for (const QString &line : std::as_const(lines)) {
        cFlowedLine read = readLine(line);
        if (open && read.depth == paragraph.depth && !read.separator) {
            paragraph.text += read.text;
            paragraph.soft = read.soft;
        } else {
            if (open)
                shown.append(quoted(paragraph.depth, paragraph.text));
            paragraph = read;
        }
        if (paragraph.soft && delSp)
            paragraph.text.chop(1);
        open = paragraph.soft;
        if (!open)
            shown.append(quoted(paragraph.depth, paragraph.text));
    }
    if (open)
        shown.append(quoted(paragraph.depth, paragraph.text));
    return shown.join(QStringLiteral("\r\n")) + (endsWithBreak ? QStringLiteral("\r\n") : QString());
}
