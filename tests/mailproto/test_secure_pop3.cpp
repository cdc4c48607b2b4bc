// SPDX-License-Identifier: GPL-3.0-or-later
// TVrxPOP over TLS against dovecot: what was sent comes back over POP3S and STLS by each login
// method, and a refused certificate or a login that would show the password stops before it.
#include "SecureServerTest.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"
#include "mime/cMimeReader.h"

#include <QCryptographicHash>

using namespace Qt::StringLiterals;

namespace {

using eLogin = TVrxPOP::LoginMethod;

struct cSecureFetchCase
{
    const char *name;
    QString MailServerEnv::*port;
    eVrxSecurity security;
    eLogin method;
    bool caTrusted;
    bool fingerprintTrusted;
};

struct cPopRefusalCase
{
    const char *name;
    QString MailServerEnv::*port;
    eVrxSecurity security;
    eLogin method;
    bool caTrusted;
    QList<QByteArray> trusted;
    QByteArray password; // empty: the right one
    QStringList errorParts;
    bool certificateRefused;
};

const QByteArray Subject = "Fetched over TLS";

class SecurePop3 : public SecureServerTest
{
protected:
    void Prepare(TVrxPOP &pop, const QString &port, eVrxSecurity security, eLogin method,
                 const QByteArray &password = {}) const
    {
        pop.Host = env.Pop3Host;
        pop.Port = port;
        pop.Security = security;
        pop.Method = method;
        pop.UserId = env.User;
        pop.Passwd = password.isEmpty() ? env.Password : password;
        pop.ReplyTimeout = 20000;
    }

    // Through the plain server, which needs no login.
    void PutMessageInMailbox() const
    {
        TVrxSMTP smtp;
        smtp.Host = env.SmtpHost;
        smtp.Port = env.SmtpPort;
        smtp.Connect();
        ASSERT_FALSE(smtp.Failed()) << smtp.LastFailure().Text.toStdString();
        TVrxMsg msg;
        msg.From = "alice@example.org";
        msg.SendTo = "tester@example.org";
        msg.Subject = Subject;
        msg.Text = {"Fetch me securely."};
        ASSERT_TRUE(smtp.Send(msg));
        smtp.Quit();
    }

    static QList<QByteArray> Subjects(TVrxPOP &pop)
    {
        QList<QByteArray> subjects;
        pop.CheckMail();
        for (qint64 number = 1; number <= pop.MessageCount(); ++number)
            if (const auto msg = pop.Retrieve(number))
                subjects.append(cMimeReader::Read(*msg).subject.toUtf8());
        return subjects;
    }
};

} // namespace

TEST_F(SecurePop3, EachSecureWayFetchesWhatWasSent)
{
    PutMessageInMailbox();
    const QList<cSecureFetchCase> cases{
        {"POP3S, USER/PASS", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, eLogin::UserPass, true, false},
        {"STLS, USER/PASS", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, eLogin::UserPass, true, false},
        {"POP3S, SASL", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, eLogin::Sasl, true, false},
        {"STLS, SASL", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, eLogin::Sasl, true, false},
        {"STLS, APOP", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, eLogin::Apop, true, false},
        {"POP3S certificate trusted by its fingerprint, no CA", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls,
         eLogin::UserPass, false, true},
    };
    for (const cSecureFetchCase &c : cases) {
        SCOPED_TRACE(c.name);
        TVrxPOP pop;
        Prepare(pop, env.*c.port, c.security, c.method);
        Trust(pop, c.caTrusted, c.fingerprintTrusted ? QList<QByteArray>{env.TlsFingerprint} : QList<QByteArray>());
        pop.Connect();
        ASSERT_FALSE(pop.Failed()) << pop.LastFailure().Text.toStdString() << pop.ReplyText().toStdString();
        EXPECT_TRUE(pop.Encrypted());
        EXPECT_EQ(pop.PeerFingerprint(), env.TlsFingerprint);
        ASSERT_TRUE(pop.Login()) << pop.ReplyText().toStdString();
        EXPECT_TRUE(Subjects(pop).contains(Subject));
        pop.Quit();
        EXPECT_FALSE(pop.Failed());
    }
}

TEST_F(SecurePop3, RefusalsStopBeforeThePasswordGoesOut)
{
    const QByteArray changedFrom = QCryptographicHash::hash("the certificate trusted before", QCryptographicHash::Sha256).toHex();
    const QList<cPopRefusalCase> cases{
        {"certificate from an unknown CA", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, eLogin::UserPass, false, {}, {},
         {u"not trusted"_s, u"issuer certificate"_s}, true},
        {"trusted certificate that changed", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, eLogin::UserPass, false,
         {changedFrom}, {}, {u"not trusted"_s, u"issuer certificate"_s}, true},
        {"STLS certificate from an unknown CA", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, eLogin::UserPass, false,
         {}, {}, {u"not trusted"_s, u"issuer certificate"_s}, true},
        {"USER/PASS in the clear, not allowed", &MailServerEnv::Pop3Port, eVrxSecurity::None, eLogin::UserPass, true, {},
         {}, {u"would send the password unencrypted"_s}, false},
        {"SASL in the clear, not allowed", &MailServerEnv::Pop3Port, eVrxSecurity::None, eLogin::Sasl, true, {}, {},
         {u"would send the password unencrypted"_s}, false},
        {"wrong password", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, eLogin::UserPass, true, {}, "n0t-the-s3cret",
         {u"Authentication failed"_s}, false},
    };
    for (const cPopRefusalCase &c : cases) {
        SCOPED_TRACE(c.name);
        TVrxPOP pop;
        Prepare(pop, env.*c.port, c.security, c.method, c.password);
        Trust(pop, c.caTrusted, c.trusted);
        QString errors;
        CollectErrors(pop, errors);
        pop.Connect();
        if (pop.Connected()) {
            EXPECT_FALSE(pop.Login());
        }

        ExpectRefusal(pop, errors, c.errorParts, pop.Passwd, c.certificateRefused);
        if (c.certificateRefused) {
            EXPECT_EQ(pop.PeerFingerprint(), env.TlsFingerprint);
        }
    }
}
