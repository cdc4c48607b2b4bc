// SPDX-License-Identifier: GPL-3.0-or-later
// The attachment codecs: line layout and padding of the encoder, the decoders' handling of
// groups across lines and of bad input, and the progress sequences.
#include "TestSupport.h"

#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxUU.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Recorder
{
    QList<quint16> percents;
    QStringList starts;
    int ends = 0;

    TVrxCodecEvents Events()
    {
        TVrxCodecEvents events;
        events.Start = [this](const QString &name, qint64 count) { starts.append(u"%1 %2"_s.arg(name).arg(count)); };
        events.Progress = [this](quint16 percent) { percents.append(percent); };
        events.End = [this] { ++ends; };
        return events;
    }
};

TAttachedFile Encoded(const QByteArray &content, Recorder &recorder)
{
    TAttachedFile item;
    item.FileName = "data.bin";
    item.PathName = ScratchFile(u"data.bin"_s, content);
    TVrxBase64::EncodeFile(item, recorder.Events());
    return item;
}

QByteArray Base64Decoded(const QList<QByteArray> &lines)
{
    TAttachedFile item;
    item.Lines = lines;
    TVrxBase64::DecodeLines(item, {});
    EXPECT_TRUE(item.Lines.isEmpty());
    return item.Stream.value_or("<no stream>");
}

QByteArray UUDecoded(const QList<QByteArray> &lines, Recorder &recorder)
{
    TAttachedFile item;
    item.Lines = lines;
    EXPECT_TRUE(TVrxUU::DecodeLines(item, recorder.Events()));
    return *item.Stream;
}

} // namespace

TEST(Base64Encoder, LinesAre76CharactersWithPaddingOnlyAtTheEnd)
{
    // The largest sizes span several reads of the file.
    for (const qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(2), qsizetype(57), qsizetype(58), qsizetype(2280),
                                 qsizetype(2281), qsizetype(100000), 2 * TVrxBase64::ReadBytes + 5}) {
        Recorder recorder;
        const QByteArray content = RandomBytes(size);
        const TAttachedFile item = Encoded(content, recorder);
        EXPECT_EQ(item.Lines.join(), content.toBase64()) << size;
        EXPECT_EQ(item.Lines.size(), (size + 56) / 57) << size;
        for (qsizetype i = 0; i + 1 < item.Lines.size(); ++i)
            ASSERT_EQ(item.Lines.at(i).size(), 76);
        EXPECT_EQ(recorder.starts, QStringList(u"data.bin %1"_s.arg(size)));
        EXPECT_EQ(recorder.percents.last(), 100);
        EXPECT_TRUE(std::is_sorted(recorder.percents.begin(), recorder.percents.end())) << size;
        EXPECT_GE(recorder.percents.size(), size >= 2280 ? 10 : 1) << size;
        EXPECT_EQ(recorder.ends, 1);
    }
    Recorder recorder;
    EXPECT_EQ(Encoded("ab", recorder).Lines, QList<QByteArray>{"YWI="});
    EXPECT_EQ(Encoded(RandomBytes(58), recorder).Lines.last(), RandomBytes(58).right(1).toBase64());
}

