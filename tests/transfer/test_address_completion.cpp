// SPDX-License-Identifier: GPL-3.0-or-later
// Address suggestions: what matches what was typed, and the order of the best first.
#include "transfer/cAddressCompletion.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kNow = 1'800'000'000;
constexpr qint64 kDay = 86'400;

} // namespace

TEST(AddressCompletion, MatchesAddressOrAnyNameWordIgnoringCaseAndAccents)
{
    cAddressCompletion completion;
    completion.AddContact(QStringLiteral("José Álvarez"), QStringLiteral("jose@example.org"));
    completion.AddSeen("\"Smith, Ann\" <ann@example.org>, bob@example.net, not-an-address", kNow);
    completion.AddSeen("=?utf-8?q?x?= <\r\n>", kNow);

    const struct
    {
        const char *typed;
        QStringList expected;
    } cases[]{
        {"alv", {QStringLiteral("José Álvarez <jose@example.org>")}},
        {"JOSE", {QStringLiteral("José Álvarez <jose@example.org>")}},
        {"smi", {QStringLiteral("\"Smith, Ann\" <ann@example.org>")}},
        {"bob@", {QStringLiteral("bob@example.net")}},
        {"example", {}},
        {"  ", {}},
        {"not", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(completion.Complete(QString::fromUtf8(c.typed), kNow), c.expected) << c.typed;
}

TEST(AddressCompletion, OftenAndLatelyUsedComeFirst)
{
    cAddressCompletion completion;
    for (int i = 0; i < 5; ++i)
        completion.AddSeen("Old Friend <amy.old@example.org>", kNow - 400 * kDay);
    completion.AddSeen("Amy Recent <amy.new@example.org>", kNow - kDay);
    completion.AddSeen("Amy Recent <amy.new@example.org>", kNow);
    completion.AddContact(QStringLiteral("Amy Book"), QStringLiteral("amy.book@example.org"));
    completion.AddSeen("amy.many@example.org, AMY.MANY@example.org, amy.many@example.org", kNow - 2 * kDay);

    EXPECT_EQ(completion.Complete(QStringLiteral("amy"), kNow),
              QStringList({QStringLiteral("amy.many@example.org"), QStringLiteral("Amy Recent <amy.new@example.org>"),
                           QStringLiteral("Amy Book <amy.book@example.org>"), QStringLiteral("Old Friend <amy.old@example.org>")}));
    EXPECT_EQ(completion.Complete(QStringLiteral("amy"), kNow, 1).size(), 1);
}
