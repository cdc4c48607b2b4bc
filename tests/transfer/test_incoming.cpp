// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionFixture.h"

#include "storage/DeferredFlush.h"
#include "storage/cFolderStore.h"
#include "storage/cOriginalStore.h"
#include "transfer/AttachmentNames.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cPop3State.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <ctime>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using IncomingTest = SessionFixture;

// A message with a text and one named base64 part per attachment.
QByteArray mailWith(const QList<std::pair<QByteArray, QByteArray>> &attachments)
{
    QByteArray mail = "From: Ann Lee <ann@example.org>\r\nSubject: with attachment\r\n"
                      "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\nHello\r\n";
    for (const auto &[name, data] : attachments)
        mail += "--b\r\nContent-Type: application/octet-stream\r\nContent-Disposition: attachment; filename=\"" + name
            + "\"\r\nContent-Transfer-Encoding: base64\r\n\r\n" + data.toBase64() + "\r\n";
    return mail + "--b--\r\n";
}

QByteArray mailWith(const QByteArray &name, const QByteArray &data)
{
    return mailWith({{name, data}});
}

QList<std::pair<QByteArray, QByteArray>> sameNamed(const QByteArray &name, int count)
{
    QList<std::pair<QByteArray, QByteArray>> parts;
    for (int i = 0; i < count; ++i)
        parts.append({name, QByteArray::number(i)});
    return parts;
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
    EXPECT_EQ(SafeAttachmentName("invoice;.netrc"), QStringLiteral("invoice_.netrc"));
    EXPECT_EQ(SafeAttachmentName("\xe2\x80\xae" "cod.exe"), QStringLiteral("cod.exe"));
    EXPECT_EQ(SafeAttachmentName("a\xe2\x81\xa6" "b\xe2\x80\x8f.txt"), QStringLiteral("ab.txt"));
    EXPECT_EQ(SafeAttachmentName("...hidden"), QStringLiteral("hidden"));
}

TEST(AttachmentNames, LongNamesAreCutInLinearTimeKeepingTheExtension)
{
    // Processor time: a busy machine must not fail the test, a quadratic step still does.
    const std::clock_t start = std::clock();
    const QString name = SafeAttachmentName(QByteArray(2 * 1024 * 1024, 'a') + ".pdf");
    const QString dots = SafeAttachmentName(QByteArray(1024 * 1024, '.') + "x");
    EXPECT_LT((std::clock() - start) * 1000 / CLOCKS_PER_SEC, 1000);
    EXPECT_EQ(name, QString(196, QLatin1Char('a')) + QStringLiteral(".pdf"));
    EXPECT_EQ(dots, QStringLiteral("x"));
    // Two-byte characters are never cut in half.
    const QString umlauts = SafeAttachmentName(QByteArray(301, 'x') + QByteArray(300, '\0').replace('\0', "\xc3\xa4"));
    EXPECT_LE(umlauts.toUtf8().size(), 200);
    EXPECT_FALSE(umlauts.contains(QChar::ReplacementCharacter));
}

TEST_F(IncomingTest, AttachmentsOfTheSameNameAreAllKeptInsideTheFolder)
{
    QStringList stored;
    const QList<std::pair<QByteArray, QByteArray>> attachments = {
        {"report.pdf", "first"}, {"report.pdf", "second"}, {"../../x", "up"}, {"..", "dots"}, {"/etc/passwd", "pw"},
        {"zeros.bin", QByteArray("new\0bytes", 9)}};
    for (const auto &[name, data] : attachments) {
        const auto result = cIncomingStore::Store(mailWith(name, data), QStringLiteral("Work"), QStringLiteral("Inbox"));
        ASSERT_TRUE(result) << result.text().toStdString();
        const QString path = result.value().path;
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
    const QString path = cIncomingStore::Store("From: Ann Lee <ann@example.org>\r\nReply-To: reply@example.org\r\n"
                                               "Subject: Hi\r\nContent-Type: text/html\r\n\r\n<p>Hi</p>\r\n",
                                               QStringLiteral("Work"), QStringLiteral("Inbox"))
                             .value()
                             .path;
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(path));
    EXPECT_EQ(record.From, QByteArray("Ann Lee"));
    EXPECT_EQ(record.ReplyAddress, QByteArray("reply@example.org"));
    EXPECT_EQ(record.Account, QByteArray("Work"));
    EXPECT_TRUE(record.Html);
    EXPECT_FALSE(record.Read);
    EXPECT_EQ(record.body, QList<QByteArray>{"<p>Hi</p>"});

    const QByteArray plain = "From: ann@example.org\r\nSubject: x\r\n\r\nbody\r\n";
    ASSERT_TRUE(record.ReadFile(cIncomingStore::Store(plain, QStringLiteral("Work"), QStringLiteral("Inbox")).value().path));
    EXPECT_EQ(record.From, QByteArray("ann@example.org"));
    EXPECT_EQ(record.ReplyAddress, QByteArray("ann@example.org"));
}

