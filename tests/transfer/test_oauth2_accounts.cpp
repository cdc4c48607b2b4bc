// SPDX-License-Identifier: GPL-3.0-or-later
// Accounts that sign in with OAuth2: the check renews a token that ran out before the servers
// see it, and a sign-in the provider or a server no longer takes asks the user to sign in again
// instead of failing silently or trying forever. The tokens are stored like a password.
#include "FakeMailDns.h"
#include "LoopbackAuthServer.h"
#include "MemoryKeyring.h"
#include "UnsentMessage.h"
#include "tests/mailproto/ScriptedServer.h"
#include "tests/support/cScratchSettings.h"

#include "mailproto/TVrxSasl.h"
#include "transfer/cAccountStore.h"
#include "transfer/cAutoAccount.h"
#include "transfer/cGetSession.h"
#include "transfer/cSendSession.h"
#include "transfer/cOAuth2Client.h"
#include "transfer/cOAuth2SignIn.h"
#include "transfer/cPasswordKeyring.h"
#include "transfer/cSettingsVerifier.h"

#include <QNetworkReply>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 5000;

class OAuth2AccountTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(fDir.initStorage()); }

    // Signed in at the server, with an access token that has run out.
    cAccount SignedInAccount()
    {
        cAccount account;
        account.section = u"Work"_s;
        account.name = u"Jo Doe"_s;
        account.email = u"jo@example.test"_s;
        account.authentication = eAuthentication::OAuth2;
        account.oAuth2 = {fAuth.Url("/authorize"), fAuth.Url("/token"), fAuth.Url("/revoke"), u"mail"_s,
                          QString::fromLatin1(cLoopbackAuthServer::kClientId), {}};
        // The scripted servers speak no TLS.
        account.allowPasswordInClear = true;
        cOAuth2Client client(account.oAuth2);
        client.OpenBrowser = [this](const QUrl &url) { fBrowser.get(QNetworkRequest(url)); };
        QSignalSpy done(&client, &cOAuth2Client::Done);
        client.SignIn();
        EXPECT_TRUE(done.wait(kTimeoutMs));
        cOAuth2Tokens tokens = client.Result().value();
        tokens.expires = QDateTime::currentDateTimeUtc().addSecs(-1);
        account.password = tokens.ToSecret();
        return account;
    }

    static cServerSetting At(const ScriptedServer &server)
    {
        return {u"127.0.0.1"_s, server.Port(), eVrxSecurity::None, {}};
    }

    QByteArray Auth(const QByteArray &token) const
    {
        return "AUTH XOAUTH2 " + TVrxSasl::BearerResponse("XOAUTH2", "jo@example.test", token) + "\r\n";
    }

    cScratchSettings fDir;
    cLoopbackAuthServer fAuth;
    QNetworkAccessManager fBrowser;
};

} // namespace

TEST_F(OAuth2AccountTest, TheCheckRenewsARunOutTokenAndTheServersGetOnlyTheNewOne)
{
    const cAccount typed = SignedInAccount();
    const QByteArray first = fAuth.CurrentAccess();
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n").Replies({"+OK\r\nSASL PLAIN XOAUTH2\r\n.\r\n", "+OK\r\n", "+OK bye\r\n"}).Start();
    ScriptedServer smtp;
    smtp.Send("220 ready\r\n").Replies({"250-hi\r\n250 AUTH XOAUTH2\r\n", "235 ok\r\n", "221 bye\r\n"}).Start();
    cSettingsVerifier verifier(kTimeoutMs);
    const cResultOf<cAccount> verified = verifier.Verify({u"test"_s, {At(pop3)}, {At(smtp)}, {}}, typed);
    ASSERT_TRUE(verified.ok()) << verified.text().toStdString();
    const QByteArray renewed = fAuth.CurrentAccess();
    EXPECT_NE(renewed, first);
    EXPECT_EQ(cOAuth2Tokens::FromSecret(verified.value().password).access, renewed);
    EXPECT_EQ(pop3.Transcript(), "CAPA\r\n" + Auth(renewed) + "QUIT\r\n");
    const QByteArray smtpWritten = smtp.Transcript();
    EXPECT_TRUE(smtpWritten.contains(Auth(renewed))) << smtpWritten.constData();
    EXPECT_FALSE(smtpWritten.contains(first));
}

