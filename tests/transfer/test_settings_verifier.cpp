// SPDX-License-Identifier: GPL-3.0-or-later
// Found settings are tried with a real login before they are saved: a server that cannot be
// reached gives way to the next, a refused login ends the check and names the server and its
// reply.
#include "tests/mailproto/ScriptedServer.h"

#include "transfer/cSettingsVerifier.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 3000;
const QString kHost = u"127.0.0.1"_s;

cAccount Typed()
{
    cAccount typed;
    typed.section = u"Work"_s;
    typed.name = u"Jo Doe"_s;
    typed.email = u"jo@example.test"_s;
    typed.password = "secret";
    // The scripted servers speak no TLS.
    typed.allowPasswordInClear = true;
    return typed;
}

cServerSetting At(const ScriptedServer &server, const QString &user = {})
{
    return {kHost, server.Port(), eVrxSecurity::None, user};
}

ScriptedServer &Pop3Taking(ScriptedServer &server, const QByteArray &passReply)
{
    server.Send("+OK ready\r\n").Replies({"+OK\r\n", passReply, "+OK bye\r\n"}).Start();
    return server;
}

ScriptedServer &SmtpTaking(ScriptedServer &server, const QByteArray &authReply)
{
    server.Send("220 ready\r\n").Replies({"250-hi\r\n250 AUTH PLAIN\r\n", authReply, "221 bye\r\n"}).Start();
    return server;
}

} // namespace

TEST(SettingsVerifier, TheFirstServerThatTakesTheLoginIsChosenAfterOnesNotReached)
{
    ScriptedServer closing;
    closing.Close().Start();
    ScriptedServer pop3;
    Pop3Taking(pop3, "+OK logged in\r\n");
    ScriptedServer smtpClosing;
    smtpClosing.Close().Start();
    ScriptedServer smtp;
    SmtpTaking(smtp, "235 2.7.0 ok\r\n");
    cSettingsVerifier verifier(kTimeoutMs);
    QStringList steps;
    verifier.Progress = [&steps](const QString &step) { steps.append(step); };
    const cResultOf<cAccount> verified = verifier.Verify(
        {u"test"_s, {At(closing), At(pop3, u"jo"_s)}, {At(smtpClosing), At(smtp, u"jo@example.test"_s)}, {}}, Typed());
    ASSERT_TRUE(verified.ok()) << verified.text().toStdString();
    const cAccount &account = verified.value();
    EXPECT_EQ(account.pop3Port, QString::number(pop3.Port()));
    EXPECT_EQ(account.userId, u"jo"_s);
    EXPECT_EQ(account.smtpPort, QString::number(smtp.Port()));
    EXPECT_EQ(account.smtpLogin, eSmtpLogin::Own);
    EXPECT_EQ(account.smtpUserId, u"jo@example.test"_s);
    EXPECT_EQ(account.replyAddress, u"jo@example.test"_s);
    EXPECT_TRUE(pop3.Transcript().contains("PASS secret\r\n"));
    EXPECT_TRUE(smtp.Transcript().contains("AUTH PLAIN "));
    EXPECT_GE(steps.size(), 4);
}

TEST(SettingsVerifier, ARefusedLoginStopsAtOnceNamingTheServerAndItsReply)
{
    struct cCase
    {
        const char *name;
        QByteArray popReply;
        QByteArray smtpReply;
        const char *said;
    };
    const cCase cases[] = {
        {"POP3", "-ERR [AUTH] Invalid login\r\n", "235 ok\r\n", "Invalid login"},
        {"SMTP", "+OK logged in\r\n", "535 5.7.8 Authentication credentials invalid\r\n", "535"},
    };
    for (const cCase &c : cases) {
        ScriptedServer pop3;
        Pop3Taking(pop3, c.popReply);
        // Only a server the check reaches may be started: one never reached waits for its client.
        const bool smtpReached = c.name == std::string("SMTP");
        ScriptedServer smtp;
        if (smtpReached)
            SmtpTaking(smtp, c.smtpReply);
        cSettingsVerifier verifier(kTimeoutMs);
        QStringList steps;
        verifier.Progress = [&steps](const QString &step) { steps.append(step); };
        const cServerSetting spare{kHost, 1, eVrxSecurity::None, {}};
        const cResultOf<cAccount> verified =
            verifier.Verify({u"test"_s, {At(pop3), spare}, {smtpReached ? At(smtp) : spare, spare}, {}}, Typed());
        EXPECT_EQ(verified.cause(), eFailure::Refused) << c.name;
        EXPECT_TRUE(verified.text().contains(u"%1:%2"_s.arg(kHost).arg(smtpReached ? smtp.Port() : pop3.Port())))
            << c.name << ": " << verified.text().toStdString();
        EXPECT_TRUE(verified.text().contains(QLatin1String(c.said))) << c.name << ": " << verified.text().toStdString();
        EXPECT_FALSE(verified.text().contains(u"secret"_s)) << c.name;
        // Neither spare was tried.
        EXPECT_FALSE(steps.join(u'\n').contains(u"%1:1 "_s.arg(kHost))) << c.name;
    }
}

TEST(SettingsVerifier, AnSmtpServerOfferingNoLoginIsTakenAndTheAccountSendsWithoutOne)
{
    ScriptedServer pop3;
    Pop3Taking(pop3, "+OK logged in\r\n");
    ScriptedServer smtp;
    smtp.Send("220 ready\r\n").Replies({"250-relay\r\n250 8BITMIME\r\n", "221 bye\r\n"}).Start();
    cSettingsVerifier verifier(kTimeoutMs);
    QStringList steps;
    verifier.Progress = [&steps](const QString &step) { steps.append(step); };
    const cResultOf<cAccount> verified = verifier.Verify({u"test"_s, {At(pop3)}, {At(smtp, u"other"_s)}, {}}, Typed());
    ASSERT_TRUE(verified.ok()) << verified.text().toStdString();
    EXPECT_EQ(verified.value().smtpLogin, eSmtpLogin::None);
    EXPECT_TRUE(verified.value().smtpUserId.isEmpty());
    EXPECT_TRUE(verified.value().smtpPassword.isEmpty());
    EXPECT_TRUE(steps.last().contains(u"asks for no login"_s)) << steps.last().toStdString();
    EXPECT_FALSE(smtp.Transcript().contains("AUTH"));
}
