// The clients against servers nobody here wrote: aiosmtpd delivers what TVrxSMTP sends into a
// Maildir, dovecot serves that Maildir to TVrxPOP. What arrives must be byte for byte what was
// built, and what comes back must be what was attached.
#include "TestSupport.h"

#include "../servers/MailServerEnv.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"
#include "mime/cMimeReader.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QList<qsizetype> AttachmentSizes = {0, 1, 2, 57, 58, 1000000};
const QList<QByteArray> BodyText = {"Dear Bob,", ".", ".leading dot", "..two dots", "Gr\xc3\xbc\xc3\x9f" "e", ""};

class RealServers : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!env.Load())
            GTEST_FAIL() << "the mailservers fixture did not run (RAVELIN_MAILSERVERS_ENV)";
    }

    void MakeMessage(TVrxMsg &msg, const QString &subject) const
    {
        msg.From = "alice@example.org";
        msg.SendTo = "bob@example.org, carol@example.org";
        msg.CC = "dave@example.org";
        msg.Subject = subject.toUtf8();
        msg.Text = BodyText;
        for (const qsizetype size : AttachmentSizes)
            msg.AttachedFiles.Add(ScratchFile(u"file%1.bin"_s.arg(size), RandomBytes(size, quint32(size))));
    }

    QStringList Delivered(const QString &folder = u"/new"_s) const
    {
        QDir dir(env.Maildir + folder);
        QStringList paths;
        for (const QString &name : dir.entryList(QDir::Files, QDir::Time | QDir::Reversed))
            paths.append(dir.filePath(name));
        return paths;
    }

    MailServerEnv env;
};

// Values that differ between two builds of the same message.
QByteArray Normalized(const QByteArray &text)
{
    static const QRegularExpression varying(u"(Message-Id: |Date: )[^\n]*|--_VRX_bound_[a-y]{12}"_s);
    return QString::fromUtf8(text).replace(varying, u"\\1*"_s).toUtf8();
}

// The first line where two texts differ, with its number, or empty when they are equal.
QByteArray FirstDifference(const QByteArray &actual, const QByteArray &expected)
{
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i)
        if (a.value(i) != e.value(i))
            return "line " + QByteArray::number(i + 1) + ": \"" + a.value(i) + "\" instead of \"" + e.value(i) + '"';
    return {};
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST_F(RealServers, SentMessagesArriveExactlyAndComeBackThroughPop3)
{
    // Other tests share the mailbox; what they read moved to cur/.
    for (const QString &old : Delivered() + Delivered(u"/cur"_s))
        QFile::remove(old);

    TVrxSMTP smtp;
    smtp.Host = env.SmtpHost;
    smtp.Port = env.SmtpPort;
    smtp.Connect();
    ASSERT_FALSE(smtp.Failed()) << smtp.ReplyText().constData();
    TVrxMsg first, second;
    MakeMessage(first, u"First"_s);
    MakeMessage(second, u"Second"_s);
    ASSERT_TRUE(smtp.Send(first));
    ASSERT_TRUE(smtp.Send(second));
    smtp.Quit();
    EXPECT_FALSE(smtp.Failed());

    const QStringList delivered = Delivered();
    ASSERT_EQ(delivered.size(), 2);
    TVrxMsg rebuilt;
    MakeMessage(rebuilt, u"First"_s);
    // The server undoes the dot-stuffing, so it stores the lines as built.
    const QList<QByteArray> sentLines = smtp.BuildMessageLines(rebuilt);
    const QByteArray expected = sentLines.join('\n') + "\n";
    EXPECT_EQ(FirstDifference(Normalized(ReadFile(delivered.first())), Normalized(expected)), QByteArray());

    TVrxPOP pop;
    pop.Host = env.Pop3Host;
    pop.Port = env.Pop3Port;
    pop.UserId = env.User;
    pop.Passwd = env.Password;
    pop.AllowPasswordInClear = true;
    pop.Connect();
    ASSERT_FALSE(pop.Failed());
    ASSERT_TRUE(pop.Login());
    EXPECT_EQ(pop.CheckMail(), 0);
    EXPECT_FALSE(pop.LastSupported());
    EXPECT_FALSE(pop.Failed());
    ASSERT_EQ(pop.MessageCount(), 2);
    for (quint16 number = 1; number <= 2; ++number) {
        const auto raw = pop.Retrieve(number);
        ASSERT_TRUE(raw);
        const cDecodedMail msg = cMimeReader::Read(*raw);
        EXPECT_EQ(msg.subject, number == 1 ? u"First"_s : u"Second"_s);
        EXPECT_EQ(msg.cc, u"dave@example.org"_s);
        EXPECT_EQ(msg.text.toUtf8().replace("\r\n", "\n").split('\n'), BodyText);
        ASSERT_EQ(msg.attachments.size(), AttachmentSizes.size());
        for (int i = 0; i < AttachmentSizes.size(); ++i) {
            const qsizetype size = AttachmentSizes.at(i);
            EXPECT_EQ(msg.attachments.at(i).fileName, u"file%1.bin"_s.arg(size));
            EXPECT_EQ(msg.attachments.at(i).data, RandomBytes(size, quint32(size))) << size;
        }
        pop.Delete(number);
    }
    pop.Quit();
    EXPECT_FALSE(pop.Failed());

    pop.Connect();
    ASSERT_TRUE(pop.Login());
    pop.CheckMail();
    EXPECT_EQ(pop.MessageCount(), 0);
    pop.Quit();
}