TEST_F(OAuth2AccountTest, ARevokedOrRefusedSignInAsksToSignInAgain)
{
    const cAccount typed = SignedInAccount();
    // Revoked at the provider: no server is asked.
    {
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(fAuth.Url("/revoke")));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        QSignalSpy revoked(network.post(request,
                                        "token=" + QUrl::toPercentEncoding(QString::fromLatin1(fAuth.CurrentRefresh()))),
                           &QNetworkReply::finished);
        ASSERT_TRUE(revoked.wait(kTimeoutMs));
        const cServerSetting never{u"127.0.0.1"_s, 1, eVrxSecurity::None, {}};
        const cResultOf<cAccount> verified = cSettingsVerifier(kTimeoutMs).Verify({u"test"_s, {never}, {never}, {}}, typed);
        EXPECT_EQ(verified.cause(), eFailure::Refused);
        EXPECT_TRUE(verified.text().contains(u"sign in again"_s, Qt::CaseInsensitive)) << verified.text().toStdString();
    }
    // A server that refuses the token: the failure challenge is answered, the user told.
    cAccount fresh = SignedInAccount();
    ASSERT_TRUE(cOAuth2SignIn::Freshen(fresh, kTimeoutMs, {}).ok());
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n")
        .Replies({"+OK\r\nSASL XOAUTH2\r\n.\r\n", "+ eyJzdGF0dXMiOiI0MDEifQ==\r\n", "-ERR [AUTH] invalid credentials\r\n",
                  "+OK bye\r\n"})
        .Start();
    const cResultOf<cAccount> verified = cSettingsVerifier(kTimeoutMs).Verify({u"test"_s, {At(pop3)}, {}, {}}, fresh);
    EXPECT_EQ(verified.cause(), eFailure::Refused);
    EXPECT_TRUE(verified.text().contains(u"sign in again"_s)) << verified.text().toStdString();
    EXPECT_TRUE(pop3.Transcript().endsWith("\r\n\r\n"));
}

TEST_F(OAuth2AccountTest, RenewedTokensAreStoredWhereTheAccountKeepsItsPasswordAndNothingElseChanges)
{
    auto keyring = std::make_shared<cMemoryKeyring>();
    cPasswordKeyring::UseBackend(keyring);
    for (const bool inKeyring : {false, true}) {
        cAccount account = SignedInAccount();
        account.passwordInKeyring = inKeyring;
        account.pop3Server = u"pop.example.test"_s;
        ASSERT_TRUE(cAccountStore::WriteAccount(account).ok());
        cAccount read = cAccountStore::ReadAccount(u"Work"_s);
        EXPECT_EQ(read.authentication, eAuthentication::OAuth2);
        EXPECT_EQ(read.oAuth2, account.oAuth2);
        ASSERT_TRUE(cOAuth2SignIn::Freshen(read, kTimeoutMs, {}).ok());
        const cAccount stored = cAccountStore::ReadAccount(u"Work"_s);
        EXPECT_EQ(cOAuth2Tokens::FromSecret(stored.password).access, fAuth.CurrentAccess()) << inKeyring;
        EXPECT_EQ(stored.pop3Server, u"pop.example.test"_s);
        EXPECT_EQ(stored.passwordInKeyring, inKeyring);
        // A refused token is dropped, so the next attempt renews it instead of offering it again.
        EXPECT_TRUE(cOAuth2SignIn::ServerRefused(stored).contains(u"sign in again"_s));
        EXPECT_TRUE(cOAuth2Tokens::FromSecret(cAccountStore::ReadAccount(u"Work"_s).password).access.isEmpty());
    }
    cPasswordKeyring::UseBackend(nullptr);
}

