// SPDX-License-Identifier: GPL-3.0-or-later
// Where account passwords rest: a private accounts file, or the desktop keyring instead.
#include "storage/PrivateFiles.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "transfer/cAccountStore.h"

#include "tests/support/cScratchSettings.h"
#include "tests/transfer/MemoryKeyring.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

class AccountSecrets : public ::testing::Test
{
protected:
    static cAccount account(bool inKeyring)
    {
        cAccount a;
        a.section = QStringLiteral("Work");
        a.pop3Server = QStringLiteral("pop.example.org");
        a.smtpServer = QStringLiteral("smtp.example.org");
        a.userId = QStringLiteral("ann");
        a.password = "pop-secret";
        a.smtpLogin = eSmtpLogin::Own;
        a.smtpUserId = QStringLiteral("ann-out");
        a.smtpPassword = "smtp-secret";
        a.passwordInKeyring = inKeyring;
        return a;
    }
    static QByteArray fileText()
    {
        QFile file(AccountsFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static mode_t fileMode()
    {
        struct stat info {};
        return ::stat(QFile::encodeName(AccountsFilePath()).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
    static QByteArray storedKey(const char *key)
    {
        return cIniFile(AccountsFilePath()).readBytes(QStringLiteral("Work"), key);
    }

    cScratchSettings fDir;
    cMemoryKeyringScope fScope;
    cMemoryKeyring &fKeyring = *fScope.keyring;
};

TEST_F(AccountSecrets, AccountsFileIsPrivateWhenCreatedAndWhenFoundWider)
{
    ASSERT_TRUE(cAccountStore::WriteAccount(account(false)));
    EXPECT_EQ(fileMode(), 0600u);

    ASSERT_TRUE(QFile::setPermissions(AccountsFilePath(), kPrivateFileMode | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const std::function<cResult()> writes[] = {
        [] { return cAccountStore::WriteAccount(account(false)); },
        [] { return cAccountStore::WriteNewAccount(account(false), false); },
        [] { return cAccountStore::RenameAccount(QStringLiteral("Work"), QStringLiteral("Job")); },
        [] { return cAccountStore::DeleteAccount(QStringLiteral("Job")); },
    };
    for (const auto &write : writes) {
        ASSERT_TRUE(QFile::setPermissions(AccountsFilePath(), kPrivateFileMode | QFileDevice::ReadOther));
        ASSERT_TRUE(write());
        EXPECT_EQ(fileMode(), 0600u);
    }
}

TEST_F(AccountSecrets, KeyringHoldsBothPasswordsAndTheFileNone)
{
    for (const bool newAccount : {false, true}) {
        const cResult written = newAccount ? cAccountStore::WriteNewAccount(account(true), false)
                                           : cAccountStore::WriteAccount(account(true));
        ASSERT_TRUE(written) << written.text().toStdString();
        EXPECT_EQ(fKeyring.Entries().value(QStringLiteral("Work/POP3")), "pop-secret");
        EXPECT_EQ(fKeyring.Entries().value(QStringLiteral("Work/SMTP")), "smtp-secret");
        EXPECT_TRUE(storedKey("Password").isEmpty());
        EXPECT_TRUE(storedKey("SMTPPassword").isEmpty());
        EXPECT_FALSE(fileText().contains(cAccountStore::StoredPassword("pop-secret")));

        cResult keyring;
        const cAccount read = cAccountStore::ReadAccount(QStringLiteral("work"), &keyring);
        EXPECT_TRUE(keyring);
        EXPECT_EQ(read.password, "pop-secret");
        EXPECT_EQ(read.smtpPassword, "smtp-secret");
    }
}

TEST_F(AccountSecrets, RefusingKeyringFailsTheWriteAndLeavesTheFileAsItWas)
{
    ASSERT_TRUE(cAccountStore::WriteAccount(account(false)));
    const QByteArray before = fileText();
    fKeyring.Refuse(QStringLiteral("the keyring is locked"));

    const cResult written = cAccountStore::WriteAccount(account(true));
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.text().contains(QStringLiteral("the keyring is locked")));
    EXPECT_EQ(fileText(), before);
}

TEST_F(AccountSecrets, UnreadableKeyringLeavesThePasswordsEmptyAndSaysWhy)
{
    ASSERT_TRUE(cAccountStore::WriteAccount(account(true)));
    fKeyring.Refuse(QStringLiteral("no Secret Service is running"));

    cResult keyring;
    const cAccount read = cAccountStore::ReadAccount(QStringLiteral("Work"), &keyring);
    EXPECT_TRUE(read.password.isEmpty());
    EXPECT_EQ(keyring.text(), QStringLiteral("The password of account Work could not be read from the desktop keyring: "
                                             "no Secret Service is running"));
}

TEST_F(AccountSecrets, SwitchingTheKeyringOffPutsThePasswordsBackInTheFile)
{
    ASSERT_TRUE(cAccountStore::WriteAccount(account(true)));
    cAccount read = cAccountStore::ReadAccount(QStringLiteral("Work"));
    read.passwordInKeyring = false;
    ASSERT_TRUE(cAccountStore::WriteAccount(read));

    EXPECT_TRUE(fKeyring.Entries().isEmpty());
    const cAccount again = cAccountStore::ReadAccount(QStringLiteral("Work"));
    EXPECT_EQ(again.password, "pop-secret");
    EXPECT_EQ(again.smtpPassword, "smtp-secret");
}

TEST_F(AccountSecrets, RenamingMovesTheEntriesAndDeletingErasesThem)
{
    ASSERT_TRUE(cAccountStore::WriteAccount(account(true)));
    ASSERT_TRUE(cAccountStore::RenameAccount(QStringLiteral("work"), QStringLiteral("Job")));
    EXPECT_EQ(fKeyring.Entries().keys(), (QStringList{QStringLiteral("Job/POP3"), QStringLiteral("Job/SMTP")}));
    EXPECT_EQ(cAccountStore::ReadAccount(QStringLiteral("Job")).password, "pop-secret");

    ASSERT_TRUE(cAccountStore::DeleteAccount(QStringLiteral("Job")));
    EXPECT_TRUE(fKeyring.Entries().isEmpty());
}

TEST_F(AccountSecrets, AccountsWithoutTheKeyringNeverAskIt)
{
    fKeyring.Refuse(QStringLiteral("must not be asked"));
    ASSERT_TRUE(cAccountStore::WriteAccount(account(false)));
    cResult keyring;
    EXPECT_EQ(cAccountStore::ReadAccount(QStringLiteral("Work"), &keyring).password, "pop-secret");
    EXPECT_TRUE(keyring);
    EXPECT_TRUE(cAccountStore::RenameAccount(QStringLiteral("Work"), QStringLiteral("Job")));
    EXPECT_TRUE(cAccountStore::DeleteAccount(QStringLiteral("Job")));
}

} // namespace
