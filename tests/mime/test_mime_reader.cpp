// SPDX-License-Identifier: GPL-3.0-or-later
// What the corpus cannot show: text in a charset nobody knows, unlabelled text, garbage, and
// the blank line a header block forgot.
#include "mime/HeaderBlock.h"
#include "mime/NestingGuard.h"
#include "mime/PartNesting.h"
#include "mime/cBase64Decoder.h"
#include "mime/cMimeReader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MimeReader, TextInAnUnknownCharsetIsShownAsItsBytesAndNamed)
{
    const cDecodedMail mail = cMimeReader::Read("Subject: x\r\nContent-Type: text/plain; charset=x-martian\r\n\r\n"
                                                "caf\xe9\r\n");
    EXPECT_EQ(mail.unknownCharset, "x-martian");
    EXPECT_EQ(mail.text, QStringLiteral("caf\u00e9\r\n"));
}

TEST(MimeReader, UnlabelledTextIsReadAsUtf8WhenItIsAndWindows1252Otherwise)
{
    EXPECT_EQ(cMimeReader::Read("Subject: x\n\ncaf\xc3\xa9\n").text, QStringLiteral("caf\u00e9\n"));
    EXPECT_EQ(cMimeReader::Read("Subject: x\n\ncaf\xe9 \x80 \x93q\x94\n").text, QStringLiteral("caf\u00e9 \u20ac \u201cq\u201d\n"));
}

TEST(MimeReader, NothingButGarbageStillComesBackAsText)
{
    const QByteArray garbage("\x00\xff\x01 not mail at all", 20);
    const cDecodedMail mail = cMimeReader::Read(garbage);
    EXPECT_FALSE(mail.text.isEmpty());
}

TEST(MimeReader, HeaderFieldsAreDecodedWholeFromTheirFirstOccurrence)
{
    const struct
    {
        QByteArray header;
        QString subject;
    } cases[] = {
        // Ravelin's own sender writes padded words in a row.
        {"Subject: =?UTF-8?B?Q2Fmw6k=?= =?UTF-8?B?IGF1?= =?UTF-8?Q?_lait?= end", QStringLiteral("Caf\u00e9 au lait end")},
        {"Subject: =?UTF-8?B?Q2Fmw6k?=", QStringLiteral("Caf\u00e9")}, // unpadded
        {"Subject: first\r\nSubject: second", QStringLiteral("first")},
        {"Subject: caf\xe9 \x93q\x94 \x80", QStringLiteral("caf\u00e9 \u201cq\u201d \u20ac")}, // undeclared 8-bit
    };
    for (const auto &c : cases)
        EXPECT_EQ(cMimeReader::Read(c.header + "\r\n\r\nx\r\n").subject, c.subject) << c.header.constData();
}

TEST(MimeReader, TheReplyAddressIsTheFirstOfReplyToElseTheSender)
{
    const cDecodedMail replyTo = cMimeReader::Read("From: =?UTF-8?B?UmVuw6k=?= =?UTF-8?B?ZQ==?= <r@x.org>\r\n"
                                                   "From: other@x.org\r\n"
                                                   "Reply-To: \"Desk, Help\" <help@x.org>, b@x.org\r\n\r\nx\r\n");
    EXPECT_EQ(replyTo.fromName, QStringLiteral("Ren\u00e9e"));
    EXPECT_EQ(replyTo.fromAddress, QStringLiteral("r@x.org"));
    EXPECT_EQ(replyTo.replyAddress, QStringLiteral("help@x.org"));
    EXPECT_EQ(cMimeReader::Read("From: a@x.org\r\n\r\nx\r\n").replyAddress, QStringLiteral("a@x.org"));
}

