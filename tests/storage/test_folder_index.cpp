// SPDX-License-Identifier: GPL-3.0-or-later
// The listing cache: whatever happened to the files and to the cache itself, a listing through
// it gives what reading every file gives, and the cache never keeps a folder from going.
#include "StorageFixture.h"

#include "storage/ParallelFor.h"
#include "storage/cFolderIndex.h"
#include "storage/cFolderStore.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <sys/stat.h>

namespace {

const QByteArray kDates[] = {"08.12.2026 09:05:07", "9 Dec 2026 03:47:00", "12/9/26 03:47:00 PM", "09.12.26 15:47:00",
                             "damaged"};

class FolderIndexTest : public StorageFixture
{
protected:
    void SetUp() override
    {
        StorageFixture::SetUp();
        initStorage();
        fInbox = MailFolderPath(QStringLiteral("Inbox"));
    }

    QString indexFile() const { return fInbox + QLatin1Char('/') + cFolderIndex::kFileName; }

    void put(const QString &name, const QByteArray &subject, bool read = false, bool attached = false,
             const QByteArray &date = "08.12.2026 09:05:07")
    {
        cMailMessage m;
        m.Subject = subject;
        m.From = "Ann Lee <ann@example.org>";
        m.DateTime = date;
        m.Read = read;
        if (attached)
            m.attachments = {QStringLiteral("/att/a.pdf")};
        ASSERT_TRUE(m.WriteFile(fInbox + QLatin1Char('/') + name, eDurability::Deferred));
    }

    static QStringList subjects(const std::vector<cIndexEntry> &entries)
    {
        QStringList texts;
        for (const cIndexEntry &entry : entries)
            texts.append(QString::fromUtf8(entry.Subject));
        texts.sort();
        return texts;
    }

    // One of the ways a cache file goes bad, or none.
    void Damage(QRandomGenerator &random) const
    {
        QFile file(indexFile());
        if (!file.exists() || !file.open(QIODevice::ReadWrite))
            return;
        QByteArray bytes = file.readAll();
        switch (random.bounded(8)) {
        case 0: bytes.truncate(random.bounded(int(bytes.size()))); break;
        case 1:
            for (char &byte : bytes)
                byte = char(random.bounded(256));
            break;
        case 2: bytes[7] = char(bytes[7] + 1); break; // the format version
        case 3: {
            const int at = random.bounded(int(bytes.size()));
            bytes[at] = char(bytes[at] ^ 0x20);
            break;
        }
        default: return;
        }
        file.resize(0);
        file.write(bytes);
    }

