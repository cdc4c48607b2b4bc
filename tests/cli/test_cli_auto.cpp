// SPDX-License-Identifier: GPL-3.0-or-later
// "add-account --auto" end to end: the autoconfig file from a loopback web server names
// scripted POP3 and SMTP servers; the account is saved only when both take the login.
#include "CliRun.h"

#include "tests/mailproto/ScriptedServer.h"
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/LoopbackHttp.h"
#include "transfer/cAccountStore.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kAddress = u"jo@example.test"_s;

QByteArray Autoconfig(quint16 pop3, quint16 smtp)
{
    return "<clientConfig version=\"1.1\"><emailProvider id=\"example.test\"><domain>example.test</domain>"
           "<incomingServer type=\"pop3\"><hostname>127.0.0.1</hostname><port>" + QByteArray::number(pop3)
           + "</port><socketType>plain</socketType><username>%EMAILLOCALPART%</username></incomingServer>"
           "<outgoingServer type=\"smtp\"><hostname>127.0.0.1</hostname><port>" + QByteArray::number(smtp)
           + "</port><socketType>plain</socketType><username>%EMAILLOCALPART%</username></outgoingServer>"
           "</emailProvider></clientConfig>";
}

class CliAutoTest : public ::testing::Test, public cCliRun
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        qputenv("RAVELIN_AUTOCONFIG_URL", fHttp.Base().toLatin1());
    }
    void TearDown() override { qunsetenv("RAVELIN_AUTOCONFIG_URL"); }

    int addAuto(const char *password)
    {
        return run({u"add-account"_s, u"--auto"_s, kAddress, u"--password"_s, QLatin1String(password), u"--name"_s,
                    u"Jo Doe"_s, u"--allow-plain-password"_s});
    }

    cScratchSettings fDir;
    cLoopbackHttp fHttp;
};

} // namespace

TEST_F(CliAutoTest, TheAccountFoundAndLoggedIntoIsSavedAndMadeTheDefault)
{
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n").Replies({"+OK\r\n", "+OK in\r\n", "+OK bye\r\n"}).Start();
    ScriptedServer smtp;
    smtp.Send("220 ready\r\n").Replies({"250-hi\r\n250 AUTH PLAIN\r\n", "235 ok\r\n", "221 bye\r\n"}).Start();
    fHttp.Serve(u"autoconfig.example.test/mail/config-v1.1.xml"_s, Autoconfig(pop3.Port(), smtp.Port()));

    ASSERT_EQ(addAuto("secret"), 0) << fErr.toStdString();
    EXPECT_TRUE(fOut.contains(u"Asking "_s + fHttp.Base())) << fOut.toStdString();
    EXPECT_TRUE(fOut.contains(u"Logging in to the POP3 server 127.0.0.1:%1"_s.arg(pop3.Port()))) << fOut.toStdString();
    const cAccount saved = cAccountStore::ReadAccount(kAddress);
    EXPECT_EQ(saved.name, u"Jo Doe"_s);
    EXPECT_EQ(saved.email, kAddress);
    EXPECT_EQ(saved.userId, u"jo"_s);
    EXPECT_EQ(saved.password, "secret");
    EXPECT_EQ(saved.pop3Port, QString::number(pop3.Port()));
    EXPECT_EQ(saved.smtpPort, QString::number(smtp.Port()));
    EXPECT_EQ(saved.smtpLogin, eSmtpLogin::SameAsPop3);
    EXPECT_EQ(cAccountStore::GetDefaultAccountName(), kAddress);
    EXPECT_TRUE(pop3.Transcript().contains("USER jo\r\nPASS secret\r\n"));
}

TEST_F(CliAutoTest, AWrongPasswordSavesNothingAndSaysWhichServerRefused)
{
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n").Replies({"+OK\r\n", "-ERR [AUTH] Authentication failed\r\n"}).Start();
    fHttp.Serve(u"autoconfig.example.test/mail/config-v1.1.xml"_s, Autoconfig(pop3.Port(), 1));

    EXPECT_EQ(addAuto("wrong"), 1);
    EXPECT_TRUE(fErr.contains(u"127.0.0.1:%1"_s.arg(pop3.Port()))) << fErr.toStdString();
    EXPECT_TRUE(fErr.contains(u"Authentication failed"_s)) << fErr.toStdString();
    EXPECT_TRUE(cAccountStore::AccountNames().isEmpty());
}

TEST_F(CliAutoTest, MisuseIsReported)
{
    EXPECT_EQ(run({u"add-account"_s, u"--auto"_s, kAddress}), 2);
    EXPECT_EQ(run({u"add-account"_s, u"--auto"_s}), 2);
    EXPECT_EQ(run({u"add-account"_s, u"--auto"_s, kAddress, u"--password"_s, u"x"_s, u"--smtp"_s, u"h"_s}), 2);
    EXPECT_EQ(run({u"add-account"_s, u"Bad]Name"_s, u"--auto"_s, kAddress, u"--password"_s, u"x"_s}), 2);
}
