// SPDX-License-Identifier: GPL-3.0-or-later
// OAuth2 sign-in against a loopback authorization server: the first sign-in through the
// browser with PKCE, a refresh, a revoked sign-in that asks to sign in again, and the answers
// and visits that must not become tokens.
#include "LoopbackAuthServer.h"

#include "transfer/cOAuth2Client.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

cOAuth2Settings SettingsOf(const cLoopbackAuthServer &server)
{
    return {server.Url("/authorize"), server.Url("/token"), server.Url("/revoke"), u"mail offline"_s,
            QString::fromLatin1(cLoopbackAuthServer::kClientId), {}};
}

// Stands in for the desktop's browser: follows the authorization address and its redirect.
class cTestBrowser
{
public:
    void Open(const QUrl &url) { fPages.append(fNetwork.get(QNetworkRequest(url))); }
    // What the loopback redirect answered the browser.
    QByteArray LastPage()
    {
        QNetworkReply *reply = fPages.last();
        if (!reply->isFinished())
            QSignalSpy(reply, &QNetworkReply::finished).wait(5000);
        return reply->readAll();
    }

private:
    QNetworkAccessManager fNetwork;
    QList<QNetworkReply *> fPages;
};

// A sign-in waiting for the browser to come back.
struct cWaitingSignIn
{
    explicit cWaitingSignIn(const cOAuth2Settings &settings) : client(settings), done(&client, &cOAuth2Client::Done)
    {
        client.OpenBrowser = [this](const QUrl &url) { authorize = url; };
        client.SignIn();
    }
    // The loopback redirect address with query.
    QUrl Back(const QString &query) const
    {
        QUrl url(QUrlQuery(authorize).queryItemValue(u"redirect_uri"_s, QUrl::FullyDecoded));
        url.setQuery(query);
        return url;
    }

    cOAuth2Client client;
    QSignalSpy done;
    QUrl authorize;
};

cResultOf<cOAuth2Tokens> SignIn(cOAuth2Client &client, cTestBrowser &browser)
{
    client.OpenBrowser = [&browser](const QUrl &url) { browser.Open(url); };
    QSignalSpy done(&client, &cOAuth2Client::Done);
    client.SignIn();
    if (done.isEmpty()) {
        EXPECT_TRUE(done.wait(10000));
    }
    return client.Result();
}

} // namespace

TEST(OAuth2, SignInRefreshAndRevokeFollowTheProvider)
{
    cLoopbackAuthServer server;
    cTestBrowser browser;
    cOAuth2Client client(SettingsOf(server));
    client.LoginHint = u"jo@example.test"_s;
    const cResultOf<cOAuth2Tokens> signedIn = SignIn(client, browser);
    ASSERT_TRUE(signedIn.ok()) << signedIn.text().toStdString();
    EXPECT_EQ(signedIn.value().access, server.CurrentAccess());
    EXPECT_EQ(signedIn.value().refresh, server.CurrentRefresh());
    EXPECT_TRUE(signedIn.value().AccessUsable(QDateTime::currentDateTimeUtc()));
    EXPECT_TRUE(browser.LastPage().contains("Ravelin is signed in"));
    EXPECT_EQ(server.LastAuthorize.queryItemValue(u"code_challenge_method"_s), u"S256"_s);
    EXPECT_EQ(server.LastAuthorize.queryItemValue(u"scope"_s, QUrl::FullyDecoded), u"mail offline"_s);
    EXPECT_EQ(server.LastAuthorize.queryItemValue(u"login_hint"_s, QUrl::FullyDecoded), u"jo@example.test"_s);
    EXPECT_TRUE(server.LastAuthorize.queryItemValue(u"redirect_uri"_s, QUrl::FullyDecoded).startsWith(u"http://127.0.0.1:"_s));

    // An expired access token is renewed with the refresh token, which the answer need not repeat.
    cOAuth2Tokens expired = signedIn.value();
    expired.expires = QDateTime::currentDateTimeUtc().addSecs(30);
    EXPECT_FALSE(expired.AccessUsable(QDateTime::currentDateTimeUtc()));
    const cResultOf<cOAuth2Tokens> refreshed = cOAuth2Client::RefreshNow(SettingsOf(server), expired, 5000, {});
    ASSERT_TRUE(refreshed.ok()) << refreshed.text().toStdString();
    EXPECT_EQ(refreshed.value().access, server.CurrentAccess());
    EXPECT_NE(refreshed.value().access, signedIn.value().access);
    EXPECT_EQ(refreshed.value().refresh, signedIn.value().refresh);

    QSignalSpy revoked(&client, &cOAuth2Client::Done);
    client.Revoke(refreshed.value());
    ASSERT_TRUE(revoked.wait(5000));
    EXPECT_TRUE(client.Result().ok()) << client.Result().text().toStdString();
    const cResultOf<cOAuth2Tokens> afterRevoke = cOAuth2Client::RefreshNow(SettingsOf(server), refreshed.value(), 5000, {});
    EXPECT_EQ(afterRevoke.cause(), eFailure::Refused);
    EXPECT_TRUE(afterRevoke.text().contains(u"sign in again"_s)) << afterRevoke.text().toStdString();
}