TEST(MimeReader, PartsKeepTheirBytesAndNames)
{
    // Other readers write an attached message anew; its own bytes are what was sent.
    const QByteArray attached = "From:   b@x.org\r\nSubject: inner\r\nX-Folded: one,\r\n  two  \r\nX-Tab:\tx\r\n\r\ninner text\r\n";
    const cDecodedMail mail = cMimeReader::Read(
        "Subject: outer\r\nContent-Type: multipart/mixed; boundary=o\r\n\r\n--o\r\n"
        "Content-Type: multipart/alternative; boundary=a\r\n\r\n--a\r\nContent-Type: text/plain\r\n\r\nplain\r\n"
        "--a\r\nContent-Type: text/html\r\n\r\n<p>html</p>\r\n--a--\r\n"
        "--o\r\nContent-Type: application/octet-stream; name=\"=?UTF-8?B?w7xiZXI=?=.bin\"\r\n"
        "Content-Transfer-Encoding: base64\r\n\r\nQUJDRA\r\n"
        "--o\r\nContent-Type: text/plain\r\nContent-Disposition: attachment; filename*0*=iso-8859-1''r%E9sum; "
        "filename*1=\"e.txt\"\r\n\r\ncv\r\n"
        "--o\r\nContent-Type: message/rfc822\r\n\r\n" + attached + "--o--\r\n");
    EXPECT_EQ(mail.subject, QStringLiteral("outer"));
    EXPECT_EQ(mail.text, QStringLiteral("plain"));
    const struct
    {
        QString name;
        QByteArray data;
    } expected[] = {
        {QString(), "<p>html</p>"},
        {QStringLiteral("\u00fcber.bin"), "ABCD"},
        {QStringLiteral("r\u00e9sume.txt"), "cv"},
        {QString(), attached.chopped(2)},
    };
    ASSERT_EQ(mail.attachments.size(), std::size(expected));
    for (size_t index = 0; index < std::size(expected); ++index) {
        EXPECT_EQ(mail.attachments[index].fileName, expected[index].name) << index;
        EXPECT_EQ(mail.attachments[index].data, expected[index].data) << index;
    }
}

TEST(Base64Decoder, PiecesSplitAnywhereDecodeAsTheWhole)
{
    const struct
    {
        QByteArray encoded;
        QByteArray decoded;
    } cases[] = {
        {"QUJD\r\nREVG", "ABCDEF"},
        {"QUJDRA", "ABCD"},          // a last group without padding keeps its bytes
        {"QUI=QUI=", "ABAB"},        // runs joined, each padded
        {"QU*J!D\tRA==", "ABCD"},   // what is not base64 is skipped
        {"QUJDRA=", "ABCD"},
    };
    for (const auto &[encoded, decoded] : cases)
        for (qsizetype split = 0; split <= encoded.size(); ++split) {
            cBase64Decoder decoder;
            QByteArray out;
            decoder.Decode(QByteArrayView(encoded).first(split), out);
            decoder.Decode(QByteArrayView(encoded).sliced(split), out);
            EXPECT_EQ(out, decoded) << encoded.constData() << " split at " << split;
        }
}

// Large parts go to their files as they are read; what cannot be written says why.
TEST(MimeReader, LargePartsAreDecodedIntoTheirFiles)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QByteArray big(300 * 1024, 'z');
    const QByteArray mail = "Subject: x\r\nContent-Type: multipart/mixed; boundary=o\r\n\r\n"
                            "--o\r\nContent-Type: text/plain\r\n\r\ntext\r\n"
                            "--o\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        + big.toBase64().chopped(1) + "\r\n" // its last group unpadded
        + "--o\r\nContent-Type: text/plain; name=q.txt\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n"
        + QByteArray(300 * 1024, '=').replace("=", "=3D") + "\r\n--o\r\nContent-Type: image/png\r\n\r\nsmall\r\n--o--\r\n";
    const struct
    {
        QIODevice::OpenMode mode;
        bool written;
    } cases[] = {{QIODevice::WriteOnly, true}, {QIODevice::ReadOnly, false}};
    for (const auto &[mode, written] : cases) {
        cReadOptions options;
        int made = 0;
        options.partFile = [&, mode = mode] {
            auto file = std::make_unique<QFile>(scratch.filePath(QString::number(++made)));
            return file->open(QIODevice::WriteOnly) && (file->close(), file->open(mode)) ? std::move(file) : nullptr;
        };
        const cDecodedMail read = cMimeReader::Read(mail, options);
        ASSERT_EQ(read.attachments.size(), 3);
        for (qsizetype index : {0, 1}) {
            const cDecodedPart &part = read.attachments[index];
            EXPECT_TRUE(part.data.isEmpty());
            EXPECT_EQ(part.fileError.isEmpty(), written) << index;
            if (written) {
                QFile file(part.file);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                EXPECT_EQ(file.readAll(), index == 0 ? big.chopped(1) : QByteArray(300 * 1024, '='));
            }
        }
        EXPECT_EQ(read.attachments[2].data, "small");
        EXPECT_TRUE(read.attachments[2].file.isEmpty());
    }
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
        mail += "Content-Type: multipart/mixed;\r\n boundary=\"b" + QByteArray::number(level) + "\"\r\n\r\n--b"
            + QByteArray::number(level) + "\r\n";
    mail += "Content-Type: text/plain\r\n\r\ninnermost\r\n";
    for (int level = levels - 1; level >= 0; --level)
        mail += "--b" + QByteArray::number(level) + "--\r\n";
    return mail;
}