TEST_F(OAuth2AccountTest, AProviderThatTakesOnlyOAuth2GivesAnAccountSetToSignInWithItsAddresses)
{
    cFinderSetup setup;
    setup.timeoutMs = kTimeoutMs;
    setup.dns = std::make_shared<cFakeMailDns>();
    cAutoAccount maker(setup);
    QStringList steps;
    maker.Progress = [&steps](const QString &step) { steps.append(step); };
    cAccount typed;
    typed.section = u"Mine"_s;
    typed.email = u"jo@outlook.com"_s;
    typed.password = "not used";
    typed.oAuth2.clientId = u"my-client"_s;
    const cResultOf<cAccount> made = maker.Make(typed);
    ASSERT_TRUE(made.ok()) << made.text().toStdString();
    const cAccount &account = made.value();
    EXPECT_EQ(account.authentication, eAuthentication::OAuth2);
    EXPECT_EQ(account.pop3Server, u"outlook.office365.com"_s);
    EXPECT_EQ(account.userId, u"jo@outlook.com"_s);
    EXPECT_EQ(account.smtpLogin, eSmtpLogin::SameAsPop3);
    EXPECT_TRUE(account.oAuth2.tokenUrl.startsWith(u"https://login.microsoftonline.com/"_s));
    EXPECT_EQ(account.oAuth2.clientId, u"my-client"_s);
    EXPECT_TRUE(account.password.isEmpty());
    EXPECT_TRUE(steps.join(u'\n').contains(u"Sign-in page"_s));
}

TEST_F(OAuth2AccountTest, SessionsRenewTheTokenOnTheirThreadAndNeverRetryARefusedOne)
{
    cAccount account = SignedInAccount();
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n")
        .Replies({"+OK\r\nSASL XOAUTH2\r\n.\r\n", "+ eyJzdGF0dXMiOiI0MDEifQ==\r\n", "-ERR [AUTH] invalid credentials\r\n",
                  "+OK bye\r\n"})
        .Start();
    account.pop3Server = u"127.0.0.1"_s;
    account.userId = account.email;
    account.pop3Port = QString::number(pop3.Port());
    account.smtpServer = u"127.0.0.1"_s;
    account.smtpPort = u"1"_s;
    ASSERT_TRUE(cAccountStore::WriteAccount(account).ok());
    {
        cGetSession session({u"Work"_s});
        QSignalSpy finished(&session, &cSessionEngine::Finished);
        session.Start();
        ASSERT_TRUE(finished.wait(20000));
        EXPECT_TRUE(session.Errors().join(u'\n').contains(u"sign in again"_s)) << session.Errors().join(u'\n').toStdString();
    }
    EXPECT_TRUE(pop3.Transcript().contains(Auth(fAuth.CurrentAccess())));
    // The refused token is gone: the next session renews it first.
    EXPECT_TRUE(cOAuth2Tokens::FromSecret(cAccountStore::ReadAccount(u"Work"_s).password).access.isEmpty());

    // Revoked at the provider: the send session says so and sends nothing.
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(fAuth.Url("/revoke")));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    QSignalSpy revoked(network.post(request, "token=" + QUrl::toPercentEncoding(QString::fromLatin1(fAuth.CurrentRefresh()))),
                       &QNetworkReply::finished);
    ASSERT_TRUE(revoked.wait(kTimeoutMs));
    cQrzMailStore store;
    cSendSession send(store, u"Work"_s);
    QSignalSpy finished(&send, &cSessionEngine::Finished);
    send.Start(UnsentRefs({WriteUnsentMessage("kept")}));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(send.Errors().join(u'\n').contains(u"sign in again"_s)) << send.Errors().join(u'\n').toStdString();
}
