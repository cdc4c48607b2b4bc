// SPDX-License-Identifier: GPL-3.0-or-later
// Received mail is decoded once, where it comes in: the record holds Unicode text, attachments
// at any depth are saved with their decoded names and exact bytes, and the received bytes are
// kept whole beside it.
#include "SessionFixture.h"

#include "storage/cOriginalStore.h"
#include "transfer/MessageHtml.h"
#include "transfer/cIncomingStore.h"

#include <QFileInfo>

namespace {

const QByteArray kMessage = "From: =?UTF-8?Q?Ren=C3=A9e?= <renee@example.org>\r\n"
                            "Reply-To: Help Desk <desk@example.org>\r\n"
                            "To: =?ISO-8859-1?Q?J=F6rg?= <jorg@example.net>\r\n"
                            "Subject: =?UTF-8?B?Q2Fmw6k=?=\r\n"
                            "MIME-Version: 1.0\r\n"
                            "Content-Type: multipart/mixed; boundary=\"o\"\r\n\r\n"
                            "--o\r\n"
                            "Content-Type: multipart/alternative; boundary=\"a\"\r\n\r\n"
                            "--a\r\nContent-Type: text/plain; charset=UTF-8\r\n"
                            "Content-Transfer-Encoding: quoted-printable\r\n\r\n"
                            "caf=C3=A9 =\r\nat noon\r\n..a line that began with two dots\r\n"
                            "--a\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<p>caf\xc3\xa9</p>\r\n--a--\r\n"
                            "--o\r\nContent-Type: multipart/mixed; boundary=\"n\"\r\n\r\n"
                            "--n\r\nContent-Type: application/octet-stream\r\n"
                            "Content-Disposition: attachment; filename*=UTF-8''%C3%BCber.bin\r\n"
                            "Content-Transfer-Encoding: base64\r\n\r\nAAEC/w==\r\n--n--\r\n"
                            "--o--\r\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

using IncomingDecodedTest = SessionFixture;

} // namespace

