// SPDX-License-Identifier: GPL-3.0-or-later
// vCard in and out: what we write reads back as the same contacts in both versions, cards
// written by others map onto the contact keys, and broken cards are counted, not imported.
#include "storage/SettingsPaths.h"
#include "storage/cContactStore.h"
#include "storage/cVCard.h"
#include "tests/support/cScratchSettings.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using K = eContactKey;

cContactCard fullCard()
{
    cContactCard c{.name = u"Ann Lee, PhD; \\ Grüße"_s, .values = {}};
    c[K::FullName] = u"Ann Maria Lee"_s;
    c[K::EMail] = u"ann@example.org"_s;
    c[K::SecEMail] = u"ann.lee@work.example"_s;
    c[K::HomePage] = u"https://ann.example/~lee?a=1;b=2"_s;
    c[K::HomeAddress] = u"Storgatan 1, 111 22 Stockholm"_s;
    c[K::StateProvince] = u"Stockholms län"_s;
    c[K::Country] = u"Sweden"_s;
    c[K::PhoneNumber] = u"+46 8 123 45"_s;
    c[K::FaxNumber] = u"+46 8 123 46"_s;
    c[K::Company] = u"ACME; Research, Ltd."_s;
    c[K::CompanyAddress] = u"Industrivägen 99, a very long street name that makes the line fold more than once ÅÄÖ"_s;
    c[K::CompanyStateCountry] = u"Uppsala, Sweden"_s;
    c[K::CompanyPhoneNumber] = u"+46 18 555 00"_s;
    c[K::CompanyFaxNumber] = u"+46 18 555 01"_s;
    return c;
}

// For imports into a book that has none of the names.
const cDuplicateQuestion neverAsked = [](const cContactCard &incoming, const cContactCard &) {
    ADD_FAILURE() << "asked about " << incoming.name.toStdString();
    return eDuplicateChoice::Skip;
};

QList<cContactCard> sampleCards()
{
    cContactCard mailOnly{.name = u"Tom"_s, .values = {}};
    mailOnly[K::EMail] = u"tom@example.org"_s;
    cContactCard nameOnly{.name = u"Nobody Known"_s, .values = {}};
    return {fullCard(), mailOnly, nameOnly};
}

TEST(VCard, WhatWeWriteReadsBackAsTheSameContactsInBothVersions)
{
    for (const eVCardVersion version : {eVCardVersion::V3, eVCardVersion::V4}) {
        const QByteArray file = WriteVCards(sampleCards(), version);
        EXPECT_TRUE(file.contains(version == eVCardVersion::V4 ? "VERSION:4.0\r\n" : "VERSION:3.0\r\n"));
        for (const QByteArray &line : file.split('\n')) {
            EXPECT_TRUE(line.isEmpty() || line.endsWith('\r')) << "bare LF in: " << line.toStdString();
            EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 octets and the CR
            EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "a fold split a character: " << line.toStdString();
        }
        const cVCardImport read = ReadVCards(file);
        EXPECT_EQ(read.skipped, 0);
        ASSERT_EQ(read.cards.size(), 3);
        for (qsizetype i = 0; i < 3; ++i)
            EXPECT_EQ(read.cards.at(i), sampleCards().at(i)) << "card " << i;
    }
}

TEST(VCard, ExportedContactsImportIntoAnEmptyBookUnchanged)
{
    cScratchSettings dir;
    const QString vcf = dir.filePath(u"contacts.vcf"_s);
    for (const eVCardVersion version : {eVCardVersion::V3, eVCardVersion::V4}) {
        QFile::remove(ContactsFilePath());
        QFile file(vcf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteVCards(sampleCards(), version));
        file.close();

        const cResultOf<cVCardImport> imported = ImportVCardFile(vcf, neverAsked);
        ASSERT_TRUE(imported) << imported.text().toStdString();
        EXPECT_EQ(imported.value().cards.size(), 3);
        EXPECT_EQ(cContactStore::ReadAllContacts(), sampleCards());
        EXPECT_EQ(cContactStore::ReadContact(u"tom"_s)[K::EMail], u"tom@example.org"_s);
    }
    const QString exported = dir.filePath(u"out.vcf"_s);
    const cResultOf<int> written = ExportVCardFile(exported);
    ASSERT_TRUE(written) << written.text().toStdString();
    EXPECT_EQ(written.value(), 3);
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), WriteVCards(sampleCards()));

    const cResultOf<cVCardImport> missing = ImportVCardFile(dir.filePath(u"none.vcf"_s), neverAsked);
    EXPECT_EQ(missing.cause(), eFailure::FileSystem);
    EXPECT_TRUE(missing.text().contains(u"none.vcf"_s));
}

