// SPDX-License-Identifier: GPL-3.0-or-later
// The outgoing message text: header order and wording, the date and id forms, which stored
// header lines go out again, the text's transfer encoding, and the multipart layout.
#include "TestSupport.h"

#include "mailproto/TVrxEncodedWords.h"
#include "mailproto/TVrxMessageBuilder.h"
#include "mailproto/TVrxLines.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TVrxMessageBuilder Builder()
{
    return TVrxMessageBuilder{"smtp.example.org", "Ravelin 2", "workstation", {}};
}

QList<QByteArray> Names(const QList<QByteArray> &headerLines)
{
    QList<QByteArray> names;
    for (const QByteArray &line : headerLines)
        names.append(line.left(line.indexOf(':')));
    return names;
}

QList<QByteArray> HeaderOf(const QList<QByteArray> &lines)
{
    return lines.first(lines.indexOf(QByteArray()));
}

} // namespace

TEST(MessageBuilder, PlainMessageHeaderOrderAndBody)
{
    TVrxMsg msg;
    msg.From = "alice@example.org";
    msg.SendTo = "bob@example.org";
    msg.Date = "Mon, 5 Jan 2004 09:05:07 +0100";
    msg.Text = {"first", ".", ".dot first", "a.b", ""};
    msg.ExtraHeaders = {"Organization: Example"};
    const QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    const QList<QByteArray> header = HeaderOf(lines);

    EXPECT_EQ(Names(header), QList<QByteArray>({"Message-Id", "Date", "X-Priority", "From", "X-Mailer", "To", "Subject",
                                                "MIME-Version", "Content-Type", "Content-Transfer-Encoding", "Organization"}));
    EXPECT_EQ(header.at(2), "X-Priority: 3");
    EXPECT_EQ(header.at(3), "From: alice@example.org");
    EXPECT_EQ(header.at(8), "Content-Type: Text/Plain; charset=ISO-8859-1; format=flowed; delsp=no");
    // Dot-stuffing belongs to the SMTP client, for every line alike.
    EXPECT_EQ(lines.mid(header.size() + 1), QList<QByteArray>({"first", ".", ".dot first", "a.b", ""}));
    msg.CC = "carol@example.org";
    EXPECT_TRUE(Builder().BuildMessageLines(msg).contains("CC: carol@example.org"));
}

TEST(MessageBuilder, OptionalLinesPriorityAndDisplayName)
{
    TVrxMsg msg;
    msg.UserName = "Alice";
    msg.From = "alice";
    msg.InReplyTo = "<1@x>";
    msg.ReplyTo = "replies@example.org";
    const QList<QByteArray> header = HeaderOf(Builder().BuildMessageLines(msg));
    EXPECT_EQ(Names(header).mid(0, 7), QList<QByteArray>({"Message-Id", "In-Reply-To", "Date", "X-Priority", "From",
                                                          "Reply-To", "X-Mailer"}));
    EXPECT_EQ(header.at(4), "From: Alice <alice@smtp.example.org>");
    for (const auto &[priority, line] : {std::pair(TPriority::prHighest, "X-Priority: 1"),
                                         std::pair(TPriority::prLowest, "X-Priority: 5")}) {
        msg.Priority = priority;
        EXPECT_EQ(HeaderOf(Builder().BuildMessageLines(msg)).at(3), line);
    }
}

TEST(MessageBuilder, LineBreaksInsideFieldsCannotStartNewLines)
{
    TVrxMsg msg;
    msg.Subject = "Hi\r\n.\r\nRCPT TO:<x@y>";
    msg.Text = {"one\r\n.\r\ntwo"};
    const QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    EXPECT_TRUE(lines.contains("Subject: Hi  .  RCPT TO:<x@y>"));
    EXPECT_EQ(lines.mid(lines.indexOf(QByteArray()) + 1), QList<QByteArray>({"one", ".", "two"}));
}

