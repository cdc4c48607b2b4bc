// SPDX-License-Identifier: GPL-3.0-or-later
// Every message of the corpus read by the MIME reader and compared with what Python's email
// package reads from it (data/expected.json, made by expected_from_python.py).
#include "mime/cMimeReader.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString dataDir()
{
    return qEnvironmentVariable("RAVELIN_TEST_DATA");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString normalised(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return QString(text).replace(blanks, QStringLiteral(" ")).trimmed();
}

struct cTally
{
    int compared = 0;
    int equal = 0;
    void Add(const QJsonValue &expected, const QString &actual, const QString &what, const QString &message)
    {
        if (expected.isNull())
            return;
        ++compared;
        if (normalised(expected.toString()) == normalised(actual))
            ++equal;
        else
            std::printf("  %s of %s differs:\n    expected %s\n    read     %s\n", qPrintable(what), qPrintable(message),
                        qPrintable(normalised(expected.toString()).left(120)), qPrintable(normalised(actual).left(120)));
    }
    double Share() const { return compared ? double(equal) / compared : 1.0; }
};

QString sha256(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

} // namespace

TEST(MimeCorpus, ReadsLikePythonsEmailPackage)
{
    const QJsonObject expected = QJsonDocument::fromJson(readAll(dataDir() + QStringLiteral("/expected.json"))).object();
    ASSERT_GT(expected.size(), 40);
    cTally subjects, senders, texts, malformed;
    int attachments = 0, exactAttachments = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonObject want = it.value().toObject();
        const QByteArray raw = readAll(dataDir() + QStringLiteral("/corpus/") + it.key());
        ASSERT_FALSE(raw.isEmpty()) << qPrintable(it.key());
        const cDecodedMail mail = cMimeReader::Read(raw);
        subjects.Add(want[QStringLiteral("subject")], mail.subject, QStringLiteral("subject"), it.key());
        senders.Add(want[QStringLiteral("from")], mail.from, QStringLiteral("sender"), it.key());
        // Where the reference itself found the message malformed, it is no judge of its structure.
        if (want[QStringLiteral("defects")].toBool()) {
            malformed.Add(want[QStringLiteral("text")], mail.text, QStringLiteral("text (malformed)"), it.key());
            continue;
        }
        texts.Add(want[QStringLiteral("text")], mail.text, QStringLiteral("text"), it.key());
        const QJsonArray parts = want[QStringLiteral("attachments")].toArray();
        attachments += int(parts.size());
        EXPECT_EQ(mail.attachments.size(), parts.size()) << qPrintable(it.key());
        for (int index = 0; index < std::min(int(parts.size()), int(mail.attachments.size())); ++index) {
            const QJsonObject part = parts[index].toObject();
            const cDecodedPart &read = mail.attachments[index];
            const bool same = part[QStringLiteral("sha256")].toString() == sha256(read.data)
                && (part[QStringLiteral("name")].isNull() || part[QStringLiteral("name")].toString() == read.fileName);
            exactAttachments += same;
            EXPECT_TRUE(same) << qPrintable(it.key()) << " attachment " << index << " " << qPrintable(read.fileName)
                              << " (" << read.data.size() << " bytes, expected " << part[QStringLiteral("size")].toInt()
                              << ")";
        }
    }
    std::printf("subjects %d/%d, senders %d/%d, texts %d/%d, attachments %d/%d byte-exact; "
                "texts of malformed messages %d/%d\n",
                subjects.equal, subjects.compared, senders.equal, senders.compared, texts.equal, texts.compared,
                exactAttachments, attachments, malformed.equal, malformed.compared);
    EXPECT_GE(subjects.Share(), 0.98);
    EXPECT_GE(senders.Share(), 0.98);
    EXPECT_GE(texts.Share(), 0.98);
}

// The incoming store reads every part into a file of its own and takes UTF-8 text as it stands:
// the same bytes and text as reading into memory.
TEST(MimeCorpus, ReadingPartsIntoFilesChangesNoByte)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    int fileCount = 0;
    cReadOptions toFiles;
    toFiles.utf8Text = true;
    toFiles.largePart = 0;
    toFiles.partFile = [&] {
        auto file = std::make_unique<QFile>(scratch.filePath(QString::number(++fileCount)));
        return file->open(QIODevice::WriteOnly) ? std::move(file) : nullptr;
    };
    const QStringList names = QDir(dataDir() + QStringLiteral("/corpus")).entryList(QDir::Files);
    ASSERT_GT(names.size(), 40);
    for (const QString &name : names) {
        const QByteArray raw = readAll(dataDir() + QStringLiteral("/corpus/") + name);
        const cDecodedMail inMemory = cMimeReader::Read(raw);
        const cDecodedMail inFiles = cMimeReader::Read(raw, toFiles);
        EXPECT_EQ(inFiles.textUtf8.isEmpty() ? inFiles.text : QString::fromUtf8(inFiles.textUtf8), inMemory.text)
            << qPrintable(name);
        ASSERT_EQ(inFiles.attachments.size(), inMemory.attachments.size()) << qPrintable(name);
        for (qsizetype index = 0; index < inMemory.attachments.size(); ++index) {
            const cDecodedPart &part = inFiles.attachments[index];
            EXPECT_TRUE(part.fileError.isEmpty()) << qPrintable(part.fileError);
            EXPECT_EQ(part.file.isEmpty() ? part.data : readAll(part.file), inMemory.attachments[index].data)
                << qPrintable(name) << " attachment " << index;
        }
    }
}
