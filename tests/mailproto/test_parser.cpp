// The incoming parser on whole messages: header fields and their continuation lines, the
// three body layouts, attachment names, and malformed input that must end cleanly; a small
// corpus of messages built the way real senders build them; MIME field values.
#include "TestSupport.h"
#include "mailproto/EVrxFormatError.h"
#include "mailproto/TVrxMessageParser.h"
#include "mailproto/TVrxMimeHeader.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<TVrxMsg> Parsed(const QByteArray &message)
{
    TVrxMessageParser parser;
    parser.FormatError = u"Error in message format"_s;
    return parser.Parse(message);
}

using Files = QList<std::pair<QByteArray, QByteArray>>;

// Each attachment's name and decoded bytes.
Files AttachmentsOf(const TVrxMsg &msg)
{
    Files files;
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i)
        files.append({msg.AttachedFiles.Items(i).FileName, msg.AttachedFiles.Items(i).Stream.value_or("<no stream>")});
    return files;
}

QByteArray Multipart(const QByteArray &parts)
{
    return "From: a@x.org\r\nSubject: Report: Q1/Q2\r\nContent-Type: multipart/mixed;\r\n"
           " boundary=\"XYZ\"\r\n\r\npreamble\r\n--XYZ\r\n"
           + parts;
}

} // namespace

TEST(Parser, HeaderFieldsWithContinuationLines)
{
    const auto msg = Parsed("From: \"Alice\"\n <alice@x.org>\nTo: bob@x.org,\n\tcarol@x.org\nReply-To: r@x.org\n"
                            "cc: d@x.org\nSubject:  Hello there \nDate: Mon, 5 Jan 2004 09:05:07 +0100\n"
                            "Message-ID: <id@x>\nContent-Type: text/plain; charset=utf-8\n\nbody\n");
    EXPECT_EQ(msg->From, "\"Alice\" <alice@x.org>");
    EXPECT_EQ(msg->SendTo, "bob@x.org,\tcarol@x.org");
    EXPECT_EQ(msg->ReplyTo, "r@x.org");
    EXPECT_EQ(msg->CC, "d@x.org");
    EXPECT_EQ(msg->Subject, "Hello there");
    EXPECT_EQ(msg->Date, "Mon, 5 Jan 2004 09:05:07 +0100");
    EXPECT_EQ(msg->MessageId, "<id@x>");
    EXPECT_EQ(msg->ContentType, "TEXT/PLAIN");
    EXPECT_EQ(msg->HeaderLines.size(), 11);
    EXPECT_EQ(msg->Text, QList<QByteArray>{"body"});
    EXPECT_EQ(msg->Priority, TPriority::prNormal);
}

TEST(Parser, MessageWithoutEmptyLineIsAllBody)
{
    const auto msg = Parsed("From someone\r\nno header end");
    EXPECT_TRUE(msg->HeaderLines.isEmpty());
    EXPECT_EQ(msg->Text.size(), 2);
}

TEST(Parser, PlainTextKeepsItsEndLineAndYieldsUUBlocks)
{
    const auto msg = Parsed("Subject: files\r\n\r\nSee attached.\r\nbegin 644 cat.txt\r\n#0V%T\r\n\r\n`\r\nend\r\n"
                            "between\r\nbegin 600 two.txt\r\n#0V%T\r\nend\r\n");
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"cat.txt", "Cat"}, {"two.txt", "Cat"}}));
    EXPECT_EQ(msg->Text, QList<QByteArray>({"See attached.", "end", "between", "end"}));
}

TEST(Parser, BadUUCharacterIsAFormatError)
{
    EXPECT_EQ(ThrownText([] { Parsed("Subject: x\r\n\r\nbegin 644 a.txt\r\n#0v%T\r\nend\r\n"); }),
              u"Error in message format"_s);
}

TEST(Parser, SingleAttachmentBodyIsOneFile)
{
    const auto msg = Parsed("Subject: scan\r\nContent-Type: application/pdf\r\nContent-Transfer-Encoding: base64\r\n"
                            "Content-Disposition: attachment; filename=\"a/b:c.pdf\"\r\n\r\n\r\n  \r\nQUJD\r\nQUJD\r\n");
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"abc.pdf", "ABCABC"}}));
    EXPECT_TRUE(msg->Text.isEmpty());
}

TEST(Parser, SingleAttachmentWithoutNameOrLinesTakesTheSubject)
{
    const auto msg = Parsed("Subject: ???\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n\r\n");
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"_Cosa_", ""}}));
}