// Bytes that are no UTF-8 (a legacy draft moved to Unsent as it was) are read as the list and
// preview read them, Windows-1252, so the recipient sees what the sender saw.
TEST(MessageBuilder, NonAsciiTextIsDeclaredAsItReads)
{
    const struct
    {
        QByteArray text, contentType;
    } cases[]{{"Gr\xc3\xbc\xc3\x9f" "e", "Content-Type: Text/Plain; charset=UTF-8; format=flowed; delsp=no"},
              {"caf\xe9 \x80 5", "Content-Type: Text/Plain; charset=windows-1252; format=flowed; delsp=no"}};
    for (const auto &c : cases) {
        TVrxMsg msg;
        msg.Text = {c.text};
        EXPECT_TRUE(Builder().BuildMessageLines(msg).contains(c.contentType)) << c.text.constData();
    }
}

TEST(MessageBuilder, MultipartLayoutWithAttachments)
{
    TVrxMsg msg;
    msg.Text = {".x"};
    msg.ExtraHeaders = {"Organization: Example"};
    const QByteArray content = RandomBytes(100);
    msg.AttachedFiles.Add(ScratchFile(u"notes.txt"_s, content));
    msg.AttachedFiles.Add(ScratchFile(u"blob.qqzz"_s, "abc"));
    const QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    const QList<QByteArray> header = HeaderOf(lines);
    const QByteArray contentType = header.at(header.size() - 2);
    ASSERT_TRUE(contentType.startsWith("Content-Type: multipart/mixed; boundary=\"--_VRX_bound_"));
    EXPECT_EQ(header.last(), "Organization: Example");
    const QByteArray boundary = contentType.mid(contentType.indexOf('"') + 1).chopped(1);
    EXPECT_EQ(boundary.size(), 25);
    const QByteArray delimiter = "--" + boundary;
    const QList<QByteArray> body = lines.mid(header.size() + 1);
    const QList<QByteArray> content64 = content.toBase64().insert(76, '\n').split('\n');
    QList<QByteArray> expected{delimiter, "Content-Type: Text/Plain; charset=ISO-8859-1; format=flowed; delsp=no",
                               "Content-Transfer-Encoding: 8bit", "",
                               ".x", delimiter, "Content-Type: text/plain; charset=ISO-8859-1; name=\"notes.txt\"",
                               "Content-Transfer-Encoding: base64", "Content-Disposition: inline; FileName=\"notes.txt\"", ""};
    expected += content64;
    expected += {delimiter, "Content-Type: application/octet-stream; name=\"blob.qqzz\"", "Content-Transfer-Encoding: base64",
                 "Content-Disposition: inline; FileName=\"blob.qqzz\"", "", "YWJj", "", delimiter + "--", ""};
    EXPECT_EQ(body, expected);
}

TEST(MessageBuilder, DatesZonesAndRandomValues)
{
    const QDateTime time(QDate(2004, 1, 5), QTime(9, 5, 7), QTimeZone(3600));
    EXPECT_EQ(TVrxMessageBuilder::FormatMailDate(time, false), "Mon, 5 Jan 2004 09:05:07 +0100");
    EXPECT_EQ(TVrxMessageBuilder::ZoneText(-5 * 3600), "-0500");
    EXPECT_EQ(TVrxMessageBuilder::ZoneText(0), "+0000"); // "GMT" is obsolete syntax
    EXPECT_EQ(TVrxMessageBuilder::ZoneText(-1800), "-0030");
    EXPECT_EQ(TVrxMessageBuilder::ZoneText(5 * 3600 + 1800), "+0530");
    EXPECT_FALSE(TVrxMessageBuilder::FormatMailDate(time, true).contains('+'));

    // The right side is the sender's domain, not the machine's short name.
    for (const auto &[sender, domain] : {std::pair("ann@mail.example.org", "mail.example.org"),
                                         std::pair("ann@b\xc3\xbc" "cher.example", "xn--bcher-kva.example"),
                                         std::pair("ann", "workstation")}) {
        const QByteArray id = Builder().MakeMessageId(QDate(2004, 1, 5), sender);
        EXPECT_TRUE(QRegularExpression(u"^<VRX\\.5\\.1\\.2004\\.[a-t]{8}@"_s + QString::fromLatin1(domain) + u">$"_s)
                        .match(QString::fromLatin1(id)).hasMatch())
            << id.constData();
    }
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(QRegularExpression(u"^--_VRX_bound_[a-y]{12}$"_s)
                        .match(QString::fromLatin1(TVrxMessageBuilder::MakeBoundary()))
                        .hasMatch());
}

