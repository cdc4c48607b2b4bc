// SPDX-License-Identifier: GPL-3.0-or-later
// Detecting how to reach a server: candidates are tried in order, the first that works wins,
// and every attempt is reported.
#include "tests/mailproto/ScriptedServer.h"

#include "transfer/cServerProbe.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kTimeoutMs = 2000;

struct cProbeCase
{
    const char *name;
    bool smtp;
    QByteArray refusing;  // the dialogue of the server that must be passed over
    eVrxSecurity refusingSecurity;
    QByteArray working;   // greeting of the server that works
    QByteArray capabilities;
    QList<QByteArray> logins;
};

} // namespace

TEST(ServerProbe, TheFirstCandidateThatWorksIsChosenAndEveryAttemptIsReported)
{
    const QList<cProbeCase> cases{
        {"POP3: STLS required but not offered, then plain", false, "+OK\r\nUSER\r\n.\r\n", eVrxSecurity::StartTls,
         "+OK ready <1.2@host>\r\n", "+OK\r\nSASL PLAIN CRAM-MD5\r\n.\r\n", {"PLAIN", "CRAM-MD5", "APOP", "USER"}},
        {"SMTP: STARTTLS required but not offered, then plain", true, "250-hi\r\n250 SIZE 10\r\n",
         eVrxSecurity::StartTls, "220 ready\r\n", "250-hi\r\n250 AUTH LOGIN PLAIN\r\n", {"LOGIN", "PLAIN"}},
    };
    for (const cProbeCase &c : cases) {
        ScriptedServer closing;
        closing.Close().Start();
        ScriptedServer refusing;
        refusing.Send(c.smtp ? "220 ready\r\n" : "+OK hi\r\n").Replies({c.refusing, c.smtp ? "221 bye\r\n" : "+OK bye\r\n"}).Start();
        ScriptedServer working;
        working.Send(c.working).Replies({c.capabilities, c.smtp ? "221 bye\r\n" : "+OK bye\r\n"}).Start();
        const QList<cProbeCandidate> candidates{{closing.Port(), eVrxSecurity::None},
                                                {refusing.Port(), c.refusingSecurity},
                                                {working.Port(), eVrxSecurity::None}};
        const QString host = QStringLiteral("127.0.0.1");
        const cProbeResult result = c.smtp ? cServerProbe::ProbeSmtp(host, candidates, {}, kTimeoutMs)
                                           : cServerProbe::ProbePop3(host, candidates, {}, kTimeoutMs);
        EXPECT_TRUE(result.found) << c.name;
        EXPECT_EQ(result.port, working.Port()) << c.name;
        EXPECT_EQ(result.security, eVrxSecurity::None) << c.name;
        EXPECT_EQ(result.authMechanisms, c.logins) << c.name;
        ASSERT_EQ(result.lines.size(), 3) << c.name;
        EXPECT_TRUE(result.lines[1].contains(QStringLiteral("does not offer"))) << c.name << ": " << result.lines[1].toStdString();
        EXPECT_TRUE(result.lines[2].contains(QStringLiteral("works"))) << c.name;
        EXPECT_TRUE(result.untrusted.IsEmpty()) << c.name;
        // Nothing but the questions and QUIT: no login is tried.
        EXPECT_FALSE(working.Transcript().contains("AUTH")) << c.name;
    }
}

// The typed port goes first within each kind of security, so a secure way in still wins.
TEST(ServerProbe, TheTypedPortLeadsEachKindOfSecurity)
{
    using enum eVrxSecurity;
    const QList<cProbeCandidate> usual = cServerProbe::SmtpCandidates();
    const QList<cProbeCandidate> typed = cServerProbe::TypedPortFirst(QStringLiteral(" 2525 "), usual);
    const QList<std::pair<int, eVrxSecurity>> expected{{2525, Tls}, {465, Tls},     {2525, StartTls}, {587, StartTls},
                                                       {25, StartTls}, {2525, None}, {587, None},      {25, None}};
    ASSERT_EQ(typed.size(), expected.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(typed[i].port, expected[i].first) << i;
        EXPECT_EQ(typed[i].security, expected[i].second) << i;
    }
    for (const char *same : {"587", "", "smtp", "0", "70000"}) {
        const QList<cProbeCandidate> unchanged = cServerProbe::TypedPortFirst(QLatin1String(same), usual);
        ASSERT_EQ(unchanged.size(), usual.size()) << same;
        for (qsizetype i = 0; i < usual.size(); ++i)
            EXPECT_TRUE(unchanged[i].port == usual[i].port && unchanged[i].security == usual[i].security) << same;
    }
}
