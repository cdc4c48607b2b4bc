// SPDX-License-Identifier: GPL-3.0-or-later
// ravelin-cli and OAuth2: an account added with a client id signs in with the provider table's
// addresses, and "sign-in" stores the tokens of a sign-in that came back from the browser.
#include "CliRun.h"

#include "tests/support/cScratchSettings.h"
#include "tests/transfer/LoopbackAuthServer.h"
#include "transfer/cAccountStore.h"
#include "transfer/cOAuth2Tokens.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CliSignInTest : public ::testing::Test, public cCliRun
{
protected:
    void SetUp() override { ASSERT_TRUE(fDir.initStorage()); }

    cScratchSettings fDir;
};

} // namespace

TEST_F(CliSignInTest, AnAccountAddedWithAClientIdSignsInWithTheProvidersAddresses)
{
    ASSERT_EQ(run({u"add-account"_s, u"Mine"_s, u"--email"_s, u"jo@outlook.com"_s, u"--pop3"_s, u"outlook.office365.com"_s,
                   u"--smtp"_s, u"smtp-mail.outlook.com:587"_s, u"--user"_s, u"jo@outlook.com"_s, u"--password"_s, u"unused"_s,
                   u"--oauth2-client-id"_s, u"my-client"_s}),
              0)
        << fErr.toStdString();
    const cAccount account = cAccountStore::ReadAccount(u"Mine"_s);
    EXPECT_EQ(account.authentication, eAuthentication::OAuth2);
    EXPECT_EQ(account.oAuth2.clientId, u"my-client"_s);
    EXPECT_TRUE(account.oAuth2.authUrl.startsWith(u"https://login.microsoftonline.com/"_s));
    EXPECT_TRUE(account.password.isEmpty());

    EXPECT_EQ(run({u"sign-in"_s, u"Nobody"_s}), 1);
    EXPECT_TRUE(fErr.contains(u"no account \"Nobody\""_s));
}

TEST_F(CliSignInTest, SignInStoresTheTokensOfTheSignInThatCameBack)
{
    cLoopbackAuthServer server;
    cAccount account;
    account.section = u"Work"_s;
    account.email = u"jo@example.test"_s;
    account.authentication = eAuthentication::OAuth2;
    account.oAuth2 = {server.Url("/authorize"), server.Url("/token"), {}, u"mail"_s,
                      QString::fromLatin1(cLoopbackAuthServer::kClientId), {}};
    ASSERT_TRUE(cAccountStore::WriteAccount(account).ok());

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    cCliCommands commands(outStream, errStream);
    QNetworkAccessManager browser;
    commands.OpenBrowser = [&browser](const QUrl &url) { browser.get(QNetworkRequest(url)); };
    ASSERT_EQ(commands.Run({u"sign-in"_s, u"work"_s}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(u"is signed in"_s));
    const cOAuth2Tokens tokens = cOAuth2Tokens::FromSecret(cAccountStore::ReadAccount(u"Work"_s).password);
    EXPECT_EQ(tokens.access, server.CurrentAccess());
    EXPECT_EQ(tokens.refresh, server.CurrentRefresh());
}