    QString fInbox;
};

TEST_F(FolderIndexTest, AListingWritesTheCacheAndTheNextOneReadsOnlyWhatChanged)
{
    put(QStringLiteral("mail1.qrz"), "One");
    put(QStringLiteral("mail2.qrz"), "Two", true, true);
    const std::vector<cIndexEntry> first = cFolderIndex::List(fInbox);
    EXPECT_EQ(subjects(first), (QStringList{QStringLiteral("One"), QStringLiteral("Two")}));
    EXPECT_EQ(cFolderIndex::Load(fInbox).size(), 2u);

    // A cached entry is taken as it is while its file is unchanged: here the cache is made to
    // say something else under the file's own stamp, and that is what is listed.
    std::vector<cIndexEntry> doctored = cFolderIndex::Load(fInbox);
    for (cIndexEntry &entry : doctored) {
        entry.Subject = "from the cache";
        entry.dateKey = 42;
    }
    ASSERT_TRUE(cFolderIndex::Save(fInbox, doctored));
    const std::vector<cIndexEntry> cached = cFolderIndex::List(fInbox);
    EXPECT_EQ(subjects(cached), (QStringList{QStringLiteral("from the cache"), QStringLiteral("from the cache")}));
    EXPECT_EQ(cached.front().dateKey, 42);

    // A file written again is read again, even at the same size.
    put(QStringLiteral("mail1.qrz"), "Uno");
    EXPECT_EQ(subjects(cFolderIndex::List(fInbox)),
              (QStringList{QStringLiteral("Uno"), QStringLiteral("from the cache")}));
}

TEST_F(FolderIndexTest, OnlyMessageFilesAreListedAndTheCacheIsNoMessage)
{
    put(QStringLiteral("mail1.qrz"), "One");
    put(QStringLiteral("OTHER.QRZ"), "Upper case");
    put(QStringLiteral(".hidden.qrz"), "Hidden");
    writeFile(fInbox + QStringLiteral("/notes.txt"), "not mail");
    ASSERT_TRUE(QDir().mkpath(fInbox + QStringLiteral("/sub.qrz")));
    EXPECT_EQ(subjects(cFolderIndex::List(fInbox)), (QStringList{QStringLiteral("One"), QStringLiteral("Upper case")}));
    ASSERT_TRUE(QFile::exists(indexFile()));
    EXPECT_EQ(cFolderStore::MessageFiles(QStringLiteral("Inbox")).size(), 2);
}

TEST_F(FolderIndexTest, AFolderThatCannotTakeTheCacheStillLists)
{
    put(QStringLiteral("mail1.qrz"), "One");
    // A directory in the cache's place makes every write of it fail, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(indexFile()));
    EXPECT_EQ(subjects(cFolderIndex::List(fInbox)), (QStringList{QStringLiteral("One")}));
    EXPECT_TRUE(cFolderIndex::Load(fInbox).empty());
    EXPECT_TRUE(cFolderIndex::List(QStringLiteral("/nonexistent/folder")).empty());
}

TEST_F(FolderIndexTest, TheCacheKeepsNoFolderAliveAndEmptyingLeavesItHarmless)
{
    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Projects")));
    const QString projects = MailFolderPath(QStringLiteral("Projects"));
    cMailMessage m;
    m.Subject = "Plan";
    ASSERT_TRUE(m.WriteFile(projects + QStringLiteral("/mail1.qrz")));
    ASSERT_EQ(cFolderIndex::List(projects).size(), 1u);
    ASSERT_TRUE(QFile::exists(projects + QLatin1Char('/') + cFolderIndex::kFileName));
    EXPECT_EQ(cFolderStore::UserFolders(), QStringList{QStringLiteral("Projects")});
    EXPECT_TRUE(cFolderStore::RemoveFolder(QStringLiteral("Projects")));
    EXPECT_FALSE(QFileInfo::exists(projects));

    put(QStringLiteral("mail1.qrz"), "One");
    ASSERT_EQ(cFolderIndex::List(fInbox).size(), 1u);
    ASSERT_TRUE(cFolderStore::ClearFolder(QStringLiteral("Inbox")));
    EXPECT_TRUE(cFolderIndex::List(fInbox).empty());
}

// The first cache format, without date keys, as earlier versions wrote it.
void writeCacheWithoutKeys(const QString &file, const std::vector<cIndexEntry> &entries)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint32(entries.size());
    for (const cIndexEntry &e : entries)
        out << e.stamp.name << e.stamp.size << e.stamp.modified << e.stamp.inode << e.Subject << e.To << e.From
            << e.DateTime << quint8(quint8(e.Html) | quint8(e.Read) << 1 | quint8(e.hasAttachments) << 2);
    QByteArray head;
    QDataStream headOut(&head, QIODevice::WriteOnly);
    headOut.setVersion(QDataStream::Qt_6_0);
    headOut << quint32(0x52564958) << quint32(1) << qint64(payload.size())
            << QCryptographicHash::hash(payload, QCryptographicHash::Md5);
    QFile cache(file);
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.write(head + payload);
}