TEST(VCard, CardsOfOtherProgramsMapOntoTheContactKeys)
{
    const QByteArray v3 = "\xEF\xBB\xBF" "BEGIN:VCARD\n"
                          "VERSION:3.0\n"
                          "N:Lee;Ann;M.;Dr.;\n"
                          "FN:Ann\n"
                          "  Lee\n"
                          "item1.EMAIL;TYPE=INTERNET,pref:ann@example.org\n"
                          "EMAIL;TYPE=INTERNET:second@example.org\n"
                          "EMAIL:third@example.org\n"
                          "TEL;TYPE=WORK;TYPE=FAX:+1 555 0101\n"
                          "TEL;TYPE=CELL:+1 555 0199\n"
                          "TEL;HOME:+1 555 0100\n"
                          "ADR;TYPE=HOME:;Apt 4;1 Main St\\nBack door;Springfield;IL;62701;USA\n"
                          "ADR;TYPE=WORK:;;2 Work Rd;;Ontario;;Canada\n"
                          "ORG:ACME;Research\n"
                          "URL:https://ann.example\n"
                          "END:VCARD\n";
    const QByteArray v4 = "BEGIN:VCARD\r\n"
                          "VERSION:4.0\r\n"
                          "N:Berg;Tom;;;\r\n"
                          "TEL;VALUE=uri;TYPE=\"work,voice\";PREF=1:tel:+46-18-555\r\n"
                          "EMAIL;PREF=1:tom@example.org\r\n"
                          "END:VCARD\r\n";
    const cVCardImport read = ReadVCards(v3 + v4);
    ASSERT_EQ(read.cards.size(), 2);
    EXPECT_EQ(read.skipped, 0);

    const cContactCard &ann = read.cards.at(0);
    EXPECT_EQ(ann.name, u"Ann Lee"_s); // folded with two blanks: one is the fold
    EXPECT_EQ(ann[K::FullName], u"Dr. Ann M. Lee"_s);
    EXPECT_EQ(ann[K::EMail], u"ann@example.org"_s);
    EXPECT_EQ(ann[K::SecEMail], u"second@example.org"_s);
    EXPECT_EQ(ann[K::CompanyFaxNumber], u"+1 555 0101"_s);
    EXPECT_EQ(ann[K::PhoneNumber], u"+1 555 0199"_s); // the first phone of no work kind
    EXPECT_EQ(ann[K::HomeAddress], u"Apt 4, 1 Main St, Back door, Springfield, 62701"_s);
    EXPECT_EQ(ann[K::StateProvince], u"IL"_s);
    EXPECT_EQ(ann[K::Country], u"USA"_s);
    EXPECT_EQ(ann[K::CompanyAddress], u"2 Work Rd"_s);
    EXPECT_EQ(ann[K::CompanyStateCountry], u"Ontario, Canada"_s);
    EXPECT_EQ(ann[K::Company], u"ACME, Research"_s);
    EXPECT_EQ(ann[K::HomePage], u"https://ann.example"_s);

    const cContactCard &tom = read.cards.at(1);
    EXPECT_EQ(tom.name, u"Tom Berg"_s); // no FN: the name from N
    EXPECT_EQ(tom[K::CompanyPhoneNumber], u"+46-18-555"_s);
    EXPECT_EQ(tom[K::EMail], u"tom@example.org"_s);
}

// Version 2.1 cards, as older phones export them: quoted-printable values with soft line
// breaks, character sets named per value, bare type parameters.
TEST(VCard, Version21ValuesAreDecodedInTheirOwnEncodingAndCharacterSet)
{
    const QByteArray v21 = "BEGIN:VCARD\r\n"
                           "VERSION:2.1\r\n"
                           "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
                           "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrgen M=FCller\r\n"
                           "EMAIL;INTERNET:jm@example.org\r\n"
                           "ADR;HOME;QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 1=0D=0A=\r\n"
                           "Hinterhaus;Berlin;;10115;Deutschland\r\n"
                           "URL:https://jm.example/?q=\r\n"
                           "TEL;WORK;FAX:+49 30 1\r\n"
                           "ORG;ENCODING=QUOTED-PRINTABLE:ACME=0DFileName=3D/etc/passwd=\r\n"
                           "\r\n"
                           "END:VCARD\r\n";
    const cVCardImport read = ReadVCards(v21);
    ASSERT_EQ(read.cards.size(), 1);
    EXPECT_EQ(read.skipped, 0);
    const cContactCard &card = read.cards.first();
    EXPECT_EQ(card.name, u"Jürgen Müller"_s);
    EXPECT_EQ(card[K::FullName], u"Jürgen Müller"_s);
    EXPECT_EQ(card[K::EMail], u"jm@example.org"_s);
    EXPECT_EQ(card[K::HomeAddress], u"Hauptstraße 1, Hinterhaus, Berlin, 10115"_s);
    EXPECT_EQ(card[K::Country], u"Deutschland"_s);
    EXPECT_EQ(card[K::HomePage], u"https://jm.example/?q="_s); // no soft break outside quoted-printable
    EXPECT_EQ(card[K::CompanyFaxNumber], u"+49 30 1"_s);
    // A decoded CR is no line break in the contacts file.
    EXPECT_EQ(card[K::Company], u"ACME FileName=/etc/passwd"_s);
}

