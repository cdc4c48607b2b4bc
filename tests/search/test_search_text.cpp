// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchText.h"

#include <gtest/gtest.h>

namespace {

struct cHtmlCase
{
    const char *html;
    const char *text; // spaces squeezed
};

QString squeezed(const QString &text)
{
    return text.simplified();
}

TEST(HtmlText, KeepsTheReadableTextOnly)
{
    const cHtmlCase cases[] = {
        {"<p>Hello <b>there</b></p>", "Hello there"},
        {"caf&eacute; &amp; &LT;b&gt; &#233;&#xE9;&nbsp;x", "caf & <b> \xc3\xa9\xc3\xa9 x"},
        {"bad &#0; &#xD800; &#99999999; refs", "bad refs"},
        {"<script>var secret = 1;</script><style>p{}</style>shown", "shown"},
        {"<!-- hidden <p> --> after", "after"},
        {"<SCRIPT type=x>never</SCRIPT >seen", "seen"},
        {"open <p class=x", "open"},
        {"<script>never closed", ""},
        {"<!-- never closed", ""},
        {"a & b; c &unknown", "a & b; c &unknown"},
    };
    for (const cHtmlCase &c : cases)
        EXPECT_EQ(squeezed(HtmlText(QString::fromUtf8(c.html))), QString::fromUtf8(c.text)) << c.html;
}

TEST(SpacedIdeographs, MakesEachCjkCharacterAWordAndLeavesOtherTextAlone)
{
    EXPECT_EQ(SpacedIdeographs(QStringLiteral("caf\u00e9 report")), QStringLiteral("caf\u00e9 report"));
    EXPECT_EQ(squeezed(SpacedIdeographs(QStringLiteral("ab\u6771\u4eac\u90fd1"))), QStringLiteral("ab \u6771 \u4eac \u90fd 1"));
    EXPECT_EQ(squeezed(SpacedIdeographs(QStringLiteral("\U0002000B\uac00x"))), QStringLiteral("\U0002000B \uac00 x"));
}

} // namespace