// An older cache lacks fields of the entries: it counts as missing and is written anew.
TEST_F(FolderIndexTest, ACacheOfAnOlderFormatIsMadeAnew)
{
    put(QStringLiteral("mail1.qrz"), "One", false, false, "9 Dec 2026 03:47:00");
    put(QStringLiteral("mail2.qrz"), "Two", false, false, "not a date");
    const std::vector<cIndexEntry> current = cFolderIndex::List(fInbox);
    ASSERT_EQ(current.size(), 2u);
    EXPECT_NE(current.front().dateKey, current.back().dateKey);
    writeCacheWithoutKeys(indexFile(), current);
    const QByteArray old = [this] {
        QFile file(indexFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    EXPECT_TRUE(cFolderIndex::Load(fInbox).empty());
    EXPECT_EQ(cFolderIndex::List(fInbox), current);
    QFile rewritten(indexFile());
    ASSERT_TRUE(rewritten.open(QIODevice::ReadOnly));
    EXPECT_NE(rewritten.readAll(), old);
    EXPECT_EQ(cFolderIndex::Load(fInbox), current);
}

// Files come, go and change between listings, and now and then the cache is damaged: a
// listing through the cache always equals reading every file.
TEST_F(FolderIndexTest, RandomChangesAndDamageNeverShowInTheListing)
{
    const quint32 seed = 20261208;
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    QRandomGenerator random(seed);
    QStringList names;
    int next = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        for (int added = random.bounded(4); added > 0; --added) {
            names.append(QStringLiteral("mail%1.qrz").arg(next++));
            put(names.last(), "new " + QByteArray::number(round), random.bounded(2), random.bounded(2),
                kDates[random.bounded(int(std::size(kDates)))]);
        }
        for (int gone = random.bounded(3); gone > 0 && !names.isEmpty(); --gone)
            ASSERT_TRUE(QFile::remove(fInbox + QLatin1Char('/') + names.takeAt(random.bounded(names.size()))));
        // Another subject, or only the read mark, which keeps the file's length.
        for (int changed = random.bounded(3); changed > 0 && !names.isEmpty(); --changed)
            put(names.at(random.bounded(names.size())), "chg " + QByteArray::number(round % 10), random.bounded(2));
        Damage(random);
        const std::vector<cIndexEntry> cached = cFolderIndex::List(fInbox);
        ASSERT_EQ(cached, cFolderIndex::ListUncached(fInbox));
        ASSERT_EQ(cFolderIndex::Load(fInbox), cached);
    }
}

// Files as the program writes them and as hands and other versions leave them: the list reads
// of each what reading the whole record gives.
TEST_F(FolderIndexTest, TheListReadsEachFileAsTheWholeRecordDoes)
{
    const QByteArray longSubject(10000, 'x');
    const QByteArray files[] = {
        "[Header]\r\nSubject=Hello\r\nTo=bob@example.org\r\nFrom=Ann Lee <ann@example.org>\r\nDateTime=9 Dec 2026 "
        "03:47:00\r\nRead=1\r\nAttachments=/att/a.pdf;/att/b.pdf\r\nHtml=1\r\nX_MailBoundary=7\r\nX_MailBoundary=7\r\n"
        "Subject: other\r\nX_MailBoundary!7\r\nbody\r\n",
        // Key case, blanks, repeated keys, numbers that are no flags.
        "[Header]\nsubject = First \nSUBJECT=Second\n  From =Only a name\nread=+1\nHtml=yes\nRead=0\n"
        "Attachments=\nDATETIME=12/9/26 3:47:00\xe2\x80\xafPM\n",
        "[Header]\nRead=99999999999\nHtml= -2 \nFrom=   \nAttachments=;\n",
        // Sections around it; keys outside it count for nothing.
        "Subject=before\n[Other]\nSubject=other\n[ header ]\r\r\nSubject=Mine\r\r\n[Other]\nTo=later\n",
        "[Header]\rSubject=CR only\rRead=1\r",
        // The boundary key in any case ends the fields; the mail after it is no field.
        "[Header]\nSubject=Kept\nx_mailboundary=3\nTo=mail header\nX_MailBoundary!3\nRead=1\n",
        "[Header]\nTo=no boundary and no final line end\nSubject=" + longSubject + "\nFrom=<ann@example.org>",
        // The thread fields come from the mail's header lines only: folded, in any case, the
        // first of each, none from the keys before or the body after.
        "[Header]\r\nSubject=Re: x\r\nMessage-ID=<key@x>\r\nX_MailBoundary=4\r\nmessage-id: <a@x>\r\n"
        "References: <r1@x>\r\n\t<r2@x>\r\nMessage-ID: <b@x>\r\nIn-Reply-To: <r2@x>\r\nX_MailBoundary!4\r\n"
        "References: <body@x>\r\n",
        "[Header]\nX_MailBoundary=5\nX_MailBoundary!4\nReferences: <r@x>\nX_MailBoundary!5\nIn-Reply-To: <body@x>\n",
        "",
        "no section at all\nSubject=x\n",
    };
    int n = 0;
    for (const QByteArray &text : files) {
        SCOPED_TRACE(testing::Message() << "file " << n);
        const QString name = QStringLiteral("case%1.qrz").arg(n++);
        writeFile(fInbox + QLatin1Char('/') + name, text);
    }
    for (const cFileStamp &stamp : cFolderIndex::Scan(fInbox)) {
        SCOPED_TRACE(stamp.name.toStdString());
        cMailMessage whole;
        ASSERT_TRUE(whole.ReadFile(fInbox + QLatin1Char('/') + stamp.name));
        const cResultOf<cIndexEntry> listed = cFolderIndex::Read(fInbox, stamp);
        ASSERT_TRUE(listed);
        EXPECT_EQ(listed.value(), cFolderIndex::Entry(stamp, whole));
    }
    const cIndexEntry threaded = cFolderIndex::Read(fInbox, {QStringLiteral("case7.qrz")}).value();
    EXPECT_EQ(threaded.MessageId, "<a@x>");
    EXPECT_EQ(threaded.References, "<r1@x> <r2@x> <r2@x>");
    EXPECT_EQ(cFolderIndex::Read(fInbox, {QStringLiteral("case8.qrz")}).value().References, "<r@x>");
    EXPECT_EQ(cFolderIndex::ListUncached(fInbox).size(), std::size(files));
}

// What is no message file is passed over without being read, a pipe included, which would
// hold a listing that opened it waiting for a writer.
TEST_F(FolderIndexTest, APipeOrFolderNamedLikeAMessageIsPassedOver)
{
    put(QStringLiteral("mail1.qrz"), "One");
    ASSERT_EQ(mkfifo(QFile::encodeName(fInbox + QStringLiteral("/pipe.qrz")).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(fInbox + QStringLiteral("/folder.qrz")));
    EXPECT_EQ(subjects(cFolderIndex::List(fInbox)), QStringList{QStringLiteral("One")});
    EXPECT_EQ(subjects(cFolderIndex::ListUncached(fInbox)), QStringList{QStringLiteral("One")});
    EXPECT_EQ(cFolderIndex::Scan(fInbox).size(), 1u);
    EXPECT_FALSE(cFolderIndex::Read(fInbox, {QStringLiteral("folder.qrz")}));
}

TEST(ParallelForTest, EveryIndexRunsExactlyOnce)
{
    for (const std::size_t count : {0, 1, 255, 256, 257, 513, 20000}) {
        SCOPED_TRACE(testing::Message() << count << " steps");
        std::vector<std::atomic<int>> runs(count);
        ParallelFor(count, [&runs](std::size_t at) { ++runs[at]; });
        EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [](const std::atomic<int> &n) { return n == 1; }));
    }
}

