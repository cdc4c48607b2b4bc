// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "storage/cOptions.h"
#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxMsg.h"
#include "storage/FilePathBytes.h"
#include "storage/cMailMessage.h"
#include "transfer/OutgoingMessage.h"
#include "transfer/cAccountStore.h"
#include "transfer/unitEncryptSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

#include <fcntl.h>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

class AccountsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    static cAccount account(const char *section, const char *name = "", const char *email = "")
    {
        cAccount a;
        a.section = QString::fromUtf8(section);
        a.name = QString::fromUtf8(name);
        a.email = QString::fromUtf8(email);
        return a;
    }

    cScratchSettings fDir;
};

// Every stored password depends on these bytes: a changed constant would lock users out.
TEST(Scrambler, KnownPasswordsGiveTheirKnownStoredTexts)
{
    EXPECT_EQ(ScrambleText("secret").toHex(), QByteArray("19265b9b3e8f"));
    EXPECT_EQ(ScrambleText("Pa55 w\xc3\xb6rd!").toHex(), QByteArray("3a345225fb03c434ce2720"));
    EXPECT_EQ(UnscrambleText(QByteArray::fromHex("19265b9b3e8f")), QByteArray("secret"));
    EXPECT_EQ(cAccountStore::StoredPassword("secret"), QByteArray::fromHex("19265b9b3e8f"));
}

TEST(Scrambler, EveryTextRoundTripsAndTheEmptyTextStaysEmpty)
{
    EXPECT_TRUE(ScrambleText({}).isEmpty());
    auto *random = QRandomGenerator::global();
    for (int i = 0; i < 2000; ++i) {
        QByteArray plain(random->bounded(256), '\0');
        for (char &c : plain)
            c = static_cast<char>(random->bounded(256));
        const QByteArray scrambled = ScrambleText(plain);
        ASSERT_EQ(UnscrambleText(scrambled), plain);
        if (plain.size() > 4) {
            EXPECT_NE(scrambled, plain);
        }
        const QByteArray stored = cAccountStore::StoredPassword(plain);
        ASSERT_FALSE(stored.contains('\n') || stored.contains('\r') || stored.contains('\0'));
        ASSERT_EQ(stored, stored.trimmed());
        ASSERT_EQ(cAccountStore::PlainPassword(stored), plain);
    }
}

TEST_F(AccountsTest, PasswordsWhoseScrambledFormAnIniLineWouldMangleSurviveTheFile)
{
    // Find passwords whose scrambled bytes start with a blank, end with a quote, or hold CR, LF or NUL.
    const std::function<bool(const QByteArray &)> troubles[] = {
        [](const QByteArray &s) { return s.startsWith(' '); },
        [](const QByteArray &s) { return s.endsWith('"'); },
        [](const QByteArray &s) { return s.contains('\r') || s.contains('\n'); },
        [](const QByteArray &s) { return s.contains('\0'); },
    };
    auto *random = QRandomGenerator::global();
    cIniFile file(AccountsFilePath());
    for (const auto &trouble : troubles) {
        QByteArray plain;
        do {
            plain = QByteArray(random->bounded(1, 12), '\0');
            for (char &c : plain)
                c = static_cast<char>(random->bounded(1, 256));
        } while (!trouble(ScrambleText(plain)));
        cAccount a = account("Work");
        a.password = plain;
        ASSERT_TRUE(cAccountStore::WriteAccount(a));
        EXPECT_EQ(cAccountStore::ReadAccount(QStringLiteral("work")).password, plain);
    }
}

TEST_F(AccountsTest, PortsThatAreNoNumberFallBack)
{
    ASSERT_TRUE(cIniFile(AccountsFilePath()).writeString(QStringLiteral("A"), "SMTPPort", QStringLiteral("abc")));
    const cAccount a = cAccountStore::ReadAccount(QStringLiteral("A"));
    EXPECT_EQ(a.SmtpPortNumber(), 25);
    EXPECT_EQ(a.Pop3PortNumber(), 110);
    EXPECT_FALSE(a.CanSend());
    EXPECT_FALSE(a.CanReceive());
}

