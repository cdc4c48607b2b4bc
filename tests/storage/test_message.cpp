// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FilePathBytes.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/cMailMessage.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MessageTest : public ::testing::Test
{
protected:
    QString path() const { return fDir.filePath(QStringLiteral("mail1.qrz")); }

    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeRaw(const QByteArray &data)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    static cMailMessage sample()
    {
        cMailMessage m;
        m.Subject = "Hello";
        m.To = "bob@example.org";
        m.From = "Ann Lee <ann@example.org>";
        m.DateTime = "08/12/2026 09:05:07";
        m.Account = "Work";
        m.CC = "";
        m.Read = false;
        m.Priority = 2;
        m.attachments = {QStringLiteral("/tmp/a.txt"), QStringLiteral("/tmp/b c.pdf")};
        m.Html = true;
        m.headerLines = {"Received: from x", "Subject: Hello"};
        m.body = {"[Header]", "Read=0", "", "Subject=fake", ". dot"};
        return m;
    }

    QTemporaryDir fDir;
};

TEST_F(MessageTest, WriterProducesExactlyTheStoredLines)
{
    ASSERT_TRUE(sample().WriteFile(path()));
    const QByteArray text = contents();
    const auto match = QRegularExpression(QStringLiteral("X_MailBoundary=(\\d+)\r\n")).match(QString::fromLatin1(text));
    ASSERT_TRUE(match.hasMatch());
    const QByteArray b = match.captured(1).toLatin1();
    EXPECT_LT(b.toInt(), 999999);
    EXPECT_FALSE(b.size() > 1 && b.startsWith('0'));
    const QByteArray expected = "[Header]\r\nSubject=Hello\r\nTo=bob@example.org\r\nFrom=Ann Lee <ann@example.org>\r\n"
                                "DateTime=08/12/2026 09:05:07\r\nAccount=Work\r\nCC=\r\nReplyAddress=\r\nRead=0\r\n"
                                "Priority=0\r\nAttachments=/tmp/a.txt;/tmp/b c.pdf\r\nHtml=1\r\nX_MailBoundary="
                                + b + "\r\nReceived: from x\r\nSubject: Hello\r\nX_MailBoundary!" + b
                                + "\r\n[Header]\r\nRead=0\r\n\r\nSubject=fake\r\n. dot\r\n";
    EXPECT_EQ(text, expected);
}

TEST_F(MessageTest, ReadingGivesBackWhatWasWritten)
{
    const cMailMessage written = sample();
    ASSERT_TRUE(written.WriteFile(path()));
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(path()));
    EXPECT_EQ(m.Subject, written.Subject);
    EXPECT_EQ(m.From, QByteArray("Ann Lee"));
    EXPECT_EQ(m.ReplyAddress, QByteArray("ann@example.org"));
    EXPECT_EQ(m.attachments, written.attachments);
    EXPECT_EQ(m.headerLines, written.headerLines);
    EXPECT_EQ(m.body, written.body);
    EXPECT_TRUE(m.Html);
    EXPECT_FALSE(m.Read);

    cMailMessage raw;
    ASSERT_TRUE(raw.ReadFile(path(), false, true));
    EXPECT_EQ(raw.From, written.From);

    cMailMessage headerOnly;
    ASSERT_TRUE(headerOnly.ReadFile(path(), true));
    EXPECT_EQ(headerOnly.Subject, written.Subject);
    EXPECT_TRUE(headerOnly.body.isEmpty());
    EXPECT_TRUE(headerOnly.headerLines.isEmpty());
}

// Whatever a caller puts in a value, it cannot add a key of its own to the file.
TEST_F(MessageTest, ALineBreakInAValueNeverBecomesAKey)
{
    cMailMessage written = sample();
    written.Subject = "hi\r\nAttachments=/etc/passwd";
    written.From = "Eve\nReplyAddress=evil@example.org";
    written.To = QByteArray("bob\0\rRead=1", 12);
    ASSERT_TRUE(written.WriteFile(path()));
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(path()));
    EXPECT_EQ(m.Subject, "hi  Attachments=/etc/passwd");
    EXPECT_EQ(m.attachments, written.attachments);
    EXPECT_EQ(m.ReplyAddress, "");
    EXPECT_FALSE(m.Read);
}

TEST_F(MessageTest, MarkingReadChangesOnlyTheReadLine)
{
    ASSERT_TRUE(sample().WriteFile(path()));
    const QByteArray before = contents();
    ASSERT_TRUE(cMailMessage::SetReadFlag(path(), true));
    QByteArray expected = before;
    expected.replace(expected.indexOf("Read=0"), 6, "Read=1");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(contents().count("Read=0"), 1); // the body's line is untouched

    // A file without the key gets it among the header keys, never in the blocks.
    writeRaw("[Header]\r\nSubject=x\r\nX_MailBoundary=5\r\nh\r\nX_MailBoundary!5\r\nbody\r\n");
    ASSERT_TRUE(cMailMessage::SetReadFlag(path(), true));
    EXPECT_EQ(contents(), QByteArray("[Header]\r\nSubject=x\r\nRead=1\r\nX_MailBoundary=5\r\nh\r\nX_MailBoundary!5\r\nbody\r\n"));

    EXPECT_FALSE(cMailMessage::SetReadFlag(fDir.filePath(QStringLiteral("gone.qrz")), true));
}