// Enough files for the stats and reads to be shared between threads: the listing must still
// hold every readable file once, in the directory's order, cached or not.
TEST_F(FolderIndexTest, ABigFolderListsInDirectoryOrderCachedOrNot)
{
    for (int n = 0; n < 1200; ++n)
        put(QStringLiteral("mail%1.qrz").arg(n), "subject " + QByteArray::number(n), n % 2);
    const QString locked = fInbox + QStringLiteral("/mail7.qrz");
    ASSERT_TRUE(QFile::setPermissions(locked, {}));
    const bool lockedOut = !QFile(locked).open(QIODevice::ReadOnly);
    (void)cFolderIndex::List(fInbox);
    for (int n = 0; n < 1200; n += 5)
        put(QStringLiteral("mail%1.qrz").arg(n), "changed " + QByteArray::number(n));

    std::vector<cIndexEntry> sequential;
    for (const cFileStamp &stamp : cFolderIndex::Scan(fInbox))
        if (cResultOf<cIndexEntry> entry = cFolderIndex::Read(fInbox, stamp))
            sequential.push_back(entry.value());
    EXPECT_EQ(sequential.size(), lockedOut ? 1199u : 1200u);
    EXPECT_EQ(cFolderIndex::ListUncached(fInbox), sequential);
    EXPECT_EQ(cFolderIndex::List(fInbox), sequential);
    EXPECT_EQ(cFolderIndex::List(fInbox), sequential);
}

} // namespace