TEST_F(AccountsTest, SecurityAndLoginKeysRoundTripAndOldOrOddValuesReadAsToday)
{
    ASSERT_TRUE(cIniFile(AccountsFilePath()).writeString(QStringLiteral("Old"), "pop3Server", QStringLiteral("pop")));
    ASSERT_TRUE(cIniFile(AccountsFilePath()).writeString(QStringLiteral("Odd"), "POP3Security", QStringLiteral("7")));
    for (const char *section : {"Old", "Odd"}) {
        const cAccount old = cAccountStore::ReadAccount(QString::fromUtf8(section));
        EXPECT_EQ(old.pop3Security, eVrxSecurity::None) << section;
        EXPECT_EQ(old.smtpLogin, eSmtpLogin::None) << section;
        EXPECT_TRUE(old.allowPasswordInClear) << section;
        EXPECT_TRUE(old.SmtpLoginUser().isEmpty()) << section;
    }

    cAccount a = account("Secure", "Ann");
    a.userId = QStringLiteral("ann");
    a.password = "pop-pass";
    a.pop3Security = eVrxSecurity::Tls;
    a.smtpSecurity = eVrxSecurity::StartTls;
    a.pop3Login = ePop3Login::Sasl;
    a.smtpLogin = eSmtpLogin::Own;
    a.smtpUserId = QStringLiteral("ann@smtp");
    a.smtpPassword = "smtp-pass";
    a.allowPasswordInClear = false;
    a.trustedCertificates = {QByteArray(64, 'a'), QByteArray(64, 'b')};
    a.pop3Port.clear();
    for (const bool wizard : {false, true}) {
        ASSERT_TRUE(wizard ? cAccountStore::WriteNewAccount(a, false) : cAccountStore::WriteAccount(a));
        const cAccount back = cAccountStore::ReadAccount(QStringLiteral("Secure"));
        EXPECT_EQ(back.pop3Security, a.pop3Security);
        EXPECT_EQ(back.smtpSecurity, a.smtpSecurity);
        EXPECT_EQ(back.pop3Login, a.pop3Login);
        EXPECT_EQ(back.SmtpLoginUser(), QStringLiteral("ann@smtp"));
        EXPECT_EQ(back.SmtpLoginPassword(), QByteArray("smtp-pass"));
        EXPECT_FALSE(back.allowPasswordInClear);
        EXPECT_EQ(back.trustedCertificates, a.trustedCertificates);
        EXPECT_EQ(back.Pop3PortNumber(), 995) << "TLS on connect falls back to its own port";
    }
    EXPECT_FALSE(cIniFile(AccountsFilePath()).readSection(QStringLiteral("Secure")).value("SMTPPassword").contains("smtp-pass"));
}

TEST(AccountPorts, OnlyNumbersFrom1To65535ArePorts)
{
    const struct
    {
        const char *text;
        std::optional<int> port;
    } cases[] = {{"110", 110}, {" 2525 ", 2525}, {"1", 1},          {"65535", 65535},    {"0", std::nullopt},
                 {"65536", std::nullopt}, {"70000", std::nullopt}, {"-25", std::nullopt}, {"abc", std::nullopt},
                 {"", std::nullopt},      {"25a", std::nullopt}};
    for (const auto &c : cases) {
        EXPECT_EQ(cAccount::PortNumber(QString::fromUtf8(c.text)), c.port) << c.text;
        cAccount a;
        a.smtpPort = a.pop3Port = QString::fromUtf8(c.text);
        EXPECT_EQ(a.SmtpPortNumber(), c.port.value_or(25)) << c.text;
        EXPECT_EQ(a.Pop3PortNumber(), c.port.value_or(110)) << c.text;
    }
}

