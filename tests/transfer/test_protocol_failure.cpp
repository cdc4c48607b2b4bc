// SPDX-License-Identifier: GPL-3.0-or-later
// The line a protocol failure puts in the error list: POP3 steps by their numbers, SMTP
// refusals by the server's code, the server's reply kept and made safe to show, our own
// failures without a number, and the cause callers act on.
#include "transfer/ProtocolFailure.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct cCase
{
    const char *name;
    eMailProtocol protocol;
    TVrxFailure failure;
    QString line;
    eFailure cause;
};

const QString kRefusedRetr = u"pop.test:110 refused RETR"_s;

const cCase kCases[] = {
    {"pop greeting", eMailProtocol::Pop3, {eVrxFailure::Greeting, u"pop.test:110 refused the session"_s, {}, "-ERR go away"},
     u"(Work) Error #2000: go away"_s, eFailure::Server},
    {"pop login refused", eMailProtocol::Pop3, {eVrxFailure::Login, u"pop.test:110 refused PASS"_s, "PASS", "-ERR [AUTH] wrong"},
     u"(Work) Error #2001: [AUTH] wrong"_s, eFailure::Refused},
    {"pop login of ours", eMailProtocol::Pop3, {eVrxFailure::Login, u"pop.test:110 does not offer APOP"_s},
     u"(Work) Error #2001: pop.test:110 does not offer APOP"_s, eFailure::Refused},
    {"pop quit", eMailProtocol::Pop3, {eVrxFailure::Refused, u"pop.test:110 refused QUIT"_s, "QUIT", "-ERR not now"},
     u"(Work) Error #2002: not now"_s, eFailure::Server},
    {"pop dele", eMailProtocol::Pop3, {eVrxFailure::Refused, u"pop.test:110 refused DELE"_s, "DELE", "-ERR locked"},
     u"(Work) Error #2003: locked"_s, eFailure::Server},
    {"pop retr without a reason", eMailProtocol::Pop3, {eVrxFailure::Refused, kRefusedRetr, "RETR", "-ERR"},
     u"(Work) Error #2004: "_s + kRefusedRetr, eFailure::Server},
    {"pop stat", eMailProtocol::Pop3, {eVrxFailure::Refused, u"pop.test:110 refused STAT"_s, "STAT", "-ERR maildrop busy"},
     u"(Work) Error #2006: maildrop busy"_s, eFailure::Server},
    {"pop stls refused", eMailProtocol::Pop3, {eVrxFailure::Tls, u"pop.test:110 refused STLS"_s, "STLS", "-ERR not here"},
     u"(Work) pop.test:110 refused STLS: not here"_s, eFailure::Network},
    {"connect", eMailProtocol::Pop3, {eVrxFailure::Connect, u"Could not connect to pop.test:110: Connection refused"_s},
     u"(Work) Could not connect to pop.test:110: Connection refused"_s, eFailure::Network},
    {"time-out", eMailProtocol::Pop3, {eVrxFailure::TimedOut, u"pop.test:110 did not reply within 60 seconds"_s},
     u"(Work) pop.test:110 did not reply within 60 seconds"_s, eFailure::Network},
    {"hang-up", eMailProtocol::Smtp, {eVrxFailure::ConnectionLost, u"smtp.test:25 closed the connection"_s},
     u"(Work) smtp.test:25 closed the connection"_s, eFailure::Network},
    {"nonsense", eMailProtocol::Pop3, {eVrxFailure::Protocol, u"pop.test:110 answered STAT with \"x\""_s},
     u"(Work) pop.test:110 answered STAT with \"x\""_s, eFailure::Server},
    {"too large", eMailProtocol::Pop3, {eVrxFailure::TooLarge, u"message 3 is larger than 10 bytes"_s},
     u"(Work) message 3 is larger than 10 bytes"_s, eFailure::Server},
    {"smtp recipient", eMailProtocol::Smtp, {eVrxFailure::Refused, u"smtp.test:25 refused RCPT"_s, "RCPT", "550 5.1.1 no such user"},
     u"(Work) Error# 550: 5.1.1 no such user"_s, eFailure::Server},
    {"smtp greeting", eMailProtocol::Smtp, {eVrxFailure::Greeting, u"smtp.test:25 refused the session"_s, {}, "421 busy"},
     u"(Work) Error# 421: busy"_s, eFailure::Server},
    {"smtp login refused", eMailProtocol::Smtp, {eVrxFailure::Login, u"smtp.test:25 refused AUTH"_s, "AUTH", "535 5.7.8 bad"},
     u"(Work) Error# 535: 5.7.8 bad"_s, eFailure::Refused},
    {"smtp login of ours", eMailProtocol::Smtp, {eVrxFailure::Login, u"smtp.test:25 offers no login method"_s},
     u"(Work) smtp.test:25 offers no login method"_s, eFailure::Refused},
    {"address", eMailProtocol::Smtp, {eVrxFailure::AddressNotAscii, u"The address jörg@x.test is not plain ASCII"_s},
     u"(Work) The address jörg@x.test is not plain ASCII"_s, eFailure::Server},
    {"attachment", eMailProtocol::Smtp, {eVrxFailure::AttachmentUnreadable, u"Could not read the attachment /a.pdf"_s},
     u"(Work) Could not read the attachment /a.pdf"_s, eFailure::FileSystem},
    // A reply cannot add a line or an escape sequence to what the user sees.
    {"control characters", eMailProtocol::Smtp, {eVrxFailure::Refused, u"smtp.test:25 refused DATA"_s, "DATA", "554 no\r\n\x1b[2Jway"},
     u"(Work) Error# 554: no\uFFFD\uFFFD\uFFFD[2Jway"_s, eFailure::Server},
    {"bytes that are not UTF-8", eMailProtocol::Pop3, {eVrxFailure::Refused, u"pop.test:110 refused RETR"_s, "RETR", "-ERR caf\xe9"},
     u"(Work) Error #2004: caf\uFFFD"_s, eFailure::Server},
};

TEST(ProtocolFailure, EachFailureBecomesOneLineWithItsCause)
{
    for (const cCase &c : kCases) {
        SCOPED_TRACE(c.name);
        const cResult result = FailureResult(c.failure, c.protocol, u"Work"_s);
        EXPECT_EQ(result.text().toStdString(), c.line.toStdString());
        EXPECT_EQ(result.cause(), c.cause);
    }
}

TEST(ProtocolFailure, NoFailureIsSuccessAndNoAccountNoBrackets)
{
    EXPECT_TRUE(FailureResult({}, eMailProtocol::Smtp, u"Work"_s).ok());
    const TVrxFailure refused{eVrxFailure::Refused, u"smtp.test:25 refused MAIL"_s, "MAIL", "553 sender rejected"};
    EXPECT_EQ(FailureResult(refused, eMailProtocol::Smtp).text(), u"Error# 553: sender rejected"_s);
}

} // namespace
