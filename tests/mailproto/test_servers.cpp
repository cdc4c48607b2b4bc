// SPDX-License-Identifier: GPL-3.0-or-later
// The clients against servers nobody here wrote: aiosmtpd delivers what TVrxSMTP sends into a
// Maildir, dovecot serves that Maildir to TVrxPOP. What arrives must be byte for byte what was
// built, and what comes back must be what was attached.
#include "TestSupport.h"

#include "../servers/MailServerEnv.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"
#include "mime/cMimeReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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

// What a strict reader (Python's email package, policy strict) makes of a delivered message.
QJsonObject StrictlyRead(const QString &path)
{
    QProcess reader;
    reader.start(u"/usr/bin/python3"_s, {qEnvironmentVariable("RAVELIN_TEST_DATA") + u"/strict_read.py"_s, path});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
        return {{u"failed"_s, QString::fromUtf8(reader.readAllStandardError())}};
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

QJsonArray Mailbox(const QString &name, const QString &address)
{
    return {name, address};
}

} // namespace

// Every hard case at once: names with commas, periods, quotes and letters beyond ASCII, a line
// of 2,000 characters, 8-bit text, stored fields; read back by a strict reader as written.
TEST_F(RealServers, HardCasesReadBackByAStrictReaderAsWritten)
{
    for (const QString &old : Delivered() + Delivered(u"/cur"_s))
        QFile::remove(old);
    const QByteArray textContent = "Gr\xc3\xbc\xc3\x9f" "e\nzweite Zeile\n";
    const QByteArray binary = RandomBytes(3000, 7);
    const QString names[] = {u"Gr\u00FC\u00DFe \"zitiert\" \\ back.txt"_s, u"plain name.bin"_s,
                             QString(70, u'\u00E9') + u" long.bin"_s};
    TVrxMsg msg;
    msg.From = "J\xc3\xb6rg Doe, Jr. <alice@example.org>";
    msg.SendTo = "\"Smith, Bob\" <bob@example.org>, \xc3\x85nn Lee <ann@example.org>";
    msg.CC = "J. R. Doe <dave@example.org>";
    msg.ReplyTo = "R\xc3\xa9ponse <reply@example.org>";
    msg.Bcc = "hidden@example.org";
    msg.Subject = "Gr\xc3\xbc\xc3\x9f" "e \"quoted\" " + QByteArray(120, 'x');
    msg.Text = {QByteArray(2000, 'a'), "Gr\xc3\xbc\xc3\x9f" "e", ".", "end"};
    msg.ExtraHeaders = {"Organisation: M\xc3\xbcller & S\xc3\xb6hne", "X-Stored: one", "  two"};
    msg.AttachedFiles.Add(ScratchFile(names[0], textContent));
    msg.AttachedFiles.Add(ScratchFile(names[1], binary));
    msg.AttachedFiles.Add(ScratchFile(names[2], binary));
    msg.AttachedFiles.Add(ScratchFile(u"Forwarded.eml"_s, "From: Bob <bob@example.org>\r\nSubject: Lunch\r\n\r\n.\r\nSee you.\r\n"));

    TVrxSMTP smtp;
    smtp.Host = env.SmtpHost;
    smtp.Port = env.SmtpPort;
    smtp.Connect();
    ASSERT_TRUE(smtp.Send(msg)) << smtp.ReplyText().constData();
    smtp.Quit();
    const QStringList delivered = Delivered();
    ASSERT_EQ(delivered.size(), 1);
    EXPECT_FALSE(ReadFile(delivered.first()).contains("hidden@"));

    const QJsonObject seen = StrictlyRead(delivered.first());
    ASSERT_FALSE(seen.contains(u"failed"_s)) << seen.value(u"failed"_s).toString().toStdString();
    // The one thing a strict reader flags: the RFC 2047 words inside name="..." that readers
    // without RFC 2231 need; FileName*= beside it is what this reader takes.
    QJsonArray defects = seen.value(u"defects"_s).toArray();
    for (qsizetype i = defects.size() - 1; i >= 0; --i)
        if (defects.at(i).toString().startsWith(u"Content-Type: encoded word inside quoted string"_s)
            || defects.at(i).toString().startsWith(u"Content-Type: missing trailing whitespace after encoded-word"_s))
            defects.removeAt(i);
    EXPECT_EQ(defects, QJsonArray()) << QJsonDocument(defects).toJson().constData();
    EXPECT_EQ(seen.value(u"header_faults"_s).toArray(), QJsonArray());
    const QJsonObject headers = seen.value(u"headers"_s).toObject();
    EXPECT_EQ(headers.value(u"From"_s).toArray(), QJsonArray({Mailbox(u"J\u00F6rg Doe, Jr."_s, u"alice@example.org"_s)}));
    EXPECT_EQ(headers.value(u"To"_s).toArray(), QJsonArray({Mailbox(u"Smith, Bob"_s, u"bob@example.org"_s),
                                                            Mailbox(u"\u00C5nn Lee"_s, u"ann@example.org"_s)}));
    EXPECT_EQ(headers.value(u"Cc"_s).toArray(), QJsonArray({Mailbox(u"J. R. Doe"_s, u"dave@example.org"_s)}));
    EXPECT_EQ(headers.value(u"Reply-To"_s).toArray(), QJsonArray({Mailbox(u"R\u00E9ponse"_s, u"reply@example.org"_s)}));
    EXPECT_EQ(headers.value(u"Subject"_s).toString(), QString::fromUtf8(msg.Subject));
    EXPECT_EQ(headers.value(u"Organisation"_s).toString(), u"M\u00FCller & S\u00F6hne"_s);
    EXPECT_TRUE(headers.value(u"Message-Id"_s).toString().endsWith(u"@example.org>"_s));
    // Python's quoted-printable decoder drops the final line end; the lines are what counts.
    const QJsonArray texts = seen.value(u"texts"_s).toArray();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts.at(0).toString().split(u'\n', Qt::SkipEmptyParts), QString::fromUtf8(msg.Text.join('\n')).split(u'\n'));

    const QJsonArray attachments = seen.value(u"attachments"_s).toArray();
    ASSERT_EQ(attachments.size(), 4);
    EXPECT_EQ(attachments.at(3).toObject(), QJsonObject({{u"name"_s, u"Forwarded.eml"_s}, {u"type"_s, u"message/rfc822"_s},
                                                         {u"subject"_s, u"Lunch"_s}}));
    const QByteArray contents[] = {textContent, binary, binary};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject item = attachments.at(i).toObject();
        EXPECT_EQ(item.value(u"name"_s).toString(), names[i]);
        EXPECT_EQ(item.value(u"sha256"_s).toString().toLatin1(),
                  QCryptographicHash::hash(contents[i], QCryptographicHash::Sha256).toHex());
    }
    EXPECT_EQ(attachments.at(0).toObject().value(u"charset"_s).toString(), u"utf-8"_s);
}

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
