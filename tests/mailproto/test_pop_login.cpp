// SPDX-License-Identifier: GPL-3.0-or-later
// POP3 logins as the client speaks them, and the refusals that keep a password off a
// connection that is not protected.
#include "PopClientFor.h"
#include "FakeServer.h"

#include "mailproto/TVrxSasl.h"

#include <gtest/gtest.h>

namespace {

using Method = TVrxPOP::LoginMethod;

struct cPopLoginCase
{
    const char *name;
    QByteArray greeting;
    Method method;
    eVrxSecurity security;
    bool allowInClear;
    QList<QByteArray> replies;
    QByteArray expectedWritten;
    bool loggedIn;
};

const QByteArray Capa = "+OK\r\nSASL PLAIN LOGIN CRAM-MD5\r\nUSER\r\n.\r\n";
const QByteArray RfcGreeting = "+OK POP3 server ready <1896.697170952@dbc.mtview.ca.us>\r\n";

} // namespace

TEST(PopLogin, PasswordsOnlyGoWhereTheAccountAllowsAndEachMethodSpeaksItsRfc)
{
    const QByteArray plain = "AUTH PLAIN " + TVrxSasl::PlainResponse("alice", "secret") + "\r\n";
    const QList<cPopLoginCase> cases{
        {"USER/PASS when allowed in the clear", "+OK hi\r\n", Method::UserPass, eVrxSecurity::None, true,
         {"+OK\r\n", "+OK\r\n"}, "USER alice\r\nPASS secret\r\n", true},
        {"no USER/PASS in the clear", "+OK hi\r\n", Method::UserPass, eVrxSecurity::None, false, {"+OK bye\r\n"},
         "QUIT\r\n", false},
        // RFC 1939 section 7's example digest, for the password "tanstaaf" (set below).
        {"APOP with the greeting's timestamp", RfcGreeting, Method::Apop, eVrxSecurity::None, false, {"+OK\r\n"},
         "APOP alice c4c9334bac560ecc979e58001b3e22fb\r\n", true},
        {"APOP without a timestamp", "+OK hi\r\n", Method::Apop, eVrxSecurity::None, false, {"+OK bye\r\n"}, "QUIT\r\n",
         false},
        {"AUTH PLAIN when allowed in the clear", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, true,
         {"+OK\r\nSASL PLAIN\r\n.\r\n", "+OK\r\n"}, "CAPA\r\n" + plain, true},
        {"AUTH LOGIN step by step", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, true,
         {"+OK\r\nSASL LOGIN\r\n.\r\n", "+ VXNlcm5hbWU6\r\n", "+ UGFzc3dvcmQ6\r\n", "+OK\r\n"},
         "CAPA\r\nAUTH LOGIN\r\nYWxpY2U=\r\nc2VjcmV0\r\n", true},
        {"CRAM-MD5 is chosen in the clear", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, false,
         {Capa, "+ " + QByteArray("<1@x>").toBase64() + "\r\n", "+OK\r\n"},
         "CAPA\r\nAUTH CRAM-MD5\r\n" + TVrxSasl::CramMd5Response("alice", "secret", QByteArray("<1@x>").toBase64()) + "\r\n",
         true},
        {"no AUTH PLAIN in the clear", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, false,
         {"+OK\r\nSASL PLAIN\r\n.\r\n", "+OK bye\r\n"}, "CAPA\r\nQUIT\r\n", false},
        {"no method Ravelin knows", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, true,
         {"+OK\r\nSASL GSSAPI\r\n.\r\n", "+OK bye\r\n"}, "CAPA\r\nQUIT\r\n", false},
        {"wrong password ends the exchange", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, true,
         {"+OK\r\nSASL PLAIN\r\n.\r\n", "-ERR [AUTH] no\r\n"}, "CAPA\r\n" + plain, false},
        {"a challenge after a refused step is cancelled", "+OK hi\r\n", Method::Sasl, eVrxSecurity::None, true,
         {"+OK\r\nSASL LOGIN\r\n.\r\n", "+ VXNlcm5hbWU6\r\n", "-ERR no such user\r\n"},
         "CAPA\r\nAUTH LOGIN\r\nYWxpY2U=\r\n", false},
        {"STLS required but not offered (or stripped)", "+OK hi\r\n", Method::UserPass, eVrxSecurity::StartTls, true,
         {"+OK\r\nUSER\r\n.\r\n", "+OK bye\r\n"}, "CAPA\r\nQUIT\r\n", false},
    };
    for (const cPopLoginCase &c : cases) {
        FakeServer server;
        server.Send(c.greeting).Replies(c.replies);
        auto pop = PopClientFor(server);
        pop->Method = c.method;
        pop->Security = c.security;
        pop->AllowPasswordInClear = c.allowInClear;
        if (c.greeting == RfcGreeting)
            pop->Passwd = "tanstaaf";
        QList<QByteArray> errors;
        QObject::connect(pop.get(), &TVrxPOP::OnError, [&errors](const TVrxFailure &failure) { errors.append(failure.Message().toUtf8()); });
        pop->Connect();
        const bool loggedIn = pop->Connected() && pop->Login();
        EXPECT_EQ(loggedIn, c.loggedIn) << c.name;
        EXPECT_EQ(pop->LoggedIn(), c.loggedIn) << c.name;
        EXPECT_EQ(errors.isEmpty(), c.loggedIn) << c.name;
        for (const QByteArray &error : errors)
            EXPECT_FALSE(error.contains("secret")) << c.name << ": " << error.constData();
        pop.reset();
        EXPECT_EQ(server.Transcript(), c.expectedWritten) << c.name;
    }
}
