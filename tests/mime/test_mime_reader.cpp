// What the corpus cannot show: text in a charset nobody knows, unlabelled text, garbage, and
// the blank line a header block forgot.
#include "mime/HeaderBlock.h"
#include "mime/cMimeReader.h"

#include <gtest/gtest.h>

TEST(MimeReader, TextInAnUnknownCharsetIsShownAsItsBytesAndNamed)
{
    const cDecodedMail mail = cMimeReader::Read("Subject: x\r\nContent-Type: text/plain; charset=x-martian\r\n\r\n"
                                                "caf\xe9\r\n");
    EXPECT_EQ(mail.unknownCharset, "x-martian");
    EXPECT_EQ(mail.text, QStringLiteral("caf\u00e9\r\n"));
}

TEST(MimeReader, UnlabelledTextIsReadAsUtf8WhenItIsAndLatin1Otherwise)
{
    EXPECT_EQ(cMimeReader::Read("Subject: x\n\ncaf\xc3\xa9\n").text, QStringLiteral("caf\u00e9\n"));
    EXPECT_EQ(cMimeReader::Read("Subject: x\n\ncaf\xe9\n").text, QStringLiteral("caf\u00e9\n"));
}

TEST(MimeReader, NothingButGarbageStillComesBackAsText)
{
    const QByteArray garbage("\x00\xff\x01 not mail at all", 20);
    const cDecodedMail mail = cMimeReader::Read(garbage);
    EXPECT_FALSE(mail.text.isEmpty());
}

TEST(HeaderBlock, TheMissingBlankLineIsPutBackBeforeTheFirstLineThatIsNoField)
{
    const struct
    {
        QByteArray raw;
        QByteArray expected;
    } cases[] = {
        {"A: 1\r\nB: 2\r\n\r\nbody\r\n", "A: 1\r\nB: 2\r\n\r\nbody\r\n"},     // intact
        {"A: 1\r\nB: 2\r\nbody text\r\n", "A: 1\r\nB: 2\r\n\r\nbody text\r\n"}, // CR LF kept
        {"A: 1\nNote: looks like a field\n", "A: 1\nNote: looks like a field\n"},
        {"A: 1\nsome text, no colon\n", "A: 1\n\nsome text, no colon\n"},
        {"A: 1\n folded\nnot a field\n", "A: 1\n folded\n\nnot a field\n"},
        {"From someone Tue Dec  8\nA: 1\n\nx\n", "From someone Tue Dec  8\nA: 1\n\nx\n"}, // mbox line
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WithHeaderEnd(c.raw), c.expected) << c.raw.constData();
}