TEST(AttachedFile, ContentTypesAndNameParts)
{
    EXPECT_EQ(TAttachedFile::ContentTypeFor(u"a.txt"_s), "text/plain");
    EXPECT_EQ(TAttachedFile::ContentTypeFor(u"a.qqzz"_s), "application/octet-stream");
    EXPECT_EQ(TAttachedFile::ContentTypeFor(u"noextension"_s), "application/octet-stream");
    EXPECT_EQ(TAttachedFile::ContentTypeFor(QString::fromLatin1("Hello\0\0\0.html", 14)), "text/html");
    EXPECT_EQ(TAttachedFile::NamePart("C:\\docs\\../x/report.pdf"), "report.pdf");
}

// A stored message carries its own header block: fields the builder writes, trace fields and
// lines that are no field at all do not go out again; the others keep their order.
TEST(MessageBuilder, StoredHeaderLinesAreNotSentTwice)
{
    TVrxMsg msg;
    msg.From = "alice@example.org";
    msg.SendTo = "bob@example.org";
    msg.ReplyTo = "alice@example.org";
    msg.AttachedFiles.Add(ScratchFile(u"kept.txt"_s, "data"));
    msg.ExtraHeaders = {"Return-Path: <bounce@x>", "Received: from a", "\tby b; Mon, 5 Jan 2004", "X-First: 1",
                        "From: Alice <alice@example.org>", "to: bob@example.org", "Cc: carol@example.org",
                        "Subject: old", "Date: Mon, 5 Jan 2004", "Message-ID: <1@x>", "MIME-Version: 1.0",
                        "Content-Type: multipart/mixed;", " boundary=\"old\"", "Content-Transfer-Encoding: 7bit",
                        "X-Priority: 1", "X-Mailer: other", "Reply-To: alice@example.org", "In-Reply-To: <0@x>",
                        "X-Folded: a", " b", ".", "", "MAIL FROM:<evil@x>", "not a field", "X-Last: 2"};
    const QList<QByteArray> header = HeaderOf(Builder().BuildMessageLines(msg));
    EXPECT_EQ(header.mid(header.indexOf("X-First: 1")),
              QList<QByteArray>({"X-First: 1", "In-Reply-To: <0@x>", "X-Folded: a b", "X-Last: 2"}));
    EXPECT_EQ(Names(header).count("Content-Type"), 1);
}

// SMTP carries at most 998 octets a line, and 8-bit text only where the server agreed.
TEST(MessageBuilder, TextTooLongOrTooWideGoesQuotedPrintable)
{
    TVrxMsg msg;
    msg.Text = {QByteArray(1500, 'a'), "short"};
    QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    EXPECT_TRUE(lines.contains("Content-Transfer-Encoding: quoted-printable"));
    const QList<QByteArray> body = lines.mid(lines.indexOf(QByteArray()) + 1);
    EXPECT_EQ(body.size(), 21);
    EXPECT_EQ(body.first(), QByteArray(75, 'a') + '=');
    EXPECT_EQ(body.last(), "short");

    msg.Text = {"Gr\xc3\xbc\xc3\x9f" "e"};
    TVrxMessageBuilder sevenBit = Builder();
    sevenBit.EightBit = false;
    lines = sevenBit.BuildMessageLines(msg);
    EXPECT_TRUE(lines.contains("Content-Transfer-Encoding: quoted-printable"));
    EXPECT_EQ(lines.last(), "Gr=C3=BC=C3=9Fe");
    EXPECT_TRUE(Builder().BuildMessageLines(msg).contains("Content-Transfer-Encoding: 8bit"));
}