TEST(Base64Encoder, OneBlockReportsEveryTenPercent)
{
    Recorder recorder;
    Encoded(RandomBytes(2280), recorder);
    EXPECT_EQ(recorder.percents, QList<quint16>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(Base64Encoder, UnreadableFileThrowsBeforeAnyEvent)
{
    Recorder recorder;
    TAttachedFile item;
    item.PathName = u"/nonexistent/report.pdf"_s;
    EXPECT_TRUE(ThrownText([&] { TVrxBase64::EncodeFile(item, recorder.Events()); }).contains(u"/nonexistent/report.pdf"_s));
    EXPECT_TRUE(recorder.starts.isEmpty());
}

TEST(Base64Decoder, GroupsSpanLinesAndPaddingCutsTheLastGroup)
{
    EXPECT_EQ(Base64Decoded({"QUJD"}), "ABC");
    EXPECT_EQ(Base64Decoded({"QUI="}), "AB");
    EXPECT_EQ(Base64Decoded({"QQ=="}), "A");
    EXPECT_EQ(Base64Decoded({"QU", "JD"}), "ABC");
    EXPECT_EQ(Base64Decoded({"QU", "JDQUI=", ""}), "ABCAB");
    const QByteArray data = RandomBytes(5000);
    EXPECT_EQ(Base64Decoded(data.toBase64().split('\n')), data);
}

// RFC 2045 section 6.8: characters outside the alphabet are ignored, so a blank at the end of
// a line shifts nothing; a last group without padding still holds its bytes.
TEST(Base64Decoder, ForeignCharactersAreSkippedAndShortGroupsKeepTheirBytes)
{
    const QByteArray data = RandomBytes(4000, 3);
    QList<QByteArray> noisy;
    for (const QByteArray &line : data.toBase64().split('='))
        if (!line.isEmpty())
            noisy.append(" " + line.left(30) + "\t*\x80" + line.mid(30) + " \r");
    EXPECT_EQ(Base64Decoded(noisy), data);
    EXPECT_EQ(Base64Decoded({"Q*U J\tD"}), "ABC");
    EXPECT_EQ(Base64Decoded({"QUJ"}), "AB");
    EXPECT_EQ(Base64Decoded({"QQ"}), "A");
    EXPECT_EQ(Base64Decoded({"Q"}), "");
    EXPECT_EQ(Base64Decoded({"QQ==QUI=", "QUJD"}), "AABABC");
    EXPECT_EQ(Base64Decoded({"====", "\xff\x80\x01\x7f"}), "");
    for (const qsizetype size : {1, 2, 3, 58, 59, 1000}) {
        QByteArray unpadded = RandomBytes(size, 5).toBase64();
        unpadded.replace('=', QByteArray());
        EXPECT_EQ(Base64Decoded(TVrxBase64::SplitLines(unpadded)), RandomBytes(size, 5)) << size;
    }
}

TEST(Base64Decoder, TextWithLineBreaksDecodesLikeItsLines)
{
    const QByteArray data = RandomBytes(300000, 9);
    const QByteArray text = "\r\n" + TVrxBase64::SplitLines(data.toBase64()).join(" \r\n") + "\r\n\r\n";
    Recorder recorder;
    TAttachedFile item;
    item.FileName = "big.bin";
    TVrxBase64::DecodeText(item, text, recorder.Events());
    EXPECT_EQ(item.Stream, data);
    EXPECT_EQ(recorder.starts, QStringList(u"big.bin %1"_s.arg(text.count('\n'))));
    EXPECT_TRUE(std::is_sorted(recorder.percents.begin(), recorder.percents.end()));
    EXPECT_EQ(recorder.percents.last(), 100);
    EXPECT_EQ(recorder.ends, 1);
}

TEST(UUDecoder, DecodesUntilEndOrGraveAccent)
{
    Recorder recorder;
    EXPECT_EQ(UUDecoded({"begin 644 cat.txt", "#0V%T", "`", "#0V%T"}, recorder), "Cat");
    EXPECT_EQ(UUDecoded({"begin 644 cat.txt", "#0V%T", "#0V%T", "end", "#0V%T"}, recorder), "CatCat");
    EXPECT_EQ(UUDecoded({"begin 644 cat.txt", "#0V%T"}, recorder), "Cat");
    EXPECT_EQ(UUDecoded({"begin 644 x", "M" + QByteArray(60, '!')}, recorder), QByteArray("\x04\x10\x41").repeated(15));
    EXPECT_EQ(UUDecoded({"begin 644 short", "M0V%T"}, recorder), "Cat");
    EXPECT_EQ(UUDecoded({"begin only"}, recorder), "");
}

TEST(UUDecoder, ForeignCharacterFailsAfterKeepingTheBytesSoFar)
{
    Recorder recorder;
    TAttachedFile item;
    item.Lines = {"begin 644 cat.txt", "#0V%T", "#0v%T", "#0V%T"};
    EXPECT_FALSE(TVrxUU::DecodeLines(item, recorder.Events()));
    EXPECT_EQ(item.Stream, QByteArray("Cat"));
    EXPECT_TRUE(item.Lines.isEmpty());
    EXPECT_EQ(recorder.percents.last(), 100);
    EXPECT_EQ(recorder.ends, 1);
}

// Only a dot that begins a line was added by the server; a line of one dot stays as it is.
TEST(Lines, UnstuffingTakesTheDotOffLinesThatBeganWithOne)
{
    const struct
    {
        QByteArray reply;
        QByteArray message;
    } cases[] = {
        {"no dots\r\n", "no dots\r\n"},
        {"end. of line\r\nmid.dle\r\n", "end. of line\r\nmid.dle\r\n"},
        {"..first\r\n", ".first\r\n"},
        {"a\r\n..b\r\n...c\r\n", "a\r\n.b\r\n..c\r\n"},
        {"a\n..b\n", "a\n.b\n"},
        {"a\r\n.\r\nb\r\n", "a\r\n.\r\nb\r\n"},
        {"a\r\n..", "a\r\n."},
    };
    for (const auto &[reply, message] : cases)
        EXPECT_EQ(TVrxLines::UnstuffedMessage(reply), message) << reply.constData();
    for (const auto &[reply, message] : cases) {
        const qsizetype dot = reply.indexOf("\n.");
        const qsizetype expected = reply.startsWith('.') ? 0 : dot < 0 ? -1 : dot + 1;
        EXPECT_EQ(TVrxLines::DotLineAt(reply), expected) << reply.constData();
    }
}