TEST_F(AccountsTest, RenamingTheDefaultAccountKeepsItTheDefault)
{
    ASSERT_TRUE(cAccountStore::WriteNewAccount(account("Work", "Ann"), false));
    ASSERT_TRUE(cAccountStore::SetDefaultAccountName(QStringLiteral("work")));
    ASSERT_TRUE(cAccountStore::RenameAccount(QStringLiteral("Work"), QStringLiteral("Office")));
    EXPECT_EQ(cAccountStore::GetDefaultAccountName(), QStringLiteral("Office"));
    EXPECT_EQ(cAccountStore::AccountNames(), QStringList{QStringLiteral("Office")});

    ASSERT_TRUE(cAccountStore::DeleteAccount(QStringLiteral("office")));
    EXPECT_FALSE(cAccountStore::AccountsExist());
    EXPECT_EQ(cAccountStore::GetDefaultAccountName(), QStringLiteral("Office"));
}

TEST_F(AccountsTest, OnlyNamesThatReadBackAsThemselvesAreStorable)
{
    for (const char *good : {"Work", "", "My mail account", "[x", "a=b"}) {
        EXPECT_TRUE(cAccountStore::IsStorableAccountName(QString::fromUtf8(good))) << good;
        ASSERT_TRUE(cAccountStore::WriteAccount(account(good, "Ann")));
        EXPECT_TRUE(cAccountStore::AccountNames().contains(QString::fromUtf8(good))) << good;
    }
    for (const char *bad : {" Work", "Work ", "a]b", "a\nb", "a\rb"})
        EXPECT_FALSE(cAccountStore::IsStorableAccountName(QString::fromUtf8(bad))) << bad;
}

TEST_F(AccountsTest, TheWizardLeavesKeysItDoesNotHave)
{
    cAccount a = account("Home", "Ann", "ann@example.org");
    a.organisation = QStringLiteral("Org");
    a.leaveMailOnServer = true;
    ASSERT_TRUE(cAccountStore::WriteAccount(a));
    ASSERT_TRUE(cAccountStore::WriteNewAccount(account("Home", "Bob", "bob@example.org"), true));
    const cAccount back = cAccountStore::ReadAccount(QStringLiteral("Home"));
    EXPECT_EQ(back.name, QStringLiteral("Bob"));
    EXPECT_EQ(back.replyAddress, QStringLiteral("bob@example.org"));
    EXPECT_EQ(back.organisation, QStringLiteral("Org"));
    EXPECT_TRUE(back.leaveMailOnServer);
    EXPECT_EQ(cOptions::read(Opt::DefAccount), QStringLiteral("Home"));
}

TEST_F(AccountsTest, TheSenderLineComesFromTheDefaultOrTheFirstNamedAccount)
{
    EXPECT_EQ(cAccountStore::DefaultSenderLine(), QString());
    ASSERT_TRUE(cAccountStore::WriteAccount(account("Nameless")));
    EXPECT_EQ(cAccountStore::DefaultSenderLine(), QString());

    ASSERT_TRUE(cAccountStore::WriteAccount(account("Second", "Ann Lee")));
    EXPECT_EQ(cAccountStore::DefaultSenderLine(), QStringLiteral("Ann Lee"));

    cAccount withReply = account("Third", "", "ann@example.org");
    withReply.replyAddress = QStringLiteral("reply@example.org");
    ASSERT_TRUE(cAccountStore::WriteAccount(withReply));
    ASSERT_TRUE(cAccountStore::SetDefaultAccountName(QStringLiteral("THIRD")));
    EXPECT_EQ(cAccountStore::DefaultSenderLine(), QStringLiteral("Ravelin User <reply@example.org>"));
}

} // namespace

