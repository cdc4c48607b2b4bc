// What the corpus cannot show: text in a charset nobody knows, unlabelled text, garbage, and
// the blank line a header block forgot.
#include "mime/HeaderBlock.h"
#include "mime/NestingGuard.h"
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

namespace {

// 30,000 nested address groups (90 KB) once took the whole stack while the message was built.
QByteArray deepGroups(int levels)
{
    return QByteArray("g:").repeated(levels) + "a@b.c" + QByteArray(";").repeated(levels);
}

QByteArray deepMultipart(int levels)
{
    QByteArray mail = "Subject: deep\r\n";
    for (int level = 0; level < levels; ++level)
        mail += "Content-Type: multipart/mixed; boundary=\"b" + QByteArray::number(level) + "\"\r\n\r\n--b"
            + QByteArray::number(level) + "\r\n";
    mail += "Content-Type: text/plain\r\n\r\ninnermost\r\n";
    for (int level = levels - 1; level >= 0; --level)
        mail += "--b" + QByteArray::number(level) + "--\r\n";
    return mail;
}

} // namespace

TEST(NestingGuard, OnlyGroupsAndCommentsCountAsNesting)
{
    const struct
    {
        QByteArray value;
        int depth;
    } cases[] = {
        {"a@b.c, Ann <ann@b.c>", 0},
        {"team: a@b.c, c@d.e; other: ;", 1},
        {"\"Re: x: y:\" <a@b.c>", 0}, // quoted
        {"<@relay1,@relay2:a@b.c>", 0}, // source route
        {"a@b.c (one (two (three)))", 3},
        {"\"\\\" g:\" a@b.c", 0}, // escaped quote inside quotes
        {deepGroups(30000), 30000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AddressNesting(c.value), c.depth) << c.value.left(60).constData();
}

TEST(MimeReader, NestingPastTheLimitIsKeptAsDataNotRead)
{
    const cDecodedMail groups = cMimeReader::Read("From: x@y.z\r\nTo: " + deepGroups(30000) + "\r\nSubject: deep\r\n\r\nhi\r\n");
    EXPECT_TRUE(groups.to.startsWith(QStringLiteral("g:g:g:"))) << qPrintable(groups.to.left(40));
    EXPECT_EQ(groups.subject, QStringLiteral("deep"));
    EXPECT_EQ(groups.fromAddress, QStringLiteral("x@y.z"));

    const QByteArray inner = "Cc: " + deepGroups(30000) + "\r\nSubject: inner\r\n\r\nhi\r\n";
    const cDecodedMail attached = cMimeReader::Read("Subject: outer\r\nContent-Type: multipart/mixed; boundary=o\r\n\r\n"
                                                    "--o\r\nContent-Type: text/plain\r\n\r\nsee\r\n--o\r\n"
                                                    "Content-Type: message/rfc822\r\n\r\n" + inner + "--o--\r\n");
    ASSERT_EQ(attached.attachments.size(), 1);
    EXPECT_TRUE(attached.attachments[0].data.contains(deepGroups(30000)));

    const cDecodedMail comments =
        cMimeReader::Read("From: x@y.z " + QByteArray("(").repeated(5000) + QByteArray(")").repeated(5000) + "\r\n\r\nhi\r\n");
    EXPECT_TRUE(comments.from.startsWith(QStringLiteral("x@y.z ((("))) << qPrintable(comments.from.left(40));
}

TEST(MimeReader, PartsNestedPastTheLimitAreSavedTogetherAsTheyCame)
{
    const cDecodedMail shallow = cMimeReader::Read(deepMultipart(kMaxNesting));
    EXPECT_EQ(shallow.text, QStringLiteral("innermost"));
    EXPECT_TRUE(shallow.attachments.isEmpty());

    const cDecodedMail deep = cMimeReader::Read(deepMultipart(3000));
    ASSERT_EQ(deep.attachments.size(), 1);
    EXPECT_EQ(deep.attachments[0].mimeType, "message/rfc822");
    EXPECT_TRUE(deep.attachments[0].data.contains("innermost"));
}
