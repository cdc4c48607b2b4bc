// SPDX-License-Identifier: GPL-3.0-or-later
// Unique ids, capabilities and pipelined commands against a scripted server: the bytes the
// client writes, and that it writes a whole window before it reads a reply.
#include "TestSupport.h"
#include "PopClientFor.h"
#include "FakeServer.h"

#include "mailproto/TVrxPOP.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Greeting = "+OK POP3 ready\r\n";

std::unique_ptr<TVrxPOP> LoggedInClient(FakeServer &server)
{
    auto pop = PopClientFor(server);
    pop->Connect();
    EXPECT_TRUE(pop->Login());
    return pop;
}

} // namespace

// The server answers nothing until it has both RETRs and both DELEs: a client that waited for
// each reply would time out.
TEST(PopUniqueIds, PipelinedRetrievalsAndDeletionsGoOutTogether)
{
    FakeServer server;
    server.Send(Greeting).Replies({"+OK\r\n", "+OK\r\n"})
        .Replies({"+OK\r\nUIDL\r\n.PIPELINING\r\npipelining\r\n.\r\n", "+OK\r\n1 aa\r\n2 ..b\r\n.\r\n",
                  "+OK\r\n1 30\r\n2 31\r\n.\r\n"})
        .ExpectUntil("RETR 2\r\n")
        .Send("+OK\r\nSubject: one\r\n\r\nfirst\r\n.\r\n+OK\r\nSubject: two\r\n\r\n..second\r\n.\r\n")
        .ExpectUntil("DELE 2\r\n").Send("+OK\r\n+OK\r\n").Replies({"+OK bye\r\n"});
    auto pop = LoggedInClient(server);
    pop->Capabilities();
    EXPECT_TRUE(pop->Pipelining());
    EXPECT_TRUE(pop->MayHaveUniqueIds());
    const auto ids = pop->UniqueIds();
    ASSERT_TRUE(ids);
    EXPECT_EQ(*ids, (QMap<qint64, QByteArray>{{1, "aa"}, {2, "..b"}}));
    EXPECT_EQ(pop->Sizes(), (QMap<qint64, qint64>{{1, 30}, {2, 31}}));

    ASSERT_TRUE(pop->RequestRetrieve({1, 2}));
    const auto first = pop->TakeMessage(1, 30);
    const auto second = pop->TakeMessage(2, 31);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, "Subject: one\r\n\r\nfirst\r\n");
    EXPECT_EQ(*second, "Subject: two\r\n\r\n.second\r\n");
    ASSERT_TRUE(pop->RequestDelete({1, 2}));
    EXPECT_TRUE(pop->TakeDeleteReply(1));
    EXPECT_TRUE(pop->TakeDeleteReply(2));
    EXPECT_EQ(pop->DeletedList(), (QList<QByteArray>{"1", "2"}));
    pop->Quit();
    EXPECT_EQ(server.Transcript(),
              "USER alice\r\nPASS secret\r\nCAPA\r\nUIDL\r\nLIST\r\nRETR 1\r\nRETR 2\r\nDELE 1\r\nDELE 2\r\nQUIT\r\n");
}

TEST(PopUniqueIds, RefusedCapaAndUidlLeaveTheConnectionForLast)
{
    FakeServer server;
    server.Send(Greeting).Replies({"+OK\r\n", "+OK\r\n", "-ERR what\r\n", "-ERR no UIDL\r\n", "+OK 2 10\r\n",
                                   "+OK 1\r\n"});
    auto pop = LoggedInClient(server);
    pop->Capabilities();
    EXPECT_FALSE(pop->Pipelining());
    EXPECT_TRUE(pop->MayHaveUniqueIds());
    EXPECT_FALSE(pop->UniqueIds());
    EXPECT_TRUE(pop->Connected());
    EXPECT_FALSE(pop->Failed());
    EXPECT_EQ(pop->CheckMail(), 1);
}

TEST(PopUniqueIds, CapaWithoutUidlAndMalformedListings)
{
    {
        FakeServer server;
        server.Send(Greeting).Replies({"+OK\r\n", "+OK\r\n", "+OK\r\nTOP\r\nUSER\r\n.\r\n"});
        auto pop = LoggedInClient(server);
        pop->Capabilities();
        EXPECT_FALSE(pop->MayHaveUniqueIds());
        EXPECT_FALSE(pop->Pipelining());
    }
    for (const QByteArray &line : {QByteArray("x abc"), QByteArray("1 has space"), QByteArray("1 ") + QByteArray(71, 'a'),
                                   QByteArray("2 caf\xc3\xa9")}) {
        FakeServer server;
        server.Send(Greeting).Replies({"+OK\r\n", "+OK\r\n", "+OK\r\n1 fine\r\n" + line + "\r\n.\r\n"});
        auto pop = LoggedInClient(server);
        EXPECT_FALSE(pop->UniqueIds()) << line.constData();
        EXPECT_FALSE(pop->Connected());
    }
}
