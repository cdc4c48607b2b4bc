// SPDX-License-Identifier: GPL-3.0-or-later
// The -newmail command line: which parameters ask for a message and what a mailto: link
// puts into To, Subject, CC and the body.
#include "app/CommandLine.h"
#include "version/Version.h"

#include <QTextStream>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct cMailtoCase
{
    const char *name;
    QString link;
    cNewMessageRequest expected;
};

void PrintTo(const cMailtoCase &c, std::ostream *os) { *os << c.name; }

class MailtoLinks : public ::testing::TestWithParam<cMailtoCase>
{
};

TEST_P(MailtoLinks, fillTheRequest)
{
    const cNewMessageRequest got = ParseMailto(GetParam().link);
    const cNewMessageRequest &want = GetParam().expected;
    EXPECT_EQ(got.to, want.to);
    EXPECT_EQ(got.subject, want.subject);
    EXPECT_EQ(got.cc, want.cc);
    EXPECT_EQ(got.body, want.body);
    EXPECT_EQ(got.bcc, want.bcc);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, MailtoLinks,
    ::testing::Values(
        cMailtoCase{"prefixes_match_without_case_texts_keep_it", u"MAILTO:Ann@Example.org?SUBJECT=Hello There"_s,
                    {u"Ann@Example.org"_s, u"Hello There"_s, {}, {}}},
        cMailtoCase{"no_question_mark_no_subject", u"mailto:ann@example.org"_s, {u"ann@example.org"_s, {}, {}, {}}},
        cMailtoCase{"subject_later_in_the_rest", u"mailto:ann@example.org?x-id=7&subject=Later"_s,
                    {u"ann@example.org"_s, u"Later"_s, {}, {}}},
        cMailtoCase{"percent_encoded_text", u"mailto:ann%40example.org?subject=Hello%20W%C3%B6rld%2B1"_s,
                    {u"ann@example.org"_s, u"Hello W\u00f6rld+1"_s, {}, {}}},
        cMailtoCase{"cc_and_body", u"mailto:ann@example.org?cc=bob@example.org&body=Line%201%0D%0ALine%202"_s,
                    {u"ann@example.org"_s, {}, u"bob@example.org"_s, u"Line 1\nLine 2"_s}},
        cMailtoCase{"more_addresses_join_the_lists",
                    u"mailto:ann@example.org?to=cy@example.org&cc=bob@example.org&CC=dee@example.org"_s,
                    {u"ann@example.org, cy@example.org"_s, {}, u"bob@example.org, dee@example.org"_s, {}}},
        cMailtoCase{"line_breaks_never_reach_a_header",
                    u"mailto:ann@example.org%0D%0ABcc:eve@example.org?subject=a%0Ab"_s,
                    {u"ann@example.org  Bcc:eve@example.org"_s, u"a b"_s, {}, {}}},
        cMailtoCase{"bcc_fills_the_blind_copies", u"mailto:ann@example.org?bcc=eve@example.org&BCC=fay@example.org"_s,
                    {u"ann@example.org"_s, {}, {}, {}, u"eve@example.org, fay@example.org"_s}},
        cMailtoCase{"bare_rest_is_the_subject", u"mailto:ann@example.org?Just%20this"_s,
                    {u"ann@example.org"_s, u"Just this"_s, {}, {}}},
        cMailtoCase{"only_fields", u"mailto:?subject=Hi"_s, {{}, u"Hi"_s, {}, {}}}),
    [](const ::testing::TestParamInfo<cMailtoCase> &info) { return std::string(info.param.name); });

TEST(CommandLine, onlyNewmailFollowedByALinkAsksForAMessage)
{
    EXPECT_EQ(ParseCommandLine({u"-newmail"_s, u"mailto:ann@example.org"_s}).to, u"ann@example.org"_s);
    EXPECT_TRUE(ParseCommandLine({u"-newmail"_s}).isBlank());
    EXPECT_TRUE(ParseCommandLine({u"-NEWMAIL"_s, u"mailto:ann@example.org"_s}).isBlank());
    EXPECT_TRUE(ParseCommandLine({u"mailto:ann@example.org"_s}).isBlank());
    EXPECT_TRUE(ParseCommandLine({}).isBlank());
}

struct cInformationCase
{
    QStringList parameters;
    bool answered;
    QString printedStart;
};

TEST(CommandLine, helpAndVersionAreAnsweredOnlyAsTheFirstParameter)
{
    const cInformationCase cases[] = {
        {{u"--help"_s}, true, u"Usage: ravelin [-newmail MAILTO-LINK]\n"_s},
        {{u"-h"_s}, true, u"Usage: ravelin"_s},
        {{u"--version"_s}, true, u"ravelin " RAVELIN_VERSION "\n"_s},
        {{u"-newmail"_s, u"--help"_s}, false, {}},
        {{u"-newmail"_s, u"mailto:ann@example.org"_s, u"--version"_s}, false, {}},
        {{u"--HELP"_s}, false, {}},
        {{}, false, {}},
    };
    for (const cInformationCase &c : cases) {
        QString printed;
        QTextStream out(&printed);
        EXPECT_EQ(AnswerInformationRequest(c.parameters, out), c.answered) << c.parameters.join(u' ').toStdString();
        EXPECT_TRUE(c.answered ? printed.startsWith(c.printedStart) : printed.isEmpty()) << printed.toStdString();
    }
}

} // namespace
