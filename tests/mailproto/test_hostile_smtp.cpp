// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile SMTP servers: whatever a server sends, the client neither hangs, nor grows without
// bound, nor lets the server's bytes steer what it does next.
#include "ScriptedServer.h"
#include "SmtpClientFor.h"
#include "TestSupport.h"

#include "mailproto/TVrxSMTP.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Sends msg through a server that accepts everything; gives what the server received.
QByteArray Delivered(TVrxMsg &msg)
{
    ScriptedServer server;
    server.Send("220 ready\r\n").Replies({"250 hi\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"});
    server.ExpectUntil("\r\n.\r\n").Send("250 done\r\n").Start();
    auto smtp = ClientFor(server, 3000);
    smtp->Connect();
    EXPECT_TRUE(smtp->Send(msg));
    smtp.reset();
    return server.Transcript();
}

} // namespace

// A stored header block crafted to end DATA early and run its own MAIL, RCPT and DATA.
TEST(HostileMail, StoredHeaderLinesCannotSmuggleCommands)
{
    TVrxMsg msg;
    msg.From = "ann@example.org";
    msg.SendTo = "\"Boss <attacker@evil.example>\" <boss@example.org>";
    msg.ExtraHeaders = {"X-Before: 1", ".", "MAIL FROM:<ceo@example.org>", "RCPT TO:<attacker@evil.example>", "DATA",
                        "Subject: Wire the money", "", "Pay now.", ".", "QUIT", ".X-Dotted: kept"};
    msg.Text = {"Hello", ".", "MAIL FROM:<x@y>"};
    const QByteArray transcript = Delivered(msg);

    EXPECT_EQ(transcript.count("MAIL FROM:"), 2) << transcript.constData(); // the envelope's and the body line
    EXPECT_EQ(transcript.count("RCPT TO:"), 1);
    EXPECT_TRUE(transcript.contains("RCPT TO:<boss@example.org>\r\n"));
    EXPECT_FALSE(transcript.contains("attacker@evil.example>\r\n"));
    EXPECT_EQ(transcript.count("\r\n.\r\n"), 1);
    EXPECT_TRUE(transcript.endsWith("\r\n.\r\n"));
    EXPECT_TRUE(transcript.contains("\r\n..X-Dotted: kept\r\n"));
    EXPECT_TRUE(transcript.contains("\r\nHello\r\n..\r\nMAIL FROM:<x@y>\r\n"));
    EXPECT_FALSE(transcript.contains("Wire the money"));
}

// A reply line that never ends is cut off at once, not read for the whole time-out.
TEST(HostileServer, EndlessReplyLineIsRefusedQuickly)
{
    ScriptedServer server;
    server.Send("220 ready\r\n").Expect();
    for (int i = 0; i < 20; ++i)
        server.Send("250-" + QByteArray(1000, 'x'));
    server.Start();
    auto smtp = ClientFor(server, 3000);
    smtp->ReplyTimeout = 30000;
    QElapsedTimer timer;
    timer.start();
    smtp->Connect();
    EXPECT_TRUE(smtp->Failed());
    EXPECT_FALSE(smtp->Connected());
    EXPECT_LT(timer.elapsed(), 5000);
}