TEST(Parser, MultipartTextHtmlAlternativeAndAttachments)
{
    const auto msg = Parsed(Multipart("Content-Type: text/plain\r\n\r\nHello\r\n..dotted\r\n--XYZ\r\n"
                                      "Content-Type: text/html\r\n\r\n<p>Hello</p>\r\n\r\n--XYZ\r\n"
                                      "Content-Type: application/octet-stream; name=\"data.bin\"\r\n"
                                      "Content-Transfer-Encoding: base64\r\n\r\nQUJD\r\n\r\nQUI=\r\n--XYZ\r\n"
                                      "Content-Disposition: attachment; filename=notes.txt; size=3\r\n\r\nabc\r\n\r\n"
                                      "--XYZ--\r\nepilogue\r\n"));
    EXPECT_EQ(msg->Text, QList<QByteArray>({"Hello", "..dotted"}));
    EXPECT_EQ(AttachmentsOf(*msg),
              Files({{"Report Q1Q2.html", "<p>Hello</p>\r\n"}, {"data.bin", "ABCAB"}, {"notes.txt", "abc\r\n"}}));
}

TEST(Parser, MultipartWithoutBoundaryOrDelimiterIsAFormatError)
{
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed\r\n\r\n--XYZ\r\n"), EVrxFormatError);
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed; boundary=XYZ\r\n\r\nno delimiter\r\n"), EVrxFormatError);
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed; boundary=\"\r\n\r\n--\r\n"), EVrxFormatError);
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed; xboundary=XYZ\r\n\r\n--XYZ\r\n"), EVrxFormatError);
}

TEST(Parser, TruncatedStructuresStopAtTheEndOfTheLines)
{
    for (const QByteArray &tail : {QByteArray(), QByteArray("Content-Type: text/plain"),
                                   QByteArray("filename=\"\r\n"), QByteArray("name=\"\r\n\r\n"),
                                   QByteArray("Content-Transfer-Encoding: base64\r\n"),
                                   QByteArray("Content-Transfer-Encoding: x-uuencode\r\n\r\n"),
                                   QByteArray("Content-Type: text/html\r\n")}) {
        const auto msg = Parsed(Multipart(tail));
        EXPECT_LE(msg->AttachedFiles.Count(), 1) << tail.constData();
    }
}

namespace {

QByteArray CorpusFile(const char *name)
{
    QFile file(qEnvironmentVariable("RAVELIN_TEST_DATA") + u'/' + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing corpus file>");
}

QByteArray ScannedBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    return bytes.repeated(4) + "tail!";
}

struct CorpusCase
{
    const char *file;
    QByteArray subject;
    QByteArray from;
    QList<QByteArray> text;
    Files attachments;
};

} // namespace

// Each message reproduces a fault seen in real mail: cut folded fields, base64 lines with
// trailing blanks, parameters out of the expected order or case, a folded boundary, a text
// attachment without a blank line before the delimiter, a multipart with no body, and names
// that reorder on screen or carry a path separator.
TEST(ParserCorpus, MessagesAsRealSendersWriteThem)
{
    const CorpusCase cases[] = {
        {"folded_fields.eml", "Minutes of the meeting on the budget for the second quarter",
         "\"Lee, Ann\" <ann@example.org>", {"See the minutes below."}, {}},
        {"base64_blanks.eml", "Scan", "scanner@example.org", {"Scanned pages attached."}, {{"scan.bin", ScannedBytes()}}},
        {"odd_parameters.eml", "Odd parameters", "ann@example.org", {"First part."}, {{"report.pdf", "ABC"}}},
        {"folded_boundary.eml", "Folded boundary", "ann@example.org", {"Hello."},
         {{"notes.txt", "line one\r\nlast line"}}},
        {"multipart_no_body.eml", "Empty", "ann@example.org", {}, {}},
        {"hostile_names.eml", "Invoice", "mallory@example.org", {}, {{"cod.exe", "ABC"}, {"invoice.netrc", "ABC"}}},
    };
    for (const CorpusCase &expected : cases) {
        SCOPED_TRACE(expected.file);
        const auto msg = Parsed(CorpusFile(expected.file));
        EXPECT_EQ(msg->Subject, expected.subject);
        EXPECT_EQ(msg->From, expected.from);
        EXPECT_EQ(msg->Text, expected.text);
        EXPECT_EQ(AttachmentsOf(*msg), expected.attachments);
    }
    const auto folded = Parsed(CorpusFile("folded_fields.eml"));
    EXPECT_EQ(folded->SendTo, "bob@example.org,\tcarol@example.org");
    EXPECT_EQ(folded->CC, "dave@example.org");
    EXPECT_EQ(folded->MessageId, "<minutes.42@example.org>");
    EXPECT_EQ(folded->ContentType, "TEXT/PLAIN");
}

TEST(Parser, FieldsMatchByWholeNameInAnyCase)
{
    const auto msg = Parsed("X-Original-To: wrong@x.org\r\nReply-To: r@x.org\r\nsubject :spaced\r\n"
                            "TO: right@x.org\r\nSubject: second\r\nfrom:a@x.org\r\n\r\nbody\r\n");
    EXPECT_EQ(msg->SendTo, "right@x.org");
    EXPECT_EQ(msg->ReplyTo, "r@x.org");
    EXPECT_EQ(msg->Subject, "spaced");
    EXPECT_EQ(msg->From, "a@x.org");
}

