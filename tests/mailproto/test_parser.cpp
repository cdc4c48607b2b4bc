// The incoming parser on whole messages: header fields and their continuation lines, the
// three body layouts, attachment names, and malformed input that must end cleanly.
#include "TestSupport.h"
#include "mailproto/TVrxMessageParser.h"

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
    EXPECT_EQ(msg->From, "\"Alice\"<alice@x.org>");
    EXPECT_EQ(msg->SendTo, "bob@x.org, carol@x.org");
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
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed\r\n\r\n--XYZ\r\n"), EVrxError);
    EXPECT_THROW(Parsed("Content-Type: multipart/mixed; boundary=XYZ\r\n\r\nno delimiter\r\n"), EVrxError);
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
    EXPECT_EQ(Parsed("Content-Type: multipart/mixed; boundary=\"\r\n\r\n--\r\n")->Text.size(), 0);
}