TEST_F(IncomingTest, AFailedWriteLeavesNothingBehind)
{
    // An Inbox that is a file cannot take messages, even for root.
    QDir(folder("Inbox")).removeRecursively();
    writeFile(QDir(fDir.path()).relativeFilePath(folder("Inbox")), "not a folder");
    const auto stored = cIncomingStore::Store(mailWith("a.bin", "data"), QStringLiteral("Work"), QStringLiteral("Inbox"));
    EXPECT_TRUE(stored.value().path.isEmpty());
    EXPECT_EQ(stored.cause(), eFailure::FileSystem);
    EXPECT_TRUE(stored.text().contains(QStringLiteral("Inbox"))) << stored.text().toStdString();
    EXPECT_TRUE(QDir(AttachmentsFolder()).entryList(QDir::Files).isEmpty());
}

// Large parts are written to their files as they are read, and a long text straight from the
// received bytes; neither leaves a temporary file behind, stored or not.
TEST_F(IncomingTest, LargePartsAndTextsAreStoredWholeAndLeaveNoTemporaries)
{
    QByteArray data(400 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = char(i * 7 % 251);
    QByteArray mail = mailWith({{"one.bin", data}, {"two.bin", data}});
    const QByteArray line = "a long text line, caf\xc3\xa9 and more";
    mail.replace("Hello\r\n", line.repeated(10000).replace("more", "more\r\n"));
    const auto temporaries = [] { return QDir(AttachmentsFolder()).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden); };

    const auto stored = cIncomingStore::Store(mail, QStringLiteral("Work"), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << stored.text().toStdString();
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    EXPECT_EQ(record.body, QList<QByteArray>(10000, line));
    ASSERT_EQ(record.attachments.size(), 2);
    for (const QString &path : record.attachments)
        EXPECT_EQ(contents(path), data) << path.toStdString();
    EXPECT_TRUE(temporaries().isEmpty()) << temporaries().join(u' ').toStdString();

    QDir(folder("Inbox")).removeRecursively();
    writeFile(QDir(fDir.path()).relativeFilePath(folder("Inbox")), "not a folder");
    EXPECT_FALSE(cIncomingStore::Store(mail, QStringLiteral("Work"), QStringLiteral("Inbox")));
    EXPECT_EQ(QDir(AttachmentsFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(IncomingTest, TenThousandSameNamedAttachmentsAreStoredQuickly)
{
    const QByteArray mail = mailWith(sameNamed("a.txt", cIncomingStore::kMaxAttachments));
    QSet<QString> paths;
    // Processor time, kernel included: a busy file system must not fail the test; a quadratic
    // search for a free name (tens of millions of look-ups) still does.
    const std::clock_t start = std::clock();
    for (int round = 0; round < 10000 / cIncomingStore::kMaxAttachments; ++round) {
        const auto stored = cIncomingStore::Store(mail, QStringLiteral("Work"), QStringLiteral("Inbox"), eDurability::Deferred);
        ASSERT_TRUE(stored) << stored.text().toStdString();
        cMailMessage record;
        ASSERT_TRUE(record.ReadFile(stored.value().path, true));
        ASSERT_EQ(record.attachments.size(), cIncomingStore::kMaxAttachments);
        EXPECT_EQ(contents(record.attachments.last()), QByteArray::number(cIncomingStore::kMaxAttachments - 1));
        paths.unite(QSet<QString>(record.attachments.begin(), record.attachments.end()));
    }
    EXPECT_LT((std::clock() - start) * 1000 / CLOCKS_PER_SEC, 20000);
    EXPECT_EQ(paths.size(), 10000);
    EXPECT_TRUE(paths.contains(AttachmentsFolder() + QStringLiteral("/a (9).txt")));
}

// 1,003 parts one level down once lost three with no word; the count is of every part at any depth.
TEST_F(IncomingTest, PartsBeyondTheLimitAreLeftOutWithANote)
{
    const QByteArray inner = mailWith(sameNamed("part.bin", cIncomingStore::kMaxAttachments + 2))
                                 .replace("boundary=b", "boundary=inner").replace("--b", "--inner");
    const QByteArray nested = "Subject: nested\r\nContent-Type: multipart/mixed; boundary=outer\r\n\r\n--outer\r\n"
        + inner.mid(inner.indexOf("Content-Type:")) + "--outer\r\nContent-Type: text/plain\r\n"
        "Content-Disposition: attachment; filename=last.txt\r\n\r\nlast\r\n--outer--\r\n";
    const auto stored = cIncomingStore::Store(nested, QStringLiteral("Work"), QStringLiteral("Inbox"), eDurability::Deferred);
    ASSERT_TRUE(stored) << stored.text().toStdString();
    const QString note = cIncomingStore::LeftOutText(stored.value());
    EXPECT_TRUE(note.contains(stored.value().path) && note.contains(QStringLiteral("3 more were not saved")))
        << note.toStdString();
    EXPECT_EQ(QDir(AttachmentsFolder()).entryList(QDir::Files).size(), cIncomingStore::kMaxAttachments);

    const auto whole = cIncomingStore::Store(mailWith("a", "b"), {}, QStringLiteral("Inbox"));
    ASSERT_TRUE(whole);
    EXPECT_TRUE(cIncomingStore::LeftOutText(whole.value()).isEmpty());
}

TEST_F(IncomingTest, HeaderValuesAreCappedWithAMarker)
{
    const QByteArray marker = " [...]";
    const QByteArray to = QByteArray(980, 't') + "@example.org";
    const QByteArray raw = "Subject: " + QByteArray(4 * 1024 * 1024, 's') + "\r\nTo: " + to + "\r\nCc: "
        + QByteArray("\xc3\xa4").repeated(cIncomingStore::kMaxHeaderValue) + "\r\nX-Short: kept\r\n\r\nx\r\n";
    const auto stored = cIncomingStore::Store(raw, QStringLiteral("Work"), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << stored.text().toStdString();
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    EXPECT_EQ(record.Subject.size(), cIncomingStore::kMaxHeaderValue);
    EXPECT_TRUE(record.Subject.endsWith(marker));
    EXPECT_EQ(record.To, to);
    EXPECT_TRUE(record.CC.endsWith(marker));
    EXPECT_FALSE(QString::fromUtf8(record.CC).contains(QChar::ReplacementCharacter));
    EXPECT_LE(record.headerLines.first().size(), cIncomingStore::kMaxHeaderValue);
    EXPECT_TRUE(record.headerLines.contains("X-Short: kept"));
}

TEST_F(IncomingTest, StoredFilesArePrivateAndStaleTemporariesGo)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    const QString stale = folder("Inbox") + QStringLiteral("/.mail7.qrz.%1-0badf00d.tmp").arg(child);
    const QString staleAttachment = AttachmentsFolder() + QStringLiteral("/.a.txt.%1-0badf00d.tmp").arg(child);
    for (const QString &path : {stale, staleAttachment})
        writeFile(QDir(fDir.path()).relativeFilePath(path), "half");

    const auto stored = cIncomingStore::Store(mailWith("a.txt", "data"), QStringLiteral("Work"), QStringLiteral("Inbox"));
    ASSERT_TRUE(stored) << stored.text().toStdString();
    const QString path = stored.value().path;
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_FALSE(QFileInfo::exists(staleAttachment));
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(path, true));
    for (const QString &file : {path, record.attachments.first()})
        EXPECT_EQ(QFileInfo(file).permissions() & 0x0077, 0) << file.toStdString();
}

TEST_F(IncomingTest, AnAttachmentIsNeverStoredExecutable)
{
    const mode_t before = umask(0);
    const QByteArray program = QByteArray("\x7f" "ELF\x02\x01\x01", 7) + QByteArray(64, '\0');
    const auto stored = cIncomingStore::Store(mailWith("setup.sh", program), QStringLiteral("Work"), QStringLiteral("Inbox"));
    umask(before);
    ASSERT_TRUE(stored) << stored.text().toStdString();
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path, true));
    ASSERT_EQ(record.attachments.size(), 1);
    EXPECT_FALSE(QFileInfo(record.attachments.first()).isExecutable());
    const QFile::Permissions ownerGroupOther = QFileInfo(record.attachments.first()).permissions() & 0x7077;
    EXPECT_EQ(ownerGroupOther, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(IncomingTest, AnAttachmentNamedWithASemicolonIsSentBackAsItself)
{
    const QString path =
        cIncomingStore::Store(mailWith("invoice;.netrc", "bill"), QStringLiteral("Work"), QStringLiteral("Unsent")).value().path;
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(path, false, true));
    ASSERT_EQ(record.attachments.size(), 1);
    EXPECT_EQ(QFileInfo(record.attachments.first()).fileName(), QStringLiteral("invoice_.netrc"));
    EXPECT_EQ(contents(record.attachments.first()), QByteArray("bill"));
}

} // namespace

namespace {

QString storeNoting(cPop3State &state, const QByteArray &uid, const QByteArray &subject)
{
    const auto noted = [&](const QString &path, const cMailMessage &record) {
        return state.Filing(uid, path, record.DateTime);
    };
    return cIncomingStore::Store("Subject: " + subject + "\r\n\r\n", QStringLiteral("Work"), QStringLiteral("Inbox"),
                                 eDurability::Deferred, noted)
        .value()
        .path;
}

// A process killed between filing messages and recording them: the next start takes from the
// journal exactly the messages whose files are there and are the ones it named.
TEST_F(IncomingTest, TheJournalProvesOnlyMessagesFiledWhole)
{
    cPop3State state(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(state.Load());
    const QString kept = storeNoting(state, "kept", "kept");
    ASSERT_FALSE(kept.isEmpty());
    ASSERT_TRUE(state.Filing("never-written", folder("Inbox") + QStringLiteral("/mail1.qrz"), "08.12.2026 10:00:00"));
    ASSERT_TRUE(state.Filing("someone-else", kept, "01.01.2001 00:00:00"));
    // A new process has noted nothing of what the killed one wrote.
    ASSERT_TRUE(FlushDeferredWrites());

    cPop3State restarted(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(restarted.Load());
    EXPECT_TRUE(restarted.Knows("kept"));
    EXPECT_TRUE(DeferredWritesWaiting().contains(kept));
    EXPECT_FALSE(restarted.Knows("never-written"));
    EXPECT_FALSE(restarted.Knows("someone-else"));
    EXPECT_TRUE(restarted.Changed());
    ASSERT_TRUE(restarted.Save());

    cPop3State again(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(again.Load());
    EXPECT_TRUE(again.Knows("kept"));
    EXPECT_FALSE(again.Changed());
    EXPECT_EQ(QFileInfo(again.Path()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), 0);
}

// Messages filed while the batch before them is flushed and recorded: a kill after that
// record still finds them in the journal.
TEST_F(IncomingTest, RecordingABatchKeepsTheJournalOfTheNextOne)
{
    cPop3State state(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(state.Load());
    ASSERT_FALSE(storeNoting(state, "recorded", "recorded").isEmpty());
    ASSERT_FALSE(storeNoting(state, "filed-before", "filed before").isEmpty());
    state.Record("recorded");
    ASSERT_TRUE(state.Save());
    ASSERT_FALSE(storeNoting(state, "filed-after", "filed after").isEmpty());

    cPop3State restarted(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(restarted.Load());
    for (const char *uid : {"recorded", "filed-before", "filed-after"})
        EXPECT_TRUE(restarted.Knows(uid)) << uid;
}

// A check deletes mail on the server once its flush is done: every file of a stored message,
// and the journal line that proves it, must wait for that flush, also after a rule moved it.
TEST_F(IncomingTest, EveryFileOfAStoredMessageWaitsForTheFlush)
{
    ASSERT_TRUE(FlushDeferredWrites());
    cPop3State state(QStringLiteral("ann"), QStringLiteral("pop.example.org"), 110);
    ASSERT_TRUE(state.Load());
    const QByteArray large(300 * 1024, 'x');
    const auto filing = [&](const QString &path, const cMailMessage &record) {
        return state.Filing("uid", path, record.DateTime);
    };
    const auto stored = cIncomingStore::Store(mailWith({{"large.bin", large}, {"small.txt", "small"}}),
                                              QStringLiteral("Work"), QStringLiteral("Inbox"), eDurability::Deferred, filing);
    ASSERT_TRUE(stored) << stored.text().toStdString();
    cMailMessage record;
    ASSERT_TRUE(record.ReadFile(stored.value().path));
    ASSERT_EQ(record.attachments.size(), 2);

    const QStringList waiting = DeferredWritesWaiting();
    for (const QString &path : record.attachments + QStringList{stored.value().path, cOriginalStore::PathOf(record.Original)})
        EXPECT_TRUE(waiting.contains(path)) << path.toStdString();
    EXPECT_TRUE(std::any_of(waiting.begin(), waiting.end(), [](const QString &path) { return path.endsWith(u".journal"); }))
        << waiting.join(u' ').toStdString();

    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Sorted")));
    const auto moved = cFolderStore::TransferMessage(stored.value().path, QStringLiteral("Sorted"), true);
    ASSERT_TRUE(moved);
    EXPECT_TRUE(DeferredWritesWaiting().contains(moved.value()));
    EXPECT_TRUE(FlushDeferredWrites());
    EXPECT_TRUE(DeferredWritesWaiting().isEmpty());
}

TEST_F(IncomingTest, ADamagedRecordIsNamedAndRebuilt)
{
    cPop3State state(QStringLiteral("odd/user name"), QStringLiteral("[::1]"), 995);
    ASSERT_TRUE(state.Load());
    state.Record("a");
    state.Record("b");
    ASSERT_TRUE(state.Save());
    EXPECT_TRUE(QFileInfo(state.Path()).fileName().startsWith(QStringLiteral("Ravelin2 POP3 state odd_user_name@_::1_:995-")))
        << state.Path().toStdString();
    QFile file(state.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    for (const QByteArray &damaged : {whole.left(whole.size() - 8), whole + "garbage\n", QByteArray("\x01\x02"),
                                      QByteArray(whole).replace(" a\n", " a\n17 x\n")}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        cPop3State reread(QStringLiteral("odd/user name"), QStringLiteral("[::1]"), 995);
        const cResult loaded = reread.Load();
        EXPECT_EQ(loaded.cause(), eFailure::Format) << damaged.toStdString();
        EXPECT_TRUE(loaded.text().contains(state.Path()));
        EXPECT_FALSE(reread.Knows("a"));
        reread.Record("c");
        ASSERT_TRUE(reread.Save());
        cPop3State rebuilt(QStringLiteral("odd/user name"), QStringLiteral("[::1]"), 995);
        ASSERT_TRUE(rebuilt.Load());
        EXPECT_TRUE(rebuilt.Knows("c"));
    }
}

} // namespace