TEST(Parser, OnlyAMailboxSeparatorLineNamesTheSender)
{
    EXPECT_EQ(Parsed("From ann@x.org Tue Dec  8 10:00:00 2026\nSubject: x\n\nbody\n")->From,
              "ann@x.org Tue Dec  8 10:00:00 2026");
    EXPECT_EQ(Parsed("From ann@x.org Tue\nFrom: Ann <ann@x.org>\n\nbody\n")->From, "Ann <ann@x.org>");
    EXPECT_EQ(Parsed("Received: from relay.example.org\nSubject: x\n\nbody\n")->From, "");
}

TEST(Parser, SingleAttachmentIsNamedByItsTypeWhenItHasNoDisposition)
{
    const auto msg = Parsed("Subject: scan\r\nContent-Type: application/pdf;\r\n name=\"scan.pdf\"\r\n"
                            "Content-Transfer-Encoding: BASE64\r\n\r\nQUJD\r\n");
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"scan.pdf", "ABC"}}));
}

TEST(Parser, NonMultipartTypesWithoutEncodingAreText)
{
    const auto msg = Parsed("Subject: x\r\nContent-Type: application/json\r\n\r\n{\"a\": 1}\r\n");
    EXPECT_EQ(msg->Text, QList<QByteArray>{"{\"a\": 1}"});
    EXPECT_EQ(msg->AttachedFiles.Count(), 0);
}

TEST(MimeHeader, ParametersInAnyOrderQuotedOrNot)
{
    struct Case
    {
        QByteArray value;
        QByteArray boundary;
    };
    const Case cases[] = {
        {"multipart/mixed; boundary=abc", "abc"},
        {"multipart/mixed; boundary=abc;charset=x", "abc"},
        {"multipart/mixed; boundary = abc ; charset=x", "abc"},
        {"multipart/mixed; charset=\"a;b\"; BoUnDaRy=\"q;\\\"r\"", "q;\"r"},
        {"multipart/mixed;\tcharset=x;\tboundary=\"----=_Part\"", "----=_Part"},
        {"multipart/mixed; xboundary=wrong; boundary=right", "right"},
        {"multipart/mixed; boundary=\"unclosed", "unclosed"},
        {"multipart/mixed; boundary", ""},
        {"multipart/mixed", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TVrxMimeHeader::Parameter(c.value, "boundary"), c.boundary) << c.value.constData();
    EXPECT_EQ(TVrxMimeHeader::Token(" Multipart/Mixed;boundary=x"), "MULTIPART/MIXED");
    EXPECT_EQ(TVrxMimeHeader::Token("base64 (sent by x)"), "BASE64");
}

TEST(MimeHeader, FoldedFieldsAreUnfoldedAndTheFirstOfANameCounts)
{
    const TVrxMimeHeader header({"Subject: one", "\ttwo", "  three", "Subject: later", " Stray: not a field",
                                 "no colon here", "X-Empty:", ": no name"});
    EXPECT_EQ(header.Value("SUBJECT"), "one\ttwo  three");
    EXPECT_TRUE(header.Has("x-empty"));
    EXPECT_EQ(header.Value("X-Empty"), "");
    EXPECT_FALSE(header.Has("Stray"));
    EXPECT_FALSE(header.Has("no colon here"));
}

TEST(Parser, Pop3StuffingIsRemovedInEveryPartButBase64IsReadAsItStands)
{
    const QByteArray reply = Multipart("Content-Type: text/plain\r\n\r\n..dotted\r\n.\r\n--XYZ\r\n"
                                       "Content-Disposition: attachment; filename=a.txt\r\n\r\n..a\r\n--XYZ\r\n"
                                       "Content-Transfer-Encoding: base64\r\nContent-Type: x/y; name=b.bin\r\n\r\n"
                                       "QU\r\nJD\r\n--XYZ--\r\n");
    const auto msg = TVrxMessageParser().Parse(reply, TVrxMessageParser::Stuffing::Pop3);
    EXPECT_EQ(msg->Text, QList<QByteArray>({".dotted", "."}));
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"a.txt", ".a"}, {"b.bin", "ABC"}}));
}

TEST(Parser, NoBidiMarkSurvivesInANameEvenWhenRemovalsWouldJoinOne)
{
    const QByteArray name = "a\xe2\xe2\x80\xae\x80\xae/\xe2/\x80\xae" "b\xe2\x80\x8f\xe2\x81\xa9.txt\xe2\x80\xa9";
    const auto msg = Parsed("Subject: x\r\nContent-Type: application/octet-stream; name=\"" + name
                            + "\"\r\nContent-Transfer-Encoding: base64\r\n\r\nQUJD\r\n");
    EXPECT_EQ(AttachmentsOf(*msg), Files({{"ab.txt\xe2\x80\xa9", "ABC"}}));
}