// Non-ASCII header text must reach any server as RFC 2047 words and read back the same.
TEST(MessageBuilder, NonAsciiHeaderTextGoesOutAsEncodedWords)
{
    const auto decoded = [](const QList<QByteArray> &fieldLines) {
        QByteArray text = fieldLines.join(QByteArray()); // unfolding: the blank stays
        text = text.mid(text.indexOf(':') + 2);
        static const QRegularExpression word(u"=\\?UTF-8\\?B\\?([A-Za-z0-9+/=]*)\\?=(?: (?==\\?UTF-8))?"_s);
        QString out = QString::fromUtf8(text);
        for (auto m = word.match(out); m.hasMatch(); m = word.match(out))
            out.replace(m.capturedStart(), m.capturedLength(), QString::fromUtf8(QByteArray::fromBase64(m.captured(1).toLatin1())));
        return out;
    };
    const QByteArray longSubject = QString(u"Grüße aus Köln, "_s).repeated(40).toUtf8();
    const struct
    {
        QByteArray name, value;
        QString shown;
    } cases[] = {
        {"Subject", "Plain ASCII  stays   as typed", u"Plain ASCII  stays   as typed"_s},
        {"Subject", "Grüße aus Köln", u"Grüße aus Köln"_s},
        {"Subject", longSubject, QString::fromUtf8(longSubject)},
        {"To", "\"Jörg Müller\" <j@example.org>, bob@example.org", u"Jörg Müller <j@example.org>, bob@example.org"_s},
    };
    for (const auto &c : cases) {
        const QByteArray value = c.name == "To" ? TVrxEncodedWords::EncodeAddressList(c.value)
                                                : TVrxEncodedWords::EncodeText(c.value);
        const QList<QByteArray> lines = TVrxEncodedWords::FoldedField(c.name, value);
        EXPECT_EQ(decoded(lines), c.shown) << c.value.toStdString();
        for (const QByteArray &line : lines) {
            EXPECT_LE(line.size(), 78) << line.toStdString();
            EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char ch) { return quint8(ch) < 0x80; }));
        }
    }
    TVrxMsg msg;
    msg.From = "ann@example.org";
    msg.UserName = "Ånn";
    msg.SendTo = "bob@example.org";
    msg.Subject = "Grüße";
    const QList<QByteArray> header = HeaderOf(Builder().BuildMessageLines(msg));
    EXPECT_TRUE(header.contains("Subject: " + TVrxEncodedWords::EncodeText("Grüße"))) << header.join('|').toStdString();
    EXPECT_TRUE(header.contains("From: " + TVrxEncodedWords::EncodeText("Ånn") + " <ann@example.org>"));
}