TEST_F(MessageTest, TheBoundaryLinesDelimitTheBlocks)
{
    writeRaw("[Header]\r\nX_MailBoundary=12\r\nH1\r\nX_MailBoundary!99\r\nX_MailBoundary!12\r\nB1\nB2\rB3\r\n"
             "X_MailBoundary!12\r\nB4\r\n");
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(path()));
    EXPECT_EQ(m.headerLines, (QList<QByteArray>{"H1", "X_MailBoundary!99"}));
    EXPECT_EQ(m.body, (QList<QByteArray>{"B1", "B2", "B3", "B4"}));

    writeRaw("[Header]\r\nX_MailBoundary=12\r\nH1\r\n");
    ASSERT_TRUE(m.ReadFile(path()));
    EXPECT_EQ(m.headerLines, QList<QByteArray>{"H1"});
    EXPECT_TRUE(m.body.isEmpty());

    writeRaw("[Header]\r\nX_MailBoundary=12\r\n");
    ASSERT_TRUE(m.ReadFile(path()));
    EXPECT_TRUE(m.headerLines.isEmpty());
}

TEST_F(MessageTest, ABodyLineLikeTheClosingLineSurvivesAWrite)
{
    // Every boundary number but one is taken by a body line: the writer must find that one.
    cMailMessage m;
    m.body.reserve(999999);
    for (int b = 0; b < 999999; ++b)
        if (b != 424242)
            m.body.append("X_MailBoundary!" + QByteArray::number(b));
    ASSERT_TRUE(m.WriteFile(path()));
    EXPECT_TRUE(contents().contains("\r\nX_MailBoundary=424242\r\n"));
    cMailMessage back;
    ASSERT_TRUE(back.ReadFile(path()));
    EXPECT_EQ(back.body.size(), m.body.size());
    EXPECT_EQ(back.body, m.body);
}

TEST_F(MessageTest, PrioritiesMapToTheStoredCodesAndBack)
{
    const int readBack[] = {0, 0, 2, 0, 4};
    const char *stored[] = {"Priority=2", "Priority=2", "Priority=0", "Priority=2", "Priority=1"};
    for (int priority = 0; priority <= 4; ++priority) {
        cMailMessage m;
        m.Priority = priority;
        ASSERT_TRUE(m.WriteFile(path()));
        EXPECT_TRUE(contents().contains(stored[priority])) << priority;
        cMailMessage back;
        ASSERT_TRUE(back.ReadFile(path(), true));
        EXPECT_EQ(back.Priority, readBack[priority]) << priority;
    }
    for (const QByteArray &header : {QByteArray("[Header]\r\n"), QByteArray("[Header]\r\nPriority=7\r\n"),
                                     QByteArray("[Header]\r\nPriority=high\r\n")}) {
        writeRaw(header);
        cMailMessage m;
        ASSERT_TRUE(m.ReadFile(path(), true));
        EXPECT_EQ(m.Priority, 2) << header.constData();
    }
}

TEST_F(MessageTest, SenderIsSplitIntoNameAndAddresses)
{
    struct Case { QByteArray from, replyAddress, fromAddress, name, reply, sender; };
    const Case cases[] = {
        {"Ann Lee <ann@example.org>", "", "", "Ann Lee", "ann@example.org", "ann@example.org"},
        {"Ann Lee <ann@example.org>", "other@example.org", "", "Ann Lee", "other@example.org", "ann@example.org"},
        {"Ann Lee", "desk@example.org", "ann@example.org", "Ann Lee", "desk@example.org", "ann@example.org"},
        {"Ann Lee", "desk@example.org", "", "Ann Lee", "desk@example.org", ""}, // received before it was kept
        {"ann@example.org", "", "", "ann@example.org", "", ""},
        {"\"Lee, Ann\"   <ann@x.org  >", "", "", "\"Lee, Ann\"", "ann@x.org", "ann@x.org"},
        {"a > b <c", "", "", "a > b", "", ""},
        {"   ", "", "", "", "", ""},
    };
    for (const Case &c : cases) {
        writeRaw("[Header]\r\nFrom=" + c.from + "\r\nReplyAddress=" + c.replyAddress
                 + (c.fromAddress.isEmpty() ? QByteArray() : "\r\nFromAddress=" + c.fromAddress) + "\r\n");
        cMailMessage m;
        ASSERT_TRUE(m.ReadFile(path(), true));
        EXPECT_EQ(m.From, c.name) << c.from.constData();
        EXPECT_EQ(m.ReplyAddress, c.reply) << c.from.constData();
        EXPECT_EQ(m.FromAddress, c.sender) << c.from.constData();
    }
    EXPECT_FALSE(SplitAddress("").has_value());
    EXPECT_EQ(SplitAddress("x <y> <z>")->address, QByteArray("z"));
}