// levels parts, each declared by the header its level is given, the innermost plain text.
QByteArray nested(int levels, QByteArray (*header)(int level))
{
    QByteArray mail;
    for (int level = 0; level < levels; ++level)
        mail += header(level);
    return mail + "Content-Type: text/plain\r\n\r\ninnermost\r\n";
}

} // namespace

TEST(NestingGuard, EveryWayToDeclareANestedPartCounts)
{
    const struct
    {
        const char *shape;
        QByteArray (*header)(int level);
    } cases[] = {
        {"quoted boundary, white space after the delimiter",
            [](int level) {
                const QByteArray b = "b" + QByteArray::number(level);
                return "Content-Type: multipart/mixed; boundary=\"" + b + "\"\r\n\r\n--" + b + " \t\r\n";
            }},
        {"boundary in sections",
            [](int level) {
                const QByteArray b = "b" + QByteArray::number(level);
                return "Content-Type: multipart/mixed; boundary*0*=us-ascii''x%2D; boundary*1=" + b + "\n\n--x-" + b
                    + "\n";
            }},
        {"attached messages", [](int) { return QByteArray("Content-Type: message/rfc822\r\n\r\n"); }},
        {"Content-Type given twice",
            [](int level) {
                const QByteArray b = "b" + QByteArray::number(level);
                return "Content-Type: text/plain\r\ncontent-type : multipart/mixed;\r\n\tboundary=" + b + "\r\n\r\n--"
                    + b + "\r\n";
            }},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(DeepContentTypes(nested(kMaxNesting, c.header)).isEmpty()) << c.shape;
        const QByteArray deep = nested(kMaxNesting + 2, c.header);
        const QList<qsizetype> hidden = DeepContentTypes(deep);
        ASSERT_FALSE(hidden.isEmpty()) << c.shape;
        QByteArray outer;
        for (int level = 0; level < kMaxNesting; ++level)
            outer += c.header(level);
        EXPECT_EQ(hidden.constFirst(), outer.size()) << c.shape;
        EXPECT_EQ(RawOffset(WithFieldsHidden(deep, hidden).indexOf("innermost"), hidden), deep.indexOf("innermost"));
    }
}

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

    // 30,000 levels once took seconds: the library searched every boundary around each line.
    for (const int levels : {kMaxNesting + 1, 30000}) {
        const QByteArray raw = deepMultipart(levels);
        const cDecodedMail deep = cMimeReader::Read(raw);
        ASSERT_EQ(deep.attachments.size(), 1) << levels;
        EXPECT_EQ(deep.attachments[0].mimeType, "message/rfc822");
        const qsizetype from = raw.indexOf("Content-Type: multipart/mixed;\r\n boundary=\"b100\"");
        EXPECT_TRUE(deep.attachments[0].data == raw.mid(from, raw.indexOf("\r\n--b99--") - from)) << levels;
        EXPECT_TRUE(deep.text.isEmpty());
    }
}

TEST(MimeReader, FlowedTextIsShownReflowed)
{
    const struct
    {
        const char *name;
        QByteArray parameters;
        QByteArray body;
        QString shown;
    } cases[] = {
        {"soft breaks join", "; format=flowed", "The quick \r\nbrown fox\r\n\r\nNext\r\n",
         QStringLiteral("The quick brown fox\r\n\r\nNext\r\n")},
        {"delsp drops the space", "; format=flowed; delsp=yes", "Lang\r\nwort \r\nende\r\n",
         QStringLiteral("Lang\r\nwortende\r\n")},
        {"quote levels stay apart", "; format=\"Flowed\"", "> a \r\n> b\r\n>> c \r\nd\r\n",
         QStringLiteral("> a b\r\n>> c \r\nd\r\n")},
        {"stuffing is removed", "; format=flowed", " From here\r\n  two\r\n",
         QStringLiteral("From here\r\n two\r\n")},
        {"the signature separator ends its line", "; format=flowed", "Bye \r\n-- \r\nAnn\r\n",
         QStringLiteral("Bye \r\n-- \r\nAnn\r\n")},
        {"fixed text is left alone", "", "The quick \r\nbrown fox\r\n", QStringLiteral("The quick \r\nbrown fox\r\n")},
    };
    for (const auto &c : cases) {
        const QByteArray raw = "Content-Type: text/plain; charset=utf-8" + c.parameters + "\r\n\r\n" + c.body;
        cReadOptions utf8;
        utf8.utf8Text = true;
        for (const cReadOptions &options : {cReadOptions{}, utf8}) {
            const cDecodedMail mail = cMimeReader::Read(raw, options);
            EXPECT_EQ(mail.textUtf8.isEmpty() ? mail.text : QString::fromUtf8(mail.textUtf8), c.shown) << c.name;
        }
    }
}
