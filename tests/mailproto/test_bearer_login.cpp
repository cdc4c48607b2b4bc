// SPDX-License-Identifier: GPL-3.0-or-later
// OAuth2 bearer tokens over SMTP AUTH and POP3 AUTH: the exact responses, the failure challenge
// answered so the server can finish refusing, and the token kept off connections in the clear.
#include "FakeServer.h"
#include "PopClientFor.h"
#include "SmtpClientFor.h"

#include "mailproto/TVrxSasl.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kToken = "ya29.good-token";
const QByteArray kRefusal = "eyJzdGF0dXMiOiJpbnZhbGlkX3Rva2VuIiwic2NvcGUiOiJtYWlsIn0="; // {"status":"invalid_token",...}

QByteArray Auth(const QByteArray &method, const QByteArray &user, const QByteArray &token = kToken)
{
    return "AUTH " + method + ' ' + TVrxSasl::BearerResponse(method, user, token) + "\r\n";
}

struct cBearerCase
{
    const char *name;
    QByteArray offered;      // SMTP: the AUTH line of EHLO; POP3: the SASL line of CAPA
    eVrxSecurity security;   // StartTls stands for "no TLS offered", None for "in the clear allowed"
    QList<QByteArray> replies;
    QByteArray expectedWritten;
    bool loggedIn;
};

} // namespace

TEST(BearerSasl, ResponsesCarryUserAndTokenAsRfc7628AndXoauth2Say)
{
    EXPECT_EQ(TVrxSasl::ChooseBearer({"PLAIN", "xoauth2", "OAUTHBEARER"}), "OAUTHBEARER");
    EXPECT_EQ(TVrxSasl::ChooseBearer({"PLAIN", "XOAUTH2"}), "XOAUTH2");
    EXPECT_EQ(TVrxSasl::ChooseBearer({"PLAIN", "CRAM-MD5"}), "");
    EXPECT_EQ(QByteArray::fromBase64(TVrxSasl::BearerResponse("OAUTHBEARER", "user@example.com", "vF9dft4qmT")),
              "n,a=user@example.com,\x01" "auth=Bearer vF9dft4qmT\x01\x01");
    EXPECT_EQ(QByteArray::fromBase64(TVrxSasl::BearerResponse("XOAUTH2", "someuser@example.com", "ya29.vF9dft4qmT")),
              "user=someuser@example.com\x01" "auth=Bearer ya29.vF9dft4qmT\x01\x01");
    // Names are escaped in the GS2 header, and no value can add a key of its own.
    EXPECT_EQ(QByteArray::fromBase64(TVrxSasl::BearerResponse("OAUTHBEARER", "a,b=c", "t\x01host=evil")),
              "n,a=a=2Cb=3Dc,\x01" "auth=Bearer thost=evil\x01\x01");
    EXPECT_EQ(TVrxSasl::BearerFailureAnswer("OAUTHBEARER"), "AQ==");
    EXPECT_EQ(TVrxSasl::BearerFailureAnswer("XOAUTH2"), "");
    EXPECT_EQ(TVrxSasl::BearerFailureStatus(kRefusal), "invalid_token");
    EXPECT_EQ(TVrxSasl::BearerFailureStatus("not json"), "");
}