TEST_F(MessageTest, AttachmentValuesSplitAtEverySemicolon)
{
    writeRaw("[Header]\r\nAttachments=/a;/b;\r\n");
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(path(), true));
    EXPECT_EQ(m.attachments, (QStringList{QStringLiteral("/a"), QStringLiteral("/b"), QString()}));
}

TEST_F(MessageTest, AnyAttachmentPathSurvivesAWriteAndOldListsReadAsBefore)
{
    cMailMessage m;
    m.attachments = {QStringLiteral("/in/invoice;.netrc"), QStringLiteral("/a\\b.txt"), QStringLiteral("/ends\\"),
                     QStringLiteral("/;starts"), QStringLiteral("/two\\\\;;x"), QStringLiteral("/plain.pdf")};
    ASSERT_TRUE(m.WriteFile(path()));
    cMailMessage back;
    ASSERT_TRUE(back.ReadFile(path(), true));
    EXPECT_EQ(back.attachments, m.attachments);

    writeRaw("[Header]\r\nAttachments=/home/ann/a\\b.txt;/x y.pdf\r\n");
    ASSERT_TRUE(back.ReadFile(path(), true));
    EXPECT_EQ(back.attachments, (QStringList{QStringLiteral("/home/ann/a\\b.txt"), QStringLiteral("/x y.pdf")}));
}

// Names in a legacy charset, broken or odd UTF-8: the stored line keeps every byte, read and
// written again.
TEST_F(MessageTest, AttachmentPathBytesSurviveReadingAndWritingAgain)
{
    const QList<QByteArray> paths{"/home/ann/caf\xe9.txt", "/mixed/\xc3\xa9-\xe9\xe9", "/cut/\xe2\x82",
                                  "/overlong/\xc0\xaf", "/surrogate/\xed\xb2\x80", "/emoji/\xf0\x9f\x92\x80\xe9",
                                  "/utf8/r\xc3\xa9sum\xc3\xa9.pdf"};
    for (const QByteArray &bytes : paths) {
        EXPECT_EQ(PathBytes(PathFromBytes(bytes)), bytes) << bytes.toHex().constData();
        writeRaw("[Header]\r\nAttachments=" + bytes + "\r\n");
        cMailMessage m;
        ASSERT_TRUE(m.ReadFile(path(), true));
        ASSERT_TRUE(m.WriteFile(path()));
        EXPECT_TRUE(contents().contains("\r\nAttachments=" + bytes + "\r\n")) << bytes.toHex().constData();
    }
    EXPECT_EQ(PathFromBytes("/utf8/r\xc3\xa9sum\xc3\xa9.pdf"), QStringLiteral("/utf8/r\u00e9sum\u00e9.pdf"));
}

TEST_F(MessageTest, RelativeAttachmentPathsNameFilesInTheAttachmentsFolderOnly)
{
    writeRaw("[Header]\r\nAttachments=.netrc;sub/../../up.txt;/abs.txt\r\n");
    cMailMessage m;
    SetAttachmentsFolder(QStringLiteral("/mail/Attachments"));
    ASSERT_TRUE(m.ReadFile(path(), true));
    EXPECT_EQ(m.attachments, (QStringList{QStringLiteral("/mail/Attachments/.netrc"), QString(), QStringLiteral("/abs.txt")}));
    SetAttachmentsFolder(QString());
    ASSERT_TRUE(m.ReadFile(path(), true));
    EXPECT_EQ(m.attachments, (QStringList{QString(), QString(), QStringLiteral("/abs.txt")}));
}

TEST_F(MessageTest, AnUnreadableFileGivesDefaultsAndAnError)
{
    cMailMessage m;
    m.Subject = "old";
    const cResult read = m.ReadFile(fDir.filePath(QStringLiteral("missing.qrz")));
    EXPECT_FALSE(read);
    EXPECT_TRUE(m.Subject.isEmpty());
    EXPECT_EQ(m.Priority, 2);
    EXPECT_EQ(read.cause(), eFailure::FileSystem);
    EXPECT_TRUE(read.text().contains(QStringLiteral("missing.qrz")));

    const cResult written = sample().WriteFile(fDir.filePath(QStringLiteral("no/such/dir/x.qrz")));
    EXPECT_EQ(written.cause(), eFailure::FileSystem);
    EXPECT_TRUE(written.text().contains(QStringLiteral("no/such/dir")));
}

TEST(NowText, HourAlwaysHasTwoDigits)
{
    const QDateTime morning(QDate(2026, 12, 8), QTime(9, 5, 7));
    const QByteArray us = NowText(morning, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.contains(" 09:05:07")) << us.constData();
    const QByteArray de = NowText(morning, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(de.endsWith(" 09:05:07")) << de.constData();
    const QByteArray evening = NowText(QDateTime(QDate(2026, 12, 8), QTime(21, 5, 7)), QLocale(QLocale::German));
    EXPECT_TRUE(evening.endsWith(" 21:05:07")) << evening.constData();
}

} // namespace
