// SPDX-License-Identifier: GPL-3.0-or-later
// TVrxSMTP over TLS against aiosmtpd: mail goes out only after a verified handshake and a
// login the server accepts, and every refusal leaves the password and the message unsent.
#include "SecureServerTest.h"

#include "mailproto/TVrxSMTP.h"

#include <QCryptographicHash>

using namespace Qt::StringLiterals;

namespace {

struct cSecureSendCase
{
    const char *name;
    QString MailServerEnv::*port;
    eVrxSecurity security;
    bool caTrusted;
    bool fingerprintTrusted;
    QByteArray mechanism;
};

struct cRefusalCase
{
    const char *name;
    QString MailServerEnv::*port;
    eVrxSecurity security;
    bool caTrusted;
    QList<QByteArray> trusted;
    QByteArray password; // empty: the right one
    QStringList errorParts;
    bool certificateRefused;
    QByteArray authLogged; // the AUTH log's new line after the port, empty for none
};

const QByteArray WrongPassword = "n0t-the-s3cret";

class SecureSmtp : public SecureServerTest
{
protected:
    void Prepare(TVrxSMTP &smtp, const QString &port, eVrxSecurity security, const QByteArray &password = {}) const
    {
        smtp.Host = env.SmtpHost;
        smtp.Port = port;
        smtp.Security = security;
        smtp.UserName = env.User;
        smtp.Password = password.isEmpty() ? env.Password : password;
        smtp.ReplyTimeout = 20000;
    }

    static void MakeMessage(TVrxMsg &msg, const QByteArray &subject)
    {
        msg.From = "alice@example.org";
        msg.SendTo = "bob@example.org";
        msg.Subject = subject;
        msg.Text = {"Sent over TLS."};
    }
};

} // namespace

TEST_F(SecureSmtp, EachSecureWayDeliversAfterLoggingIn)
{
    const QList<cSecureSendCase> cases{
        {"TLS on connect, AUTH PLAIN", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, true, false, "PLAIN"},
        {"TLS on connect, AUTH LOGIN", &MailServerEnv::SmtpsLoginOnlyPort, eVrxSecurity::Tls, true, false, "LOGIN"},
        {"STARTTLS, then AUTH PLAIN", &MailServerEnv::SmtpStartTlsPort, eVrxSecurity::StartTls, true, false, "PLAIN"},
        {"certificate trusted by its fingerprint, no CA", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, false, true,
         "PLAIN"},
        {"STARTTLS certificate trusted by its fingerprint", &MailServerEnv::SmtpStartTlsPort, eVrxSecurity::StartTls,
         false, true, "PLAIN"},
    };
    for (const cSecureSendCase &c : cases) {
        SCOPED_TRACE(c.name);
        const cMark mark = Mark();
        TVrxSMTP smtp;
        Prepare(smtp, env.*c.port, c.security);
        Trust(smtp, c.caTrusted, c.fingerprintTrusted ? QList<QByteArray>{env.TlsFingerprint} : QList<QByteArray>());
        smtp.Connect();
        ASSERT_FALSE(smtp.Failed()) << smtp.LastFailure().Text.toStdString() << smtp.ReplyText().toStdString();
        EXPECT_TRUE(smtp.Encrypted());
        EXPECT_EQ(smtp.PeerFingerprint(), env.TlsFingerprint);
        TVrxMsg msg;
        MakeMessage(msg, c.name);
        ASSERT_TRUE(smtp.Send(msg)) << smtp.ReplyText().toStdString();
        smtp.Quit();
        EXPECT_FALSE(smtp.Failed());

        const QStringList added = DeliveredSince(mark);
        ASSERT_EQ(added.size(), 1);
        QFile delivered(added.first());
        ASSERT_TRUE(delivered.open(QIODevice::ReadOnly));
        EXPECT_TRUE(delivered.readAll().contains("\nSubject: " + QByteArray(c.name) + '\n'));
        EXPECT_EQ(AuthLinesSince(mark), QList<QByteArray>{(env.*c.port).toUtf8() + ' ' + c.mechanism + " ok tls"});
    }
}

TEST_F(SecureSmtp, RefusedConnectionsSendNeitherPasswordNorMail)
{
    const QByteArray changedFrom = QCryptographicHash::hash("the certificate trusted before", QCryptographicHash::Sha256).toHex();
    const QList<cRefusalCase> cases{
        {"certificate from an unknown CA", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, false, {}, {},
         {u"not trusted"_s, u"issuer certificate"_s}, true, {}},
        {"trusted certificate that changed", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, false, {changedFrom}, {},
         {u"not trusted"_s, u"issuer certificate"_s}, true, {}},
        {"certificate for another host", &MailServerEnv::SmtpWrongHostPort, eVrxSecurity::Tls, true, {}, {},
         {u"not trusted"_s, u"host name did not match"_s}, true, {}},
        {"STARTTLS required, not offered", &MailServerEnv::SmtpPort, eVrxSecurity::StartTls, true, {}, {},
         {u"does not offer STARTTLS"_s}, false, {}},
        {"STARTTLS stripped, AUTH offered in the clear", &MailServerEnv::SmtpStrippedPort, eVrxSecurity::StartTls, true,
         {}, {}, {u"does not offer STARTTLS"_s}, false, {}},
        {"AUTH offered in the clear, not allowed", &MailServerEnv::SmtpStrippedPort, eVrxSecurity::None, true, {}, {},
         {u"would send the password unencrypted"_s}, false, {}},
        {"wrong password", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, true, {}, WrongPassword,
         {u"Authentication credentials invalid"_s}, false, "PLAIN fail tls"},
    };
    for (const cRefusalCase &c : cases) {
        SCOPED_TRACE(c.name);
        const cMark mark = Mark();
        TVrxSMTP smtp;
        Prepare(smtp, env.*c.port, c.security, c.password);
        Trust(smtp, c.caTrusted, c.trusted);
        QString errors;
        CollectErrors(smtp, errors);
        smtp.Connect();

        ExpectRefusal(smtp, errors, c.errorParts, smtp.Password, c.certificateRefused);
        if (c.certificateRefused) {
            EXPECT_EQ(smtp.PeerFingerprint() == env.TlsFingerprint, c.port == &MailServerEnv::SmtpsPort);
        }
        EXPECT_EQ(DeliveredSince(mark), QStringList());
        const QList<QByteArray> expectedLog = c.authLogged.isEmpty() ? QList<QByteArray>()
                                                                     : QList<QByteArray>{(env.*c.port).toUtf8() + ' ' + c.authLogged};
        EXPECT_EQ(AuthLinesSince(mark), expectedLog);
    }
}
