// SPDX-License-Identifier: GPL-3.0-or-later
// Text as the composer stores it, sent as format=flowed and read back by our own reader: the
// reader sees the paragraphs the writer meant, whatever the editor's width and the transport.
#include "mailproto/TVrxMessageBuilder.h"
#include "mime/cMimeReader.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString ReadBack(const QList<QByteArray> &stored, bool eightBit)
{
    TVrxMsg msg;
    msg.From = "alice@example.org";
    msg.SendTo = "bob@example.org";
    msg.Text = stored;
    TVrxMessageBuilder builder{"smtp.example.org", "Ravelin 2", "workstation", {}};
    builder.EightBit = eightBit;
    const QByteArray wire = builder.BuildMessageLines(msg).join("\r\n") + "\r\n";
    return cMimeReader::Read(wire).text;
}

QList<QByteArray> EditorWrapped(const QByteArray &paragraph, qsizetype width)
{
    QList<QByteArray> lines;
    for (qsizetype from = 0; from < paragraph.size();) {
        qsizetype end = paragraph.lastIndexOf(' ', from + width);
        end = end < from ? paragraph.size() - 1 : end;
        lines.append(paragraph.mid(from, end + 1 - from));
        from = end + 1;
    }
    return lines;
}

} // namespace

TEST(FlowedRoundTrip, TheReaderSeesTheWrittenParagraphs)
{
    const QByteArray paragraph = "Flowed text lets a reader wrap paragraphs to the width of the window while "
                                 "quoted text and signatures keep their shape; this sentence is long enough to "
                                 "need several mail lines, and ends here.";
    const QByteArray umlauts = "Gr\xc3\xbc\xc3\x9f" "e aus K\xc3\xb6ln, " + paragraph;
    const struct
    {
        const char *name;
        QList<QByteArray> stored;
        QStringList shown;
    } cases[] = {
        {"a paragraph wrapped by a narrow editor", EditorWrapped(paragraph, 30), {QString::fromLatin1(paragraph)}},
        {"a paragraph wrapped by a wide editor", EditorWrapped(paragraph, 140), {QString::fromLatin1(paragraph)}},
        {"non-ASCII text", {umlauts}, {QString::fromUtf8(umlauts)}},
        {"quoted paragraphs keep their levels",
         {"> " + paragraph, ">> " + paragraph, "", "My answer"},
         {u"> "_s + QString::fromLatin1(paragraph), u">> "_s + QString::fromLatin1(paragraph), {}, u"My answer"_s}},
        {"stuffed lines read as typed", {" indented", "From the start", "-- ", "Ann"},
         {u" indented"_s, u"From the start"_s, u"-- "_s, u"Ann"_s}},
    };
    for (const auto &c : cases)
        for (const bool eightBit : {true, false})
            EXPECT_EQ(ReadBack(c.stored, eightBit).toStdString(), (c.shown.join(u"\r\n"_s) + u"\r\n"_s).toStdString()) << c.name << " 8bit " << eightBit;
}
