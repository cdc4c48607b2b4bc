// SPDX-License-Identifier: GPL-3.0-or-later
// Outgoing format=flowed text: which stored lines join, where long paragraphs break, quote
// marks, stuffing and the signature separator.
#include "mailproto/TVrxFlowed.h"

#include <gtest/gtest.h>

namespace {

QByteArray Words(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += (i ? " word" : "word") + QByteArray::number(i);
    return text;
}

// The lines of one flowed paragraph joined as a reader joins them.
QByteArray Joined(const QList<QByteArray> &lines, const QByteArray &marks)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line.mid(marks.size());
    return text;
}

} // namespace

struct StoredCase
{
    const char *name;
    QList<QByteArray> stored, sent;
};

const StoredCase kStoredCases[] = {
    {"short lines and empty lines stay", {"Hello", "", "Bye"}, {"Hello", "", "Bye"}},
    {"editor-wrapped lines join", {"The quick ", "brown fox"}, {"The quick brown fox"}},
    {"blanks at the end go", {"one", "end  "}, {"one", "end"}},
    {"a line of blanks is an empty line", {"   ", "text"}, {"", "text"}},
    {"leading blank and From are stuffed", {" indented", "From here", "Fromage"}, {"  indented", " From here", "Fromage"}},
    {"quote marks become one run", {"> > a", ">>b", "> ", ">"}, {">> a", ">> b", ">", ">"}},
    {"a quoted line keeps its own blank", {">  two"}, {">  two"}},
    {"the signature separator stays", {"Bye", "-- ", "Ann"}, {"Bye", "-- ", "Ann"}},
    {"a quoted separator stays", {"> -- ", "> Ann"}, {"> -- ", "> Ann"}},
    {"a quote continues after a wrap with or without marks", {"> one ", "two ", "> three"}, {"> one two three"}},
    {"another quote level starts a paragraph", {"> one ", ">> two", "three"}, {"> one", ">> two", "three"}},
};

TEST(Flowed, StoredLinesBecomeFlowedLines)
{
    for (const auto &c : kStoredCases)
        EXPECT_EQ(TVrxFlowed::Encode(c.stored), c.sent) << c.name;
}

// An editor opening stored lines shows them as typed; stored again, they send as before.
TEST(Flowed, TypedLinesJoinWhatEncodeJoins)
{
    for (const auto &c : kStoredCases) {
        const QList<QByteArray> typed = TVrxFlowed::TypedLines(c.stored);
        EXPECT_EQ(TVrxFlowed::Encode(typed), c.sent) << c.name;
        for (qsizetype i = 0; i + 1 < typed.size(); ++i)
            EXPECT_EQ(TVrxFlowed::Encode(typed.mid(i, 2)).size(), 2) << c.name << ": " << typed[i].constData();
    }
    EXPECT_EQ(TVrxFlowed::TypedLines({"> a ", "b ", "> c", "d"}), QList<QByteArray>({"> a b c", "d"}));
}

TEST(Flowed, AHardLineEndKeepsNoBlankButTheSeparators)
{
    for (const QByteArray kept : {"-- ", "> -- ", ">> -- ", "word", ""})
        EXPECT_EQ(TVrxFlowed::HardLineEnd(kept), kept);
    EXPECT_EQ(TVrxFlowed::HardLineEnd("end  "), "end");
    EXPECT_EQ(TVrxFlowed::HardLineEnd("> quoted "), "> quoted");
    EXPECT_EQ(TVrxFlowed::HardLineEnd("   "), "");
}

TEST(Flowed, LongParagraphsBreakSoftlyNear72)
{
    for (const QByteArray &marks : {QByteArray(), QByteArray("> "), QByteArray(">>> ")}) {
        const QByteArray text = Words(60);
        const qsizetype wrap = text.indexOf(' ', 100) + 1;
        const QList<QByteArray> sent = TVrxFlowed::Encode({marks + text.left(wrap), text.mid(wrap)});
        ASSERT_GT(sent.size(), 3) << marks.constData();
        for (qsizetype i = 0; i < sent.size(); ++i) {
            EXPECT_TRUE(sent[i].startsWith(marks)) << sent[i].constData();
            EXPECT_LE(sent[i].size(), TVrxFlowed::kBreakColumn) << sent[i].constData();
            EXPECT_EQ(sent[i].endsWith(' '), i + 1 < sent.size()) << sent[i].constData();
        }
        EXPECT_EQ(Joined(sent, marks), text);
    }
}

TEST(Flowed, LongWordsStayWholeAndMultibyteCharactersCountOnce)
{
    const QByteArray url = "https://example.org/" + QByteArray(100, 'x');
    EXPECT_EQ(TVrxFlowed::Encode({"see " + url + " now"}), QList<QByteArray>({"see ", url + ' ', "now"}));
    EXPECT_EQ(TVrxFlowed::Encode({url}), QList<QByteArray>({url}));

    // 75 two-byte letters are 75 characters, within a mail line.
    QByteArray umlauts;
    for (int i = 0; i < 25; ++i)
        umlauts += "\xc3\xbc\xc3\xbc ";
    umlauts.chop(1);
    EXPECT_EQ(TVrxFlowed::Encode({umlauts}), QList<QByteArray>({umlauts}));
}

TEST(Flowed, LinesMadeByABreakAreStuffedLikeAnyOther)
{
    const QByteArray text = QByteArray(68, 'a') + " >b From c " + QByteArray(70, 'd');
    const QList<QByteArray> sent = TVrxFlowed::Encode({text});
    QByteArray joined;
    for (const QByteArray &line : sent) {
        EXPECT_FALSE(line.startsWith('>')) << line.constData();
        EXPECT_FALSE(line.startsWith("From ")) << line.constData();
        joined += line.startsWith(' ') ? line.mid(1) : line;
    }
    EXPECT_EQ(joined, text);
}