TEST(OAuth2, AVisitWithAnotherStateIsTurnedAwayAndCancelEndsTheWait)
{
    cLoopbackAuthServer server;
    cTestBrowser browser;
    cWaitingSignIn waiting(SettingsOf(server));
    browser.Open(waiting.Back(u"code=stolen&state=not-ours"_s));
    EXPECT_TRUE(browser.LastPage().contains("not a sign-in"));
    EXPECT_TRUE(waiting.done.isEmpty());
    waiting.client.Cancel();
    ASSERT_EQ(waiting.done.size(), 1);
    EXPECT_EQ(waiting.client.Result().cause(), eFailure::Cancelled);
    EXPECT_TRUE(server.LastToken.isEmpty());
}

TEST(OAuth2, AProviderRefusalOrAnInsecureAddressEndsTheSignInWithItsReason)
{
    cLoopbackAuthServer server;
    cWaitingSignIn waiting(SettingsOf(server));
    cTestBrowser browser;
    browser.Open(waiting.Back(u"error=access_denied&state="_s + QUrlQuery(waiting.authorize).queryItemValue(u"state"_s)));
    ASSERT_TRUE(waiting.done.wait(5000));
    EXPECT_EQ(waiting.client.Result().cause(), eFailure::Refused);
    EXPECT_TRUE(waiting.client.Result().text().contains(u"access_denied"_s));

    cOAuth2Settings insecure = SettingsOf(server);
    insecure.tokenUrl = u"http://login.example.test/token"_s;
    cOAuth2Client plain(insecure);
    bool opened = false;
    plain.OpenBrowser = [&opened](const QUrl &) { opened = true; };
    plain.SignIn();
    EXPECT_EQ(plain.Result().cause(), eFailure::Format);
    EXPECT_FALSE(opened);
}

TEST(OAuth2Tokens, TokenAnswersBecomeTokensOnlyWhenTheyAreUsable)
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    const cOAuth2Tokens previous{"old", "refresh-old", now};
    const struct
    {
        const char *name;
        int status;
        QByteArray body;
        eFailure cause;
    } cases[] = {
        {"expired grant", 400, R"({"error":"invalid_grant"})", eFailure::Refused},
        {"other error", 401, R"({"error":"invalid_client","error_description":"unknown client"})", eFailure::Server},
        {"no JSON", 502, "<html>bad gateway</html>", eFailure::Server},
        {"token with a line break", 200, R"({"access_token":"a\r\nQUIT","token_type":"Bearer"})", eFailure::Format},
        {"not a bearer token", 200, R"({"access_token":"abc","token_type":"mac"})", eFailure::Format},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cOAuth2Tokens::FromTokenAnswer(c.status, c.body, previous, now, u"https://x/token"_s).cause(), c.cause) << c.name;

    // The lifetime may come as a string; a missing refresh token keeps the one we had.
    const auto tokens = cOAuth2Tokens::FromTokenAnswer(200, R"({"access_token":"ya29.a-b","expires_in":"3599"})", previous, now, {});
    ASSERT_TRUE(tokens.ok());
    EXPECT_EQ(tokens.value().refresh, "refresh-old");
    EXPECT_EQ(tokens.value().expires, now.addSecs(3599));
    const cOAuth2Tokens back = cOAuth2Tokens::FromSecret(tokens.value().ToSecret());
    EXPECT_EQ(back.access, "ya29.a-b");
    EXPECT_EQ(back.refresh, "refresh-old");
    EXPECT_EQ(back.expires, now.addSecs(3599));
    EXPECT_FALSE(cOAuth2Tokens::FromSecret("a typed password").SignedIn());
}