TEST(BearerLogin, SmtpSendsOnlyTheTokenAndFinishesARefusal)
{
    const QByteArray bearer = Auth("OAUTHBEARER", "ann@example.com");
    const QList<cBearerCase> cases{
        {"OAUTHBEARER first", "250 AUTH PLAIN XOAUTH2 OAUTHBEARER", eVrxSecurity::None, {"235 ok\r\n"}, bearer, true},
        {"XOAUTH2 when alone", "250 AUTH PLAIN XOAUTH2", eVrxSecurity::None, {"235 ok\r\n"},
         Auth("XOAUTH2", "ann@example.com"), true},
        {"refused token: ^A, then the final refusal", "250 AUTH OAUTHBEARER", eVrxSecurity::None,
         {"334 " + kRefusal + "\r\n", "535 5.7.8 token expired\r\n", "221 bye\r\n"}, bearer + "AQ==\r\nQUIT\r\n", false},
        {"XOAUTH2 refusal answered by an empty line", "250 AUTH XOAUTH2", eVrxSecurity::None,
         {"334 " + kRefusal + "\r\n", "535 no\r\n", "221 bye\r\n"}, Auth("XOAUTH2", "ann@example.com") + "\r\nQUIT\r\n",
         false},
        {"no bearer method: the password is not tried", "250 AUTH PLAIN LOGIN", eVrxSecurity::None, {"221 bye\r\n"},
         "QUIT\r\n", false},
        {"STARTTLS missing: no token in the clear", "250 AUTH OAUTHBEARER", eVrxSecurity::StartTls, {"221 bye\r\n"},
         "QUIT\r\n", false},
    };
    for (const cBearerCase &c : cases) {
        FakeServer server;
        server.Send("220 ready\r\n").Replies(QList<QByteArray>{"250-hi\r\n" + c.offered + "\r\n"} + c.replies);
        auto smtp = ClientFor(server);
        smtp->Security = c.security;
        smtp->UserName = "ann@example.com";
        smtp->Password = "s3cret";
        smtp->BearerToken = kToken;
        smtp->AllowPasswordInClear = true;
        QList<QByteArray> errors;
        QObject::connect(smtp.get(), &TVrxSMTP::OnError, [&errors](const TVrxFailure &failure) { errors.append(failure.Message().toUtf8()); });
        smtp->Connect();
        EXPECT_EQ(smtp->Connected(), c.loggedIn) << c.name;
        EXPECT_EQ(errors.isEmpty(), c.loggedIn) << c.name;
        smtp.reset();
        const QByteArray written = server.Transcript();
        EXPECT_EQ(written.mid(written.indexOf("\r\n") + 2), c.expectedWritten) << c.name;
    }
}

TEST(BearerLogin, Pop3SendsOnlyTheTokenAndKeepsLongResponsesWithinTheLineLimit)
{
    const QByteArray longToken(300, 'x');
    const QByteArray bearer = Auth("OAUTHBEARER", "alice");
    const QList<cBearerCase> cases{
        {"initial response in the AUTH line", "SASL PLAIN OAUTHBEARER", eVrxSecurity::None, {"+OK\r\n"}, bearer, true},
        {"a long response follows an empty challenge", "SASL XOAUTH2", eVrxSecurity::None, {"+ \r\n", "+OK\r\n"},
         "AUTH XOAUTH2\r\n" + TVrxSasl::BearerResponse("XOAUTH2", "alice", longToken) + "\r\n", true},
        {"refused token: ^A, then the final refusal", "SASL OAUTHBEARER", eVrxSecurity::None,
         {"+ " + kRefusal + "\r\n", "-ERR [AUTH] invalid token\r\n"}, bearer + "AQ==\r\n", false},
        {"no bearer method: the password is not tried", "SASL PLAIN", eVrxSecurity::None, {"+OK bye\r\n"},
         "QUIT\r\n", false},
        {"STLS missing: no token in the clear", "SASL OAUTHBEARER", eVrxSecurity::StartTls, {"+OK bye\r\n"},
         "QUIT\r\n", false},
    };
    for (const cBearerCase &c : cases) {
        FakeServer server;
        server.Send("+OK hi\r\n").Replies(QList<QByteArray>{"+OK\r\n" + c.offered + "\r\n.\r\n"} + c.replies);
        auto pop = PopClientFor(server);
        pop->Method = TVrxPOP::LoginMethod::Sasl;
        pop->Security = c.security;
        pop->UserId = "alice";
        pop->BearerToken = QByteArray(c.name).startsWith("a long") ? longToken : kToken;
        QList<QByteArray> errors;
        QObject::connect(pop.get(), &TVrxPOP::OnError, [&errors](const TVrxFailure &failure) { errors.append(failure.Message().toUtf8()); });
        pop->Connect();
        const bool loggedIn = pop->Connected() && pop->Login();
        EXPECT_EQ(loggedIn, c.loggedIn) << c.name;
        EXPECT_EQ(errors.isEmpty(), c.loggedIn) << c.name;
        pop.reset();
        EXPECT_EQ(server.Transcript(), "CAPA\r\n" + c.expectedWritten) << c.name;
    }
}
