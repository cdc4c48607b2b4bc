#include "SessionFixture.h"

#include "mailproto/TVrxMessageParser.h"
#include "transfer/AttachmentNames.h"
#include "transfer/cIncomingStore.h"

#include <QFileInfo>
#include <QSet>

namespace {

using IncomingTest = SessionFixture;

std::unique_ptr<TVrxMsg> messageWithAttachment(const QByteArray &name, const QByteArray &data)
{
    auto msg = std::make_unique<TVrxMsg>();
    msg->From = "Ann Lee <ann@example.org>";
    msg->Subject = "with attachment";
    msg->Text = {"Hello"};
    msg->AttachedFiles.AddReceived(name).Stream = data;
    return msg;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(AttachmentNames, HostileNamesStayPlainNames)
{
    EXPECT_EQ(SafeAttachmentName("../../x"), QStringLiteral("x"));
    EXPECT_EQ(SafeAttachmentName(".."), QStringLiteral("_Cosa_"));
    EXPECT_EQ(SafeAttachmentName("/etc/passwd"), QStringLiteral("etcpasswd"));
    EXPECT_EQ(SafeAttachmentName("a\\b\r\n\tc.txt"), QStringLiteral("abc.txt"));
    EXPECT_EQ(SafeAttachmentName("caf\xc3\xa9.txt"), QString::fromUtf8("caf\xc3\xa9.txt"));
    EXPECT_EQ(SafeAttachmentName("caf\xe9.txt"), QString::fromLatin1("caf\xe9.txt"));
    EXPECT_LE(SafeAttachmentName(QByteArray(5000, 'a')).size(), 255);
}

TEST_F(IncomingTest, AttachmentsOfTheSameNameAreAllKeptInsideTheFolder)
{
    QStringList stored;
    const QList<std::pair<QByteArray, QByteArray>> attachments = {
        {"report.pdf", "first"}, {"report.pdf", "second"}, {"../../x", "up"}, {"..", "dots"}, {"/etc/passwd", "pw"}};
    for (const auto &[name, data] : attachments) {
        QString error;
        const QString path = cIncomingStore::Store(*messageWithAttachment(name, data), QStringLiteral("Work"),
                                                   QStringLiteral("Inbox"), &error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
        cMailMessage record;
        ASSERT_TRUE(record.ReadFile(path));
        ASSERT_EQ(record.attachments.size(), 1);
        const QString saved = record.attachments.first();
        EXPECT_EQ(QFileInfo(saved).absolutePath(), QFileInfo(AttachmentsFolder()).absoluteFilePath()) << saved.toStdString();
        EXPECT_EQ(contents(saved), data);
        stored.append(saved);
    }
    EXPECT_EQ(QFileInfo(stored.at(1)).fileName(), QStringLiteral("report (2).pdf"));
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()).size(), stored.size());
}

TEST_F(IncomingTest, AStoredRecordCarriesTheSenderAndTheAccount)
{
    TVrxMessageParser parser;
    const auto msg = parser.Parse("From: Ann Lee <ann@example.org>\r\nReply-To: reply@example.org\r\n"
                                  "Subject: Hi\r\nContent-Type: text/html\r\n\r\n<p>Hi</p>\r\n");
    QString error;
    const QString path = cIncomingStore::Store(*msg, QStringLiteral("Work"), QStringLiteral("Inbox"), &error);
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(path));
    EXPECT_EQ(record.From, QByteArray("Ann Lee"));
    EXPECT_EQ(record.ReplyAddress, QByteArray("reply@example.org"));
    EXPECT_EQ(record.Account, QByteArray("Work"));
    EXPECT_TRUE(record.Html);
    EXPECT_FALSE(record.Read);
    EXPECT_EQ(record.body, QList<QByteArray>{"<p>Hi</p>"});

    const auto plain = parser.Parse("From: ann@example.org\r\nSubject: x\r\n\r\nbody\r\n");
    ASSERT_TRUE(record.ReadFile(cIncomingStore::Store(*plain, QStringLiteral("Work"), QStringLiteral("Inbox"), &error)));
    EXPECT_EQ(record.From, QByteArray("ann@example.org"));
    EXPECT_TRUE(record.ReplyAddress.isEmpty());
}

TEST_F(IncomingTest, AFailedWriteLeavesNothingBehind)
{
    // An Inbox that is a file cannot take messages, even for root.
    QDir(folder("Inbox")).removeRecursively();
    writeFile(QStringLiteral("mail/Mail/Inbox"), "not a folder");
    QString error;
    const QString path = cIncomingStore::Store(*messageWithAttachment("a.bin", "data"), QStringLiteral("Work"),
                                               QStringLiteral("Inbox"), &error);
    EXPECT_TRUE(path.isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("Inbox"))) << error.toStdString();
    EXPECT_TRUE(QDir(AttachmentsFolder()).entryList(QDir::Files).isEmpty());
}

} // namespace
