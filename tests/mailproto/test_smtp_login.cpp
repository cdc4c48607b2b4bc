// SPDX-License-Identifier: GPL-3.0-or-later
// SMTP login and STARTTLS as the client speaks them: the methods, their exact bytes, and the
// refusals that keep a password or a message off a connection that is not protected.
#include "FakeServer.h"
#include "SmtpClientFor.h"

#include "mailproto/TVrxSasl.h"
#include "mailproto/TVrxSMTP.h"

#include <gtest/gtest.h>

TEST(Sasl, MethodsAreChosenForTheConnectionAndAnswerAsTheirRfcsSay)
{
    EXPECT_EQ(TVrxSasl::Choose({"login", "CRAM-MD5", "PLAIN"}, true), "PLAIN");
    EXPECT_EQ(TVrxSasl::Choose({"LOGIN", "CRAM-MD5", "PLAIN"}, false), "CRAM-MD5");
    EXPECT_EQ(TVrxSasl::Choose({"LOGIN"}, false), "LOGIN");
    EXPECT_EQ(TVrxSasl::Choose({"GSSAPI", "XOAUTH2"}, true), "");
    EXPECT_EQ(TVrxSasl::PlainResponse("tim", "tanstaaf"), QByteArray("\0tim\0tanstaaf", 13).toBase64());
    // RFC 2195 section 2.
    EXPECT_EQ(TVrxSasl::CramMd5Response("tim", "tanstaaftanstaaf",
                                        QByteArray("<1896.697170952@postoffice.reston.mci.net>").toBase64()),
              "dGltIGI5MTNhNjAyYzdlZGE3YTQ5NWI0ZTZlNzMzNGQzODkw");
}

namespace {

struct cLoginCase
{
    const char *name;
    QByteArray ehlo;
    eVrxSecurity security;
    bool allowInClear;
    QList<QByteArray> replies; // after the EHLO reply
    QByteArray expectedWritten; // after the EHLO line
    bool connected;
};

} // namespace

TEST(SmtpLogin, PasswordsAndMailOnlyGoWhereTheAccountAllows)
{
    const QList<cLoginCase> cases{
        {"PLAIN when allowed in the clear", "250-hi\r\n250 AUTH PLAIN LOGIN\r\n", eVrxSecurity::None, true,
         {"235 ok\r\n"}, "AUTH PLAIN " + TVrxSasl::PlainResponse("ann", "s3cret") + "\r\n", true},
        {"LOGIN step by step", "250-hi\r\n250 AUTH LOGIN\r\n", eVrxSecurity::None, true,
         {"334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "235 ok\r\n"}, "AUTH LOGIN\r\nYW5u\r\nczNjcmV0\r\n", true},
        {"no password in the clear", "250-hi\r\n250 AUTH PLAIN\r\n", eVrxSecurity::None, false, {"221 bye\r\n"},
         "QUIT\r\n", false},
        {"STARTTLS required, not offered (or stripped)", "250-hi\r\n250 AUTH PLAIN\r\n", eVrxSecurity::StartTls, true,
         {"221 bye\r\n"}, "QUIT\r\n", false},
        {"wrong password", "250-hi\r\n250 AUTH PLAIN\r\n", eVrxSecurity::None, true, {"535 no\r\n", "221 bye\r\n"},
         "AUTH PLAIN " + TVrxSasl::PlainResponse("ann", "s3cret") + "\r\nQUIT\r\n", false},
    };
    for (const cLoginCase &c : cases) {
        FakeServer server;
        server.Send("220 ready\r\n").Replies(QList<QByteArray>{c.ehlo} + c.replies);
        auto smtp = ClientFor(server);
        smtp->Security = c.security;
        smtp->UserName = "ann";
        smtp->Password = "s3cret";
        smtp->AllowPasswordInClear = c.allowInClear;
        QList<QByteArray> errors;
        QObject::connect(smtp.get(), &TVrxSMTP::OnError, [&errors](const TVrxFailure &failure) { errors.append(failure.Message().toUtf8()); });
        smtp->Connect();
        EXPECT_EQ(smtp->Connected(), c.connected) << c.name;
        EXPECT_EQ(errors.isEmpty(), c.connected) << c.name;
        for (const QByteArray &error : errors)
            EXPECT_FALSE(error.contains("s3cret")) << c.name;
        smtp.reset();
        const QByteArray written = server.Transcript();
        EXPECT_EQ(written.mid(written.indexOf("\r\n") + 2), c.expectedWritten) << c.name;
    }
}