TEST(VCard, BrokenCardsAreSkippedAndCounted)
{
    const QByteArray file = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nFN:Bob without an end\r\n"
                            "BEGIN:VCARD\r\nFN:Carl\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nEMAIL:nameless@example.org\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nFN:Eve\r\n\x01\x02 garbage without a colon\r\nEND:VCARD\r\n"
                            "some text between cards\r\n"
                            "END:VCARD\r\n"
                            "BEGIN:VCARD\r\nFN:Finn cut off";
    const cVCardImport read = ReadVCards(file);
    ASSERT_EQ(read.cards.size(), 2);
    EXPECT_EQ(read.cards.at(0).name, u"Ann"_s);
    EXPECT_EQ(read.cards.at(1).name, u"Carl"_s);
    EXPECT_EQ(read.skipped, 5);

    const cVCardImport garbage = ReadVCards(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    EXPECT_TRUE(garbage.cards.isEmpty());
}

// A value the contacts file could not hold on one line (a lone CR could start a forged key)
// skips that card; the cards around it are imported.
TEST(VCard, ACardTheBookCannotHoldIsSkippedAndTheRestImported)
{
    cScratchSettings dir;
    const QString vcf = dir.filePath(u"mixed.vcf"_s);
    QFile file(vcf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCARD\r\nFN:Ann\r\nEMAIL:ann@example.org\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:Mallory\r\nEMAIL:m@example.org\rFileName=/etc/passwd\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:Control\r\nNOTE:a\x01b\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:Bob\r\nEND:VCARD\r\n");
    file.close();
    const cResultOf<cVCardImport> imported = ImportVCardFile(vcf, neverAsked);
    ASSERT_TRUE(imported) << imported.text().toStdString();
    EXPECT_EQ(imported.value().skipped, 2);
    EXPECT_EQ(cContactStore::ContactNames(), QStringList({u"Ann"_s, u"Bob"_s}));
}

// A card whose name the book has (in any case), or an earlier card of the file has, is taken
// as the user chooses; the contact it meets is never written over unasked.
TEST(VCard, ACardOfATakenNameIsTakenAsTheUserChooses)
{
    struct cCase
    {
        eDuplicateChoice choice;
        QStringList names;
        QStringList annMail; // EMail, SecEMail, Country, PhoneNumber of "Ann Lee"
        QStringList bobMail; // EMail, SecEMail of "Bob"
    };
    const QList<cCase> cases{
        {eDuplicateChoice::Replace, {u"Ann Lee"_s, u"Bob"_s}, {u"ann@new"_s, {}, {}, u"123"_s}, {u"bob@2"_s, {}}},
        {eDuplicateChoice::KeepBoth, {u"Ann Lee"_s, u"ann lee (2)"_s, u"Bob"_s, u"BOB (2)"_s},
         {u"ann@old"_s, {}, u"Sweden"_s, {}}, {u"bob@1"_s, {}}},
        {eDuplicateChoice::Skip, {u"Ann Lee"_s, u"Bob"_s}, {u"ann@old"_s, {}, u"Sweden"_s, {}}, {u"bob@1"_s, {}}},
        {eDuplicateChoice::Merge, {u"Ann Lee"_s, u"Bob"_s}, {u"ann@old"_s, u"ann@new"_s, u"Sweden"_s, u"123"_s},
         {u"bob@1"_s, u"bob@2"_s}},
    };
    cScratchSettings dir;
    const QString vcf = dir.filePath(u"taken.vcf"_s);
    QFile file(vcf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCARD\r\nFN:ann lee\r\nEMAIL:ann@new\r\nTEL:123\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:Bob\r\nEMAIL:bob@1\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nFN:BOB\r\nEMAIL:bob@2\r\nEND:VCARD\r\n");
    file.close();
    for (const cCase &c : cases) {
        QFile::remove(ContactsFilePath());
        cContactCard ann{.name = u"Ann Lee"_s, .values = {}};
        ann[K::EMail] = u"ann@old"_s;
        ann[K::Country] = u"Sweden"_s;
        ASSERT_TRUE(cContactStore::WriteContact(ann.name, ann));
        QStringList asked;
        const cResultOf<cVCardImport> imported =
            ImportVCardFile(vcf, [&](const cContactCard &incoming, const cContactCard &existing) {
                asked.append(incoming.name + u'/' + existing.name);
                return c.choice;
            });
        ASSERT_TRUE(imported) << imported.text().toStdString();
        EXPECT_EQ(asked, (QStringList{u"ann lee/Ann Lee"_s, u"BOB/Bob"_s}));
        EXPECT_EQ(imported.value().duplicatesSkipped, c.choice == eDuplicateChoice::Skip ? 2 : 0);
        EXPECT_EQ(cContactStore::ContactNames(), c.names) << int(c.choice);
        const cContactCard readAnn = cContactStore::ReadContact(u"Ann Lee"_s);
        EXPECT_EQ((QStringList{readAnn[K::EMail], readAnn[K::SecEMail], readAnn[K::Country], readAnn[K::PhoneNumber]}),
                  c.annMail)
            << int(c.choice);
        const cContactCard readBob = cContactStore::ReadContact(u"Bob"_s);
        EXPECT_EQ((QStringList{readBob[K::EMail], readBob[K::SecEMail]}), c.bobMail) << int(c.choice);
    }
}

} // namespace
