// SPDX-License-Identifier: GPL-3.0-or-later
// The signature store: store order decides the default, names compare without regard to case,
// and the text files are read back line for line.
#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"
#include "storage/cOptions.h"
#include "storage/cSignatureStore.h"

#include <QDir>
#include <QFile>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

namespace {

using Lines = QList<QByteArray>;

class SignatureStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        ASSERT_TRUE(fDir.initStorage());
    }

    static void save(const char *name, const Lines &lines)
    {
        const cResult saved = cSignatureStore::SaveNewSignature(QString::fromUtf8(name), lines);
        ASSERT_TRUE(saved) << saved.text().toStdString();
    }
    static QStringList names() { return cSignatureStore::SignatureNames(); }

    cScratchSettings fDir;
};

TEST_F(SignatureStoreTest, TextFilesHoldCrLfLinesAndReadBackTheSame)
{
    const Lines lines = {"Ann Lee", "", "Gr\xc3\xbc\xc3\x9f" "e", "  indented"};
    save("Work", lines);
    const QString path = cSignatureStore::SignatureFileName(QStringLiteral("work"));
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("sig")));
    EXPECT_TRUE(path.endsWith(QStringLiteral(".qrx")));
    EXPECT_EQ(QFileInfo(path).dir(), QDir(cSignatureStore::SignaturesFolder()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Ann Lee\r\n\r\nGr\xc3\xbc\xc3\x9f" "e\r\n  indented\r\n"));
    EXPECT_EQ(cSignatureStore::SignatureLines(QStringLiteral("WORK")), lines);
}

TEST_F(SignatureStoreTest, ANameSavedAgainInAnyCaseKeepsOneEntryAndItsPlace)
{
    save("Home", {"old"});
    save("Work", {"work"});
    const QString oldFile = cSignatureStore::SignatureFileName(QStringLiteral("Home"));
    save("HOME", {"new"});
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));
    EXPECT_EQ(cSignatureStore::SignatureLines(QStringLiteral("home")), Lines{"new"});
    EXPECT_NE(cSignatureStore::SignatureFileName(QStringLiteral("Home")), oldFile);
    EXPECT_TRUE(QFile::exists(oldFile)); // no longer linked, but left on disk like a deleted one
}

TEST_F(SignatureStoreTest, MissingSignaturesAndFilesGiveNoLines)
{
    EXPECT_TRUE(cSignatureStore::SignatureLines(QStringLiteral("nobody")).isEmpty());
    save("Gone", {"text"});
    ASSERT_TRUE(QFile::remove(cSignatureStore::SignatureFileName(QStringLiteral("Gone"))));
    EXPECT_TRUE(cSignatureStore::SignatureLines(QStringLiteral("Gone")).isEmpty());
    EXPECT_EQ(names(), QStringList{QStringLiteral("Gone")});
}

TEST_F(SignatureStoreTest, UpdatingRenamesInPlaceAndRewritesTheSameFile)
{
    save("A", {"a"});
    save("B", {"b"});
    save("C", {"c"});
    const QString file = cSignatureStore::SignatureFileName(QStringLiteral("B"));
    ASSERT_TRUE(cSignatureStore::UpdateSignature(QStringLiteral("B"), QStringLiteral("Beta"), {"b1", "b2"}));
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("Beta"), QStringLiteral("C")}));
    EXPECT_EQ(cSignatureStore::SignatureFileName(QStringLiteral("Beta")), file);
    EXPECT_EQ(cSignatureStore::SignatureLines(QStringLiteral("Beta")), (Lines{"b1", "b2"}));

    ASSERT_TRUE(cSignatureStore::UpdateSignature(QStringLiteral("Beta"), QStringLiteral("BETA"), {"b3"}));
    EXPECT_EQ(names().at(1), QStringLiteral("Beta")); // a change of case alone is not applied
    EXPECT_EQ(cSignatureStore::SignatureLines(QStringLiteral("Beta")), Lines{"b3"});
}

TEST_F(SignatureStoreTest, NamesThatWouldBreakTheIndexAreRefused)
{
    save("A", {"a"});
    save("C", {"c"});
    // Renaming onto another signature would leave two sections of one name, one of them lost.
    const cResult clash = cSignatureStore::UpdateSignature(QStringLiteral("A"), QStringLiteral("c"), {"x"});
    EXPECT_EQ(clash.cause(), eFailure::Refused);
    EXPECT_FALSE(clash.text().isEmpty());
    EXPECT_EQ(cSignatureStore::SignatureLines(QStringLiteral("A")), Lines{"a"});
    for (const char *bad : {"", " padded", "a]b", "two\nlines"}) {
        EXPECT_EQ(cSignatureStore::SaveNewSignature(QString::fromUtf8(bad), {"x"}).cause(), eFailure::Refused) << bad;
        EXPECT_FALSE(cSignatureStore::UpdateSignature(QStringLiteral("A"), QString::fromUtf8(bad), {"x"})) << bad;
    }
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
}

} // namespace