TEST_F(IncomingDecodedTest, AMessageIsStoredDecodedWithItsOriginalKept)
{
    const auto stored = cIncomingStore::Store(kMessage, QStringLiteral("acc"), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << qPrintable(stored.text());
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    EXPECT_EQ(record.Subject, "Caf\xc3\xa9");
    EXPECT_EQ(record.From, "Ren\xc3\xa9" "e");
    EXPECT_EQ(record.FromAddress, "renee@example.org");
    EXPECT_EQ(record.ReplyAddress, "desk@example.org");
    EXPECT_EQ(record.To, "J\xc3\xb6rg <jorg@example.net>");
    EXPECT_FALSE(record.Html);
    EXPECT_EQ(record.body, (QList<QByteArray>{"caf\xc3\xa9 at noon", "..a line that began with two dots"}));
    // The HTML beside the text is kept for whoever wants to see it.
    ASSERT_EQ(record.attachments.size(), 2);
    EXPECT_EQ(contents(record.attachments[0]), "<p>caf\xc3\xa9</p>");
    EXPECT_EQ(QFileInfo(record.attachments[1]).fileName(), QStringLiteral("\u00fcber.bin"));
    EXPECT_EQ(contents(record.attachments[1]), QByteArray("\x00\x01\x02\xff", 4));
    EXPECT_EQ(cOriginalStore::Read(record.Original).value(), kMessage);
}

// Encoded words may decode to line breaks; a stored value stays one line, so no received text
// can set a key of the message file (a sender, a reply address, a read mark, an attachment).
TEST_F(IncomingDecodedTest, DecodedTextNeverAddsALineToTheMessageFile)
{
    const QByteArray injected = "x\r\nReplyAddress=evil@example.org\r\nRead=1\r\nAttachments=/etc/passwd\r\n";
    const QByteArray word = "=?UTF-8?B?" + injected.toBase64() + "?=";
    const QByteArray raw = "From: " + word + " <eve@example.org>\r\nTo: " + word + " <a@example.org>\r\nCc: " + word
        + " <c@example.org>\r\nSubject: " + word + "\r\nContent-Type: multipart/mixed; boundary=o\r\n\r\n"
        "--o\r\nContent-Type: text/plain\r\n\r\nhi\r\n--o\r\nContent-Type: application/octet-stream\r\n"
        "Content-Disposition: attachment; filename=\"" + word + "\"\r\n\r\ndata\r\n--o--\r\n";
    const auto stored = cIncomingStore::Store(raw, QString(), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << qPrintable(stored.text());
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    EXPECT_EQ(record.ReplyAddress, "eve@example.org");
    EXPECT_FALSE(record.Read);
    ASSERT_EQ(record.attachments.size(), 1);
    EXPECT_EQ(contents(record.attachments[0]), "data");
    for (const QByteArray &value : {record.Subject, record.From, record.To, record.CC}) {
        EXPECT_TRUE(value.contains("ReplyAddress=evil@example.org")) << value.constData();
        EXPECT_FALSE(value.contains('\r') || value.contains('\n')) << value.constData();
    }
}

// Older mailers send files uuencoded inside the text; a block that does not decode stays text.
TEST_F(IncomingDecodedTest, UuencodedBlocksInTheTextBecomeAttachments)
{
    const QByteArray raw = "Subject: uu\r\n\r\nhello\r\nbegin 644 dir/abc.txt\r\n#86)C\r\n`\r\nend\r\n"
                           "between\r\nbegin 644 bad.bin\r\n#\x01\x02\x03\r\nend\r\nbye\r\n";
    const auto stored = cIncomingStore::Store(raw, QString(), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << qPrintable(stored.text());
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    ASSERT_EQ(record.attachments.size(), 1);
    EXPECT_EQ(QFileInfo(record.attachments[0]).fileName(), QStringLiteral("abc.txt"));
    EXPECT_EQ(contents(record.attachments[0]), "abc");
    EXPECT_EQ(record.body, (QList<QByteArray>{"hello", "between", "begin 644 bad.bin", "#\x01\x02\x03", "end", "bye"}));
}

// Whatever shape a message gives its HTML, the stored message still yields it, with the images
// its cid: links name; a message of plain text alone yields none.
TEST_F(IncomingDecodedTest, EveryShapeOfHtmlMailKeepsItsHtml)
{
    const QByteArray html = "Content-Type: text/html; charset=ISO-8859-1\r\n\r\n<p>caf\xe9 <img src=\"cid:logo@x\"></p>\r\n";
    const QByteArray text = "Content-Type: text/plain\r\n\r\nPlease use an HTML capable mail program\r\n";
    const QByteArray image = "Content-Type: image/png\r\nContent-ID: <logo@x>\r\nContent-Transfer-Encoding: base64\r\n\r\n"
                             "iVBORw==\r\n";
    const QByteArray pdf = "Content-Type: application/pdf\r\nContent-Disposition: attachment; filename=a.pdf\r\n\r\n%PDF\r\n";
    const auto multipart = [](const QByteArray &type, const QByteArray &boundary, const QList<QByteArray> &parts) {
        QByteArray bytes = "Content-Type: multipart/" + type + "; boundary=" + boundary + "\r\n\r\n";
        for (const QByteArray &part : parts)
            bytes += "--" + boundary + "\r\n" + part;
        return bytes + "--" + boundary + "--\r\n";
    };
    const QByteArray related = multipart("related", "r", {html, image});
    const struct
    {
        const char *shape;
        QByteArray body;
        bool hasHtml;
        bool hasImage;
    } cases[] = {
        {"html only", html, true, false},
        {"text and html", multipart("alternative", "a", {text, html}), true, false},
        {"html before text", multipart("alternative", "a", {html, text}), true, false},
        {"related with a cid image", related, true, true},
        {"text and related", multipart("alternative", "a", {text, related}), true, true},
        {"alternative inside mixed", multipart("mixed", "m", {multipart("alternative", "a", {text, related}), pdf}),
         true, true},
        {"html inside mixed", multipart("mixed", "m", {html, pdf}), true, false},
        {"text only", multipart("mixed", "m", {text, pdf}), false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shape);
        const auto stored = cIncomingStore::Store("Subject: s\r\nMIME-Version: 1.0\r\n" + c.body, QString(),
                                                  QStringLiteral("Inbox"));
        ASSERT_TRUE(stored) << qPrintable(stored.text());
        cMailMessage record;
        ASSERT_TRUE(record.ReadFile(stored.value().path));
        const cHtmlBody shown = MessageHtml(record);
        EXPECT_EQ(shown.html.contains(QStringLiteral("<p>caf\u00e9")), c.hasHtml) << qPrintable(shown.html);
        EXPECT_EQ(shown.inlineParts.value(QStringLiteral("logo@x")), c.hasImage ? QByteArray("\x89PNG", 4) : QByteArray());
    }
}