// Names that strict servers refused or readers split: a comma makes a second mailbox, a period
// is obsolete syntax, a quote ends the string early, raw UTF-8 is 8-bit data in a header.
TEST(MessageBuilder, NamesAreQuotedOrEncodedAndHeadersStaySevenBit)
{
    const std::pair<QByteArray, QByteArray> names[] = {
        {"Ann Lee", "From: Ann Lee <ann@example.org>"},
        {"\"Quoted, Name\"", "From: \"Quoted, Name\" <ann@example.org>"},
        {"Doe, John", "From: \"Doe, John\" <ann@example.org>"},
        {"J. R. Doe", "From: \"J. R. Doe\" <ann@example.org>"},
        {"Say \"hi\" \\ back", "From: \"Say \\\"hi\\\" \\\\ back\" <ann@example.org>"},
        {"=?UTF-8?B?eA==?=", "From: \"=?UTF-8?B?eA==?=\" <ann@example.org>"},
        {"J\xc3\xb6rg", "From: =?UTF-8?B?SsO2cmc=?= <ann@example.org>"},
    };
    for (const auto &[name, fromLine] : names) {
        TVrxMsg msg;
        msg.From = name + " <ann@example.org>";
        msg.ExtraHeaders = {"Organisation: M\xc3\xbcller & S\xc3\xb6hne", "X-Latin: caf\xe9"};
        msg.AttachedFiles.Add(ScratchFile(u"Gr\u00FC\u00DFe \"q\".txt"_s, "caf\xc3\xa9"));
        const QList<QByteArray> lines = Builder().BuildMessageLines(msg);
        const QList<QByteArray> header = HeaderOf(lines);
        EXPECT_TRUE(header.contains(fromLine)) << header.join('|').toStdString();
        EXPECT_TRUE(header.contains("Organisation: =?UTF-8?B?TcO8bGxlciAmIFPDtmhuZQ==?="));
        EXPECT_TRUE(header.contains("X-Latin: =?UTF-8?B?Y2Fmw6k=?="));
        const qsizetype part = lines.indexOf("Content-Transfer-Encoding: base64") - 2;
        EXPECT_EQ(lines.mid(part, 4), QList<QByteArray>({
            "Content-Type: text/plain; charset=UTF-8;", " name=\"=?UTF-8?B?R3LDvMOfZSAicSIudHh0?=\"",
            "Content-Transfer-Encoding: base64",
            "Content-Disposition: inline; FileName*=UTF-8''Gr%C3%BC%C3%9Fe%20%22q%22.txt"}));
        for (const QByteArray &line : lines)
            EXPECT_TRUE(TVrxEncodedWords::IsAscii(line)) << line.toStdString();
    }
}

// A header line never passes 998 octets, and folds at blanks within 78 where it can.
TEST(MessageBuilder, LongFieldsFoldAndNeverPassTheHardLimit)
{
    TVrxMsg msg;
    msg.From = "ann@example.org";
    msg.Subject = QByteArray(2000, 'x');
    msg.SendTo = QByteArray("a@example.org, ").repeated(40) + "b@example.org";
    msg.ExtraHeaders = {"X-Long: " + QByteArray("word ").repeated(300)};
    msg.AttachedFiles.Add(ScratchFile(QString(120, u'\u00E9') + u".txt"_s, "x"));
    const QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    for (const QByteArray &line : lines.first(lines.indexOf("eA==")))
        EXPECT_LE(line.size(), 78) << line.toStdString();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const QByteArray &line) { return line.startsWith("Subject: =?UTF-8?B?eHh4"); }));
}

// A forwarded message travels as itself (RFC 2046 section 5.2.1 allows no base64 there); one
// that SMTP cannot carry line by line goes as an opaque file instead.
TEST(MessageBuilder, AnEnclosedMessageGoesAsItsOwnLines)
{
    const QByteArray mail = "From: a@example.org\r\nSubject: hi\r\n\r\n.dot line\r\nGr\xc3\xbc\xc3\x9f" "e\r\n";
    TVrxMsg msg;
    msg.AttachedFiles.Add(ScratchFile(u"fw.eml"_s, mail));
    QList<QByteArray> lines = Builder().BuildMessageLines(msg);
    qsizetype part = lines.indexOf("Content-Type: message/rfc822; name=\"fw.eml\"");
    ASSERT_GE(part, 0);
    EXPECT_EQ(lines.mid(part + 1, 3), QList<QByteArray>({"Content-Transfer-Encoding: 8bit",
                                                         "Content-Disposition: inline; FileName=\"fw.eml\"", ""}));
    EXPECT_EQ(lines.mid(part + 4, 5), TVrxLines::Split(mail));

    TVrxMessageBuilder sevenBit = Builder();
    sevenBit.EightBit = false;
    TVrxMsg wide;
    wide.AttachedFiles.Add(ScratchFile(u"wide.eml"_s, mail));
    lines = sevenBit.BuildMessageLines(wide);
    part = lines.indexOf("Content-Type: application/octet-stream; name=\"wide.eml\"");
    ASSERT_GE(part, 0);
    EXPECT_EQ(lines.at(part + 1), "Content-Transfer-Encoding: base64");
}
