// SPDX-License-Identifier: GPL-3.0-or-later
// Address lists as people type them and as mail carries them, and quoted-printable text lines.
#include "TestSupport.h"

#include "mailproto/TVrxAddressList.h"
#include "mailproto/TVrxQuotedPrintable.h"

#include <gtest/gtest.h>

TEST(AddressList, QuotesCommentsGroupsAndSeparators)
{
    const std::pair<QByteArray, QList<QByteArray>> cases[] = {
        {"a@x.org, b@y.org; c@z.org", {"a@x.org", "b@y.org", "c@z.org"}},
        {"\"Boss <attacker@x>\" <boss@y>", {"boss@y"}},
        {"\"Smith, Bob\" <bob@x.org>, \"a;b\" <c@d>", {"bob@x.org", "c@d"}},
        {"bob@x.org (Bob, <not@this>)", {"bob@x.org"}},
        {"Bob (the <boss>) <bob@x.org>", {"bob@x.org"}},
        {"Team: a@x.org, \"B\" <b@y.org>;, c@z.org", {"a@x.org", "b@y.org", "c@z.org"}},
        {"Undisclosed recipients:;", {}},
        {" , ,a@x.org,, ", {"a@x.org"}},
        {"<@relay.org,@other.org:bob@x.org>", {"bob@x.org"}},
        {"\"esc \\\" <x@y>\" <real@z>", {"real@z"}},
        {"Bob <bob@x.org", {"bob@x.org"}},
    };
    for (const auto &[list, expected] : cases)
        EXPECT_EQ(TVrxAddressList::Addresses(list), expected) << list.constData();
}

TEST(QuotedPrintable, LinesStayShortAndEscapesStayWhole)
{
    EXPECT_EQ(TVrxQuotedPrintable::EncodeLine("a=b\tc "), QList<QByteArray>({"a=3Db\tc=20"}));
    EXPECT_EQ(TVrxQuotedPrintable::EncodeLine(""), QList<QByteArray>({""}));
    // 74 letters then an escape that no longer fits before the soft break.
    const QList<QByteArray> split = TVrxQuotedPrintable::EncodeLine(QByteArray(74, 'a') + "\xff" + "b");
    EXPECT_EQ(split, QList<QByteArray>({QByteArray(74, 'a') + '=', "=FFb"}));
    const QList<QByteArray> exact = TVrxQuotedPrintable::EncodeLine(QByteArray(76, 'a'));
    EXPECT_EQ(exact, QList<QByteArray>({QByteArray(76, 'a')}));
    for (const QByteArray &line : TVrxQuotedPrintable::EncodeLine(RandomBytes(5000)))
        EXPECT_LE(line.size(), TVrxQuotedPrintable::MaxLineLength);
}