TEST_F(AccountsTest, IdentitiesRoundTripAndAShorterListLeavesNoneBehind)
{
    cAccount work = account("Work", "Ann Lee", "ann@example.org");
    work.identities = {{u"Ann (support)"_s, u"support@example.org"_s, u"help@example.org"_s, u"Example Ltd"_s, u"Support"_s},
                       {u"A. Lee"_s, u"ann.lee@example.net"_s, {}, {}, {}}};
    ASSERT_TRUE(cAccountStore::WriteAccount(work));
    EXPECT_EQ(cAccountStore::ReadAccount(u"Work"_s).identities, work.identities);
    EXPECT_EQ(work.Identities().size(), 3);
    EXPECT_EQ(work.Identities().at(1).SenderLine(), u"Ann (support) <help@example.org>"_s);

    work.identities.removeFirst();
    ASSERT_TRUE(cAccountStore::WriteAccount(work));
    EXPECT_EQ(cAccountStore::ReadAccount(u"Work"_s).identities, work.identities);

    // A typed value that would add a line to the file is refused, not stored.
    work.identities.first().organisation = u"Example\nPassword=x"_s;
    EXPECT_FALSE(cAccountStore::WriteAccount(work).ok());
    EXPECT_EQ(cAccountStore::ReadAccount(u"Work"_s).identities.first().organisation, QString());
}

TEST_F(AccountsTest, AMessageFromAnIdentityNamesThatIdentitysOrganisation)
{
    cAccount work = account("Work", "Ann Lee", "ann@example.org");
    work.organisation = u"Lee Consulting"_s;
    work.identities = {{u"Ann (support)"_s, u"support@example.org"_s, {}, u"Example Ltd"_s, {}},
                       {u"Ann (private)"_s, u"ann@home.test"_s, {}, {}, {}}};
    const QList<std::pair<QByteArray, QByteArray>> cases{
        {"Ann Lee <ann@example.org>", "Organisation: Lee Consulting"},
        {"Ann (support) <support@example.org>", "Organisation: Example Ltd"},
        {"Ann (private) <ann@home.test>", ""},
        {"Someone <else@example.org>", "Organisation: Lee Consulting"},
    };
    for (const auto &[from, header] : cases) {
        cMailMessage stored;
        stored.From = from;
        stored.To = "bob@example.org";
        std::unique_ptr<TVrxMsg> built;
        ASSERT_TRUE(BuildOutgoing(stored, work, &built).ok()) << from.constData();
        QList<QByteArray> organisations;
        for (const QByteArray &line : built->ExtraHeaders)
            if (line.startsWith("Organisation:"))
                organisations.append(line);
        EXPECT_EQ(organisations.value(0), header) << from.constData();
        EXPECT_LE(organisations.size(), 1) << from.constData();
    }
}

// A file whose name is Latin-1 bytes (Qt reads such names as U+FFFD): stored, read back and
// sent, it is still that file, and its name goes out as the text it shows.
TEST_F(AccountsTest, AnAttachmentNamedInALegacyCharsetIsSentFromItsOwnFile)
{
    const QByteArray local = PathBytes(fDir.filePath(u"caf"_s)) + "\xe9.txt";
    const int handle = ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(handle, 0);
    ASSERT_EQ(::write(handle, "menu", 4), 4);
    ::close(handle);
    cMailMessage stored;
    stored.To = "bob@example.org";
    stored.attachments = {PathFromBytes(local)};
    const QString path = fDir.filePath(u"out.qrz"_s);
    ASSERT_TRUE(stored.WriteFile(path).ok());
    cMailMessage readBack;
    ASSERT_TRUE(readBack.ReadFile(path, false, true).ok());

    std::unique_ptr<TVrxMsg> built;
    const cResult result = BuildOutgoing(readBack, account("Work", "Ann Lee", "ann@example.org"), &built);
    ASSERT_TRUE(result.ok()) << result.text().toStdString();
    ASSERT_EQ(built->AttachedFiles.Count(), 1);
    TAttachedFile &item = built->AttachedFiles.Items(0);
    EXPECT_EQ(item.FileName, QByteArray("caf\xc3\xa9.txt"));
    TVrxBase64::EncodeFile(item, {});
    EXPECT_EQ(item.Lines.join(), QByteArray("menu").toBase64());
}
