// SPDX-License-Identifier: GPL-3.0-or-later
// ravelin-cli's identity commands: an account's other senders added, listed and deleted, its own
// kept, and what they refuse.
#include "CliRun.h"

#include "tests/support/cScratchSettings.h"
#include "transfer/cAccountStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CliIdentitiesTest : public ::testing::Test, public cCliRun
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.initStorage());
        cAccount account;
        account.section = u"Work"_s;
        account.name = u"Jo Doe"_s;
        account.email = u"jo@example.test"_s;
        account.password = "secret";
        ASSERT_TRUE(cAccountStore::WriteAccount(account).ok());
    }

    cScratchSettings fDir;
};

} // namespace

TEST_F(CliIdentitiesTest, IdentitiesAreAddedListedAndDeletedBesideTheAccountsOwn)
{
    ASSERT_EQ(run({u"identity"_s, u"add"_s, u"work"_s, u"--email"_s, u"sales@example.test"_s, u"--name"_s, u"Jo at Sales"_s,
                   u"--reply-to"_s, u"team@example.test"_s, u"--organisation"_s, u"Acme"_s}),
              0)
        << fErr.toStdString();
    ASSERT_EQ(run({u"identity"_s, u"add"_s, u"Work"_s, u"--email"_s, u"jo@home.test"_s}), 0) << fErr.toStdString();
    ASSERT_EQ(run({u"identity"_s, u"list"_s, u"Work"_s}), 0);
    EXPECT_EQ(fOut, u"Jo Doe\tjo@example.test\t\t\t\n"
                    "Jo at Sales\tsales@example.test\tteam@example.test\tAcme\t\n"
                    "\tjo@home.test\t\t\t\n"_s);

    ASSERT_EQ(run({u"identity"_s, u"delete"_s, u"Work"_s, u"SALES@example.test"_s}), 0) << fErr.toStdString();
    const QList<cIdentity> left = cAccountStore::IdentitiesOf(u"Work"_s);
    ASSERT_EQ(left.size(), 2);
    EXPECT_EQ(left.at(1).email, u"jo@home.test"_s);
    // The password the account had is still there.
    EXPECT_EQ(cAccountStore::ReadAccount(u"Work"_s).password, "secret");
}

TEST_F(CliIdentitiesTest, MisusedOrImpossibleIdentityCommandsAreRefused)
{
    const struct
    {
        QStringList arguments;
        int code;
        const char *said;
    } cases[] = {
        {{u"identity"_s}, 2, "identity takes"},
        {{u"identity"_s, u"add"_s, u"Work"_s, u"--name"_s, u"X"_s}, 2, "needs --email"},
        {{u"identity"_s, u"add"_s, u"Work"_s, u"--email"_s}, 2, "--email needs a value"},
        {{u"identity"_s, u"add"_s, u"Work"_s, u"--colour"_s, u"red"_s}, 2, "Unknown option \"--colour\""},
        {{u"identity"_s, u"add"_s, u"Home"_s, u"--email"_s, u"a@b.test"_s}, 1, "no account \"Home\""},
        {{u"identity"_s, u"add"_s, u"Work"_s, u"--email"_s, u"JO@example.test"_s}, 1, "already has an identity"},
        {{u"identity"_s, u"add"_s, u"Work"_s, u"--email"_s, u"a@b.test"_s, u"--signature"_s, u"None"_s}, 1,
         "no signature \"None\""},
        {{u"identity"_s, u"delete"_s, u"Work"_s, u"jo@example.test"_s}, 1, "its own cannot be deleted"},
        {{u"identity"_s, u"list"_s, u"Home"_s}, 1, "no account \"Home\""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.arguments), c.code) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(fErr.contains(QLatin1String(c.said))) << fErr.toStdString();
    }
    EXPECT_EQ(cAccountStore::IdentitiesOf(u"Work"_s).size(), 1);
}
