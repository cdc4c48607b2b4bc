// SPDX-License-Identifier: GPL-3.0-or-later
// Conversations from ids and subjects: chains, broken chains, messages from several folders
// (the threader sees only messages) and references that would make loops.
#include "storage/cThreader.h"

#include <gtest/gtest.h>

namespace {

struct cThreadCase
{
    const char *name;
    QList<cThreader::cMessage> messages;
    QList<int> parents;
};

cThreader::cMessage Msg(const char *id, const char *references, const char *subject, qint64 date)
{
    return {id, references, subject, date};
}

} // namespace

TEST(Threads, ParentsFollowReferencesThenSubjects)
{
    const QList<cThreadCase> cases{
        {"a reply chain, listed out of order",
         {Msg("<c@x>", "<a@x> <b@x>", "Re: Plans", 3), Msg("<a@x>", "", "Plans", 1), Msg("<b@x>", "<a@x>", "Re: Plans", 2)},
         {2, -1, 1}},
        {"In-Reply-To alone, with text around the id",
         {Msg("<a@x>", "", "Lunch", 1), Msg("<b@x>", "your message of Monday <a@x>", "Re: Lunch", 2)},
         {-1, 0}},
        {"a broken chain joins by subject; two starts with one subject stay apart",
         {Msg("<a@x>", "", "Report", 1), Msg("<b@y>", "", "RE: [team] Report", 2), Msg("<c@z>", "", "Report", 3)},
         {-1, 0, -1}},
        {"answers to a missing message hang under the earliest answer",
         {Msg("<b@x>", "<missing@x>", "Re: Gone", 5), Msg("<c@x>", "<missing@x>", "Re: Gone", 4)},
         {1, -1}},
        {"a deeper answer keeps its own parent when the start is missing",
         {Msg("<b@x>", "<missing@x>", "Re: Gone", 1), Msg("<c@x>", "<missing@x> <b@x>", "Re: Gone", 2)},
         {-1, 0}},
        {"references in a loop and a message naming itself make no cycle",
         {Msg("<a@x>", "<b@x>", "Loop", 1), Msg("<b@x>", "<a@x>", "Loop", 2), Msg("<c@x>", "<c@x>", "Self", 3)},
         {1, -1, -1}},
        {"a repeated id is threaded as two messages",
         {Msg("<a@x>", "", "One", 1), Msg("<a@x>", "", "Two", 2), Msg("<b@x>", "<a@x>", "Re: One", 3)},
         {-1, -1, 0}},
        {"no ids at all: only subjects",
         {Msg("", "", "Fwd: Photos", 2), Msg("", "", "Photos", 1), Msg("", "", "", 3), Msg("", "", "Re:", 4)},
         {1, -1, -1, -1}},
    };
    for (const cThreadCase &c : cases)
        EXPECT_EQ(cThreader::Parents(c.messages), c.parents) << c.name;
}

TEST(Threads, SubjectsAndIdsAreReadAsMailersWriteThem)
{
    EXPECT_EQ(cThreader::BaseSubject("Re: AW: [list] Fwd:  Big   News "), "big news");
    EXPECT_EQ(cThreader::BaseSubject("Re[2]: SV: Plan"), "plan");
    EXPECT_EQ(cThreader::BaseSubject("Regarding: rent"), "regarding: rent");
    EXPECT_TRUE(cThreader::IsReply("[list] Re: x"));
    EXPECT_FALSE(cThreader::IsReply("Return of the bike"));
    EXPECT_EQ(cThreader::MessageIds("<a@x>\t<b@y> junk <no id> <c@z"), QList<QByteArray>({"<a@x>", "<b@y>"}));
}

TEST(Threads, AThousandsLongReferencesListStillEndsAtTheParent)
{
    QByteArray references;
    for (int i = 0; i < 5000; ++i)
        references += "<r" + QByteArray::number(i) + "@x> ";
    const QList<int> parents = cThreader::Parents({Msg("<r4999@x>", "", "Start", 1), Msg("<m@x>", references.constData(), "Re: Start", 2)});
    EXPECT_EQ(parents, QList<int>({-1, 0}));
}
