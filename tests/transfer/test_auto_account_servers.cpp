// SPDX-License-Identifier: GPL-3.0-or-later
// An account from an address and a password against the real servers: the autoconfig file
// names the TLS servers, the logins are real, and a certificate nobody trusts stops the web
// look-up and the logins alike.
#include "tests/servers/MailServerEnv.h"
#include "tests/transfer/FakeMailDns.h"
#include "tests/transfer/LoopbackHttp.h"
#include "tests/transfer/SessionFixture.h"
#include "tests/transfer/UnsentMessage.h"

#include "transfer/cAutoAccount.h"
#include "transfer/cAutoconfigFetch.h"
#include "transfer/cGetSession.h"
#include "transfer/cSendSession.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 10000;

class AutoAccountServers : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        ASSERT_TRUE(fServers.Load()) << "the mailservers fixture did not run";
        ASSERT_FALSE(fServers.Pop3sPort.isEmpty()) << "the mailservers fixture offers no TLS";
        const QByteArray user = fServers.User;
        fHttp.Serve(u"autoconfig.example.test/mail/config-v1.1.xml"_s,
                    "<clientConfig><emailProvider><domain>example.test</domain><incomingServer type=\"pop3\">"
                    "<hostname>localhost</hostname><port>" + fServers.Pop3sPort.toLatin1()
                        + "</port><socketType>SSL</socketType><username>" + user + "</username></incomingServer>"
                        "<outgoingServer type=\"smtp\"><hostname>localhost</hostname><port>" + fServers.SmtpsPort.toLatin1()
                        + "</port><socketType>SSL</socketType><username>" + user + "</username></outgoingServer>"
                        "</emailProvider></clientConfig>");
    }
    void TearDown() override { qunsetenv("RAVELIN_TLS_CA_FILE"); }

    cResultOf<cAccount> make(const QByteArray &password)
    {
        cFinderSetup setup;
        setup.autoconfigBase = fHttp.Base();
        setup.dns = std::make_shared<cFakeMailDns>();
        setup.guess = [](const QString &, bool, const std::function<void()> &) { return cProbeResult(); };
        setup.timeoutMs = kTimeoutMs;
        cAutoAccount maker(setup);
        cAccount typed;
        typed.section = u"Auto"_s;
        typed.email = u"jo@example.test"_s;
        typed.password = password;
        typed.allowPasswordInClear = false;
        return maker.Make(typed);
    }

    MailServerEnv fServers;
    cLoopbackHttp fHttp;
};

} // namespace

TEST_F(AutoAccountServers, TheRightPasswordGivesAnAccountThatSendsAndFetchesOverTls)
{
    qputenv("RAVELIN_TLS_CA_FILE", fServers.TlsCaFile.toLocal8Bit());
    const cResultOf<cAccount> made = make(fServers.Password);
    ASSERT_TRUE(made.ok()) << made.text().toStdString();
    EXPECT_EQ(made.value().pop3Security, eVrxSecurity::Tls);
    EXPECT_EQ(made.value().smtpSecurity, eVrxSecurity::Tls);
    EXPECT_EQ(made.value().smtpLogin, eSmtpLogin::SameAsPop3);
    EXPECT_EQ(made.value().userId, QString::fromUtf8(fServers.User));

    addAccount(made.value());
    ASSERT_FALSE(WriteUnsentMessage("Found").isEmpty());
    cSendSession send(fStore, made.value().section);
    send.Start(fStore.Messages(QStringLiteral("Unsent")));
    ASSERT_TRUE(runToEnd(send));
    EXPECT_TRUE(send.Errors().isEmpty()) << send.Errors().join(u'\n').toStdString();
    cGetSession get({made.value().section});
    get.Start();
    ASSERT_TRUE(runToEnd(get));
    EXPECT_TRUE(get.Errors().isEmpty()) << get.Errors().join(u'\n').toStdString();
}

TEST_F(AutoAccountServers, AWrongPasswordOrAnUntrustedCertificateSavesNothing)
{
    qputenv("RAVELIN_TLS_CA_FILE", fServers.TlsCaFile.toLocal8Bit());
    const cResultOf<cAccount> wrong = make("not the password");
    EXPECT_EQ(wrong.cause(), eFailure::Refused);
    EXPECT_TRUE(wrong.text().contains(u"localhost:"_s + fServers.Pop3sPort)) << wrong.text().toStdString();
    EXPECT_FALSE(wrong.text().contains(u"not the password"_s));

    qunsetenv("RAVELIN_TLS_CA_FILE");
    const cResultOf<cAccount> untrusted = make(fServers.Password);
    EXPECT_EQ(untrusted.cause(), eFailure::Network) << untrusted.text().toStdString();
}

TEST_F(AutoAccountServers, AWebServerWithAnUntrustedCertificateIsNotAsked)
{
    const QUrl url(u"https://localhost:%1/mail/config-v1.1.xml"_s.arg(fServers.Pop3sPort));
    const cResultOf<QByteArray> fetched = cAutoconfigFetch::Get(url, {}, kTimeoutMs, {});
    EXPECT_EQ(fetched.cause(), eFailure::Network);
    EXPECT_TRUE(fetched.text().contains(u"SSL"_s, Qt::CaseInsensitive)
                || fetched.text().contains(u"certificate"_s, Qt::CaseInsensitive))
        << fetched.text().toStdString();
}
