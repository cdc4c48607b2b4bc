// SPDX-License-Identifier: GPL-3.0-or-later
// The contact store: names are the identity and compare without regard to case, file order is
// store order, and every write leaves the other contacts as they were.
#include "storage/SettingsPaths.h"
#include "storage/cContactStore.h"
#include "tests/support/cScratchSettings.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

class ContactStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fDir.isValid()); }

    static void add(const QString &name, const QString &email)
    {
        const cResult written = cContactStore::WriteNewContact(name, email);
        ASSERT_TRUE(written) << written.text().toStdString();
    }

    static QByteArray fileBytes()
    {
        QFile file(ContactsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void putFile(const QByteArray &data)
    {
        QFile file(ContactsFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    cScratchSettings fDir;
};

TEST_F(ContactStoreTest, ANameInOtherCaseUpdatesThatContactInPlace)
{
    add(u"Ann Lee"_s, u"ann@old.example"_s);
    cContactCard card = cContactStore::ReadContact(u"Ann Lee"_s);
    card[eContactKey::Company] = u"ACME"_s;
    ASSERT_TRUE(cContactStore::WriteContact(u"Ann Lee"_s, card));
    add(u"Tom Berg"_s, u"tom@example.org"_s);

    add(u"ANN LEE"_s, u"ann@new.example"_s);

    EXPECT_EQ(cContactStore::ContactNames(), (QStringList{u"Ann Lee"_s, u"Tom Berg"_s}));
    EXPECT_EQ(cContactStore::ReadValue(u"ann lee"_s, eContactKey::EMail), u"ann@new.example"_s);
    EXPECT_EQ(cContactStore::ReadValue(u"Ann Lee"_s, eContactKey::Company), u"ACME"_s);
    EXPECT_EQ(fileBytes().count("EMail="), 1) << fileBytes().toStdString();
}

TEST_F(ContactStoreTest, AllFourteenKeysAreWrittenEmptyOnesIncludedAndReadBack)
{
    add(u"Ann"_s, u"ann@example.org"_s);
    cContactCard card;
    for (std::size_t i = 0; i < kContactKeyCount; ++i)
        card.values[i] = QString::number(i) + u" Grüße"_s;
    card[eContactKey::FaxNumber].clear();
    ASSERT_TRUE(cContactStore::WriteContact(u"ANN"_s, card));

    cContactCard expected = card;
    expected.name = u"Ann"_s;
    EXPECT_EQ(cContactStore::ReadContact(u"Ann"_s), expected);
    const QByteArray bytes = fileBytes();
    EXPECT_TRUE(bytes.startsWith("[Ann]\r\nEmail=1 Gr")) << bytes.toStdString(); // the add dialog's key kept
    EXPECT_TRUE(bytes.contains("\r\nFaxNumber=\r\n"));
}

TEST_F(ContactStoreTest, RenamingChangesTheFirstHeaderAndRefusesATakenName)
{
    putFile("[Ann]\r\nEmail=a@x\r\n[Bob]\r\nEmail=b@x\r\n[bob]\r\nEmail=c@x\r\n");

    ASSERT_TRUE(cContactStore::RenameContact(u"BOB"_s, u"Robert"_s));
    EXPECT_EQ(fileBytes(), QByteArray("[Ann]\r\nEmail=a@x\r\n[Robert]\r\nEmail=b@x\r\n[bob]\r\nEmail=c@x\r\n"));

    ASSERT_TRUE(cContactStore::RenameContact(u"Nobody"_s, u"Someone"_s));
    ASSERT_TRUE(cContactStore::RenameContact(u"ann"_s, u"ANN"_s)); // case alone is no clash with itself
    const QByteArray before = fileBytes();
    EXPECT_TRUE(before.startsWith("[ANN]\r\n"));

    const cResult clash = cContactStore::RenameContact(u"Robert"_s, u"ann"_s);
    EXPECT_EQ(clash.cause(), eFailure::Refused);
    EXPECT_TRUE(clash.text().contains(ContactsFilePath()));
    EXPECT_EQ(cContactStore::RenameContact(u"Robert"_s, u"Rob]ert"_s).cause(), eFailure::Refused);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(ContactStoreTest, DeletingErasesEveryKeyOfThatContactOnly)
{
    add(u"Ann"_s, u"ann@example.org"_s);
    add(u"Bob"_s, u"bob@example.org"_s);
    cContactCard card = cContactStore::ReadContact(u"Ann"_s);
    card[eContactKey::HomePage] = u"https://ann.example"_s;
    ASSERT_TRUE(cContactStore::WriteContact(u"Ann"_s, card));

    ASSERT_TRUE(cContactStore::DeleteContact(u"aNN"_s));

    EXPECT_EQ(cContactStore::ContactNames(), QStringList{u"Bob"_s});
    EXPECT_EQ(fileBytes(), QByteArray("[Bob]\r\nEmail=bob@example.org\r\n"));
}

TEST_F(ContactStoreTest, NamesThatWouldNotReadBackAreRefusedOrMadeStorable)
{
    for (const QString &name : {QString(), u" Ann"_s, u"Ann "_s, u"A]nn"_s, u"A\nnn"_s})
        EXPECT_EQ(cContactStore::WriteNewContact(name, u"a@x"_s).cause(), eFailure::Refused) << name.toStdString();
    EXPECT_EQ(fileBytes(), QByteArray("<missing>"));
    EXPECT_EQ(cContactStore::StorableName(u"  Smith [work]\r\nteam "_s), u"Smith [work) team"_s);
}

TEST_F(ContactStoreTest, ImportUpdatesNamesInAnyCaseAndAddsTheRestInOneWrite)
{
    add(u"Ann Lee"_s, u"ann@old.example"_s);
    cContactCard card = cContactStore::ReadContact(u"Ann Lee"_s);
    card[eContactKey::Country] = u"Sweden"_s;
    ASSERT_TRUE(cContactStore::WriteContact(u"Ann Lee"_s, card));

    cContactCard ann{.name = u"ann lee"_s, .values = {}};
    ann[eContactKey::EMail] = u"ann@new.example"_s;
    cContactCard bare{.name = u"Nameless Mail"_s, .values = {}};
    ASSERT_TRUE(cContactStore::ImportContacts({ann, bare, ann}));

    EXPECT_EQ(cContactStore::ContactNames(), (QStringList{u"Ann Lee"_s, u"Nameless Mail"_s}));
    EXPECT_EQ(cContactStore::ReadValue(u"Ann Lee"_s, eContactKey::EMail), u"ann@new.example"_s);
    EXPECT_EQ(cContactStore::ReadValue(u"Ann Lee"_s, eContactKey::Country), u"Sweden"_s);
}

TEST(ContactAddresses, JoiningKeepsEmptyEntriesOnlyAfterTheFirstAddress)
{
    struct Case
    {
        QStringList addresses;
        QString joined;
    };
    const Case cases[] = {
        {{}, {}},
        {{u"a@x"_s}, u"a@x"_s},
        {{u"a@x"_s, QString(), u"c@x"_s}, u"a@x, , c@x"_s},
        {{QString(), u"b@x"_s, u"c@x"_s}, u"b@x, c@x"_s},
        {{QString(), QString(), u"c@x"_s}, u"c@x"_s},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JoinAddresses(c.addresses), c.joined) << c.addresses.join(u'|').toStdString();
    EXPECT_EQ(AppendAddress(u"first@x"_s, u"second@x"_s), u"first@x, second@x"_s);
}

} // namespace
