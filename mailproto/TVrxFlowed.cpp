// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxFlowed.h"

#include <algorithm>

namespace {

struct Paragraph
{
    int Depth = 0;
    QByteArray Text;
    QByteArray Typed; // its stored lines joined, the first with its quote marks
};

bool IsContinuationByte(char c)
{
    return (quint8(c) & 0xC0) == 0x80;
}

// Whether text from `from` on fits in `room` characters (UTF-8 sequences count once).
bool FitsIn(const QByteArray &text, qsizetype from, int room)
{
    int columns = 0;
    for (qsizetype i = from; i < text.size(); ++i)
        if (!IsContinuationByte(text.at(i)) && ++columns > room)
            return false;
    return true;
}

// Where a line starting at `from` breaks (the index of its last blank): the last blank within
// `room` characters, else the first blank at all, so a long word stays whole; -1 for none.
qsizetype BreakAfter(const QByteArray &text, qsizetype from, int room)
{
    int columns = 0;
    qsizetype best = -1;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (!IsContinuationByte(text.at(i)))
            ++columns;
        if (text.at(i) == ' ' && (columns <= room || best < 0))
            best = i;
        if (columns > room && best >= 0)
            return best;
    }
    return best == text.size() - 1 ? -1 : best;
}

// Quote marks with blanks between them ("> > a") are one run of marks.
Paragraph ReadQuote(const QByteArray &line)
{
    Paragraph read;
    qsizetype at = 0;
    while (at < line.size() && line.at(at) == '>') {
        ++read.Depth;
        qsizetype next = at + 1;
        while (next < line.size() && line.at(next) == ' ')
            ++next;
        at = next < line.size() && line.at(next) == '>' ? next : at + 1;
    }
    if (read.Depth > 0 && at < line.size() && line.at(at) == ' ')
        ++at;
    read.Text = line.mid(at);
    read.Typed = line;
    return read;
}

bool IsSeparator(const QByteArray &text)
{
    return text == "-- ";
}

// A line the editor wrapped: it ends in a blank and holds more than blanks.
bool ContinuesOnNextLine(const QByteArray &line)
{
    return line.endsWith(' ') && !IsSeparator(line) && !line.trimmed().isEmpty();
}

// A hard break keeps no blank before it, or readers would take it for a soft one.
void EndParagraph(Paragraph &paragraph)
{
    while (!IsSeparator(paragraph.Text) && paragraph.Text.endsWith(' '))
        paragraph.Text.chop(1);
}

QList<Paragraph> Paragraphs(const QList<QByteArray> &lines)
{
    QList<Paragraph> paragraphs;
    bool continuing = false;
    for (const QByteArray &line : lines) {
        Paragraph read = ReadQuote(line);
        // The editor wraps a quoted paragraph without repeating its marks.
        const bool joins = continuing && (read.Depth == 0 || read.Depth == paragraphs.last().Depth);
        if (continuing && !joins)
            EndParagraph(paragraphs.last());
        if (joins) {
            paragraphs.last().Text += read.Depth == 0 ? line : read.Text;
            paragraphs.last().Typed += read.Depth == 0 ? line : read.Text;
        } else
            paragraphs.append(std::move(read));
        continuing = ContinuesOnNextLine(joins ? line : paragraphs.last().Text);
        if (!continuing)
            EndParagraph(paragraphs.last());
    }
    if (continuing)
        EndParagraph(paragraphs.last());
    return paragraphs;
}

QByteArray Stuffed(int depth, const QByteArray &piece)
{
    if (depth > 0)
        return QByteArray(depth, '>') + (piece.isEmpty() ? QByteArray() : ' ' + piece);
    const bool stuff = piece.startsWith(' ') || piece.startsWith('>') || piece.startsWith("From ");
    return stuff ? ' ' + piece : piece;
}

void AppendFlowed(const Paragraph &paragraph, QList<QByteArray> &out)
{
    const int marks = paragraph.Depth > 0 ? paragraph.Depth + 1 : 0;
    const QByteArray &text = paragraph.Text;
    qsizetype from = 0;
    while (!FitsIn(text, from, TVrxFlowed::kLineColumns - marks)) {
        const qsizetype cut = BreakAfter(text, from, std::max(TVrxFlowed::kBreakColumn - marks, 20));
        if (cut < 0)
            break;
        out.append(Stuffed(paragraph.Depth, text.mid(from, cut + 1 - from)));
        from = cut + 1;
    }
    out.append(Stuffed(paragraph.Depth, text.mid(from)));
}

} // namespace

QList<QByteArray> TVrxFlowed::TypedLines(const QList<QByteArray> &stored)
{
    QList<QByteArray> typed;
    for (const Paragraph &paragraph : Paragraphs(stored))
        typed.append(paragraph.Typed);
    return typed;
}

QByteArray TVrxFlowed::HardLineEnd(QByteArray line)
{
    if (IsSeparator(ReadQuote(line).Text))
        return line;
    while (line.endsWith(' '))
        line.chop(1);
    return line;
}

QList<QByteArray> TVrxFlowed::Encode(const QList<QByteArray> &lines)
{
    QList<QByteArray> out;
    for (const Paragraph &paragraph : Paragraphs(lines))
        AppendFlowed(paragraph, out);
    return out;
}
