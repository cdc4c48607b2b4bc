// SPDX-License-Identifier: GPL-3.0-or-later
// The message list grouped into threads: order, marks, sorting, collapsing with the keyboard,
// rows that come and go, and a thread across the folders of search results.
#include "MsgListProbe.h"

#include "ui/main/cMessageList.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

cIndexEntry entry(const char *name, const char *subject, qint64 date, const char *id, const char *references = "")
{
    cIndexEntry e;
    e.stamp.name = QString::fromLatin1(name);
    e.Subject = subject;
    e.From = "Ann";
    e.DateTime = QByteArray::number(date);
    e.dateKey = date;
    e.MessageId = id;
    e.References = references;
    return e;
}

// Two conversations and a message on its own, in folder order: a reply chain with a late reply
// to its start, and a reply that names no reference but shares the subject of its thread.
std::vector<cIndexEntry> mailbox()
{
    return {entry("5.qrz", "Re: Plan", 5, "<p3@x>", "<p1@x>"),
            entry("1.qrz", "Plan", 1, "<p1@x>"),
            entry("2.qrz", "Lunch", 2, "<l1@x>"),
            entry("3.qrz", "Re: Plan", 3, "<p2@x>", "<p1@x>"),
            entry("4.qrz", "Re: Plan", 4, "<p4@x>", "<p1@x> <p2@x>"),
            entry("6.qrz", "Re: Lunch", 6, "<l2@x>"),
            entry("7.qrz", "Alone", 7, "<a@x>")};
}

QStringList names(const cMessageList *list)
{
    QStringList shown;
    for (int row = 0; row < rows(list); ++row)
        shown.append(ref(list, row).key);
    return shown;
}

} // namespace

class TestMsgThreads : public QObject
{
    Q_OBJECT

    std::unique_ptr<cMessageList> fList;

    void load(const std::vector<cIndexEntry> &entries = mailbox())
    {
        fList->Load(u"Inbox"_s, u"/mail/Inbox"_s, entries);
        fList->SetThreaded(true);
    }

private slots:
    void init()
    {
        fList = std::make_unique<cMessageList>(QList<QIcon>());
        fList->SetSort({MsgColumn::DateTime, true});
    }
    void cleanup() { fList.reset(); }

    // Threads follow the order of their first messages (newest first here); replies come
    // under what they answer, oldest first, indented, and a thread's start carries its mark.
    void repliesFollowWhatTheyAnswer()
    {
        load();
        QCOMPARE(names(fList.get()), (QStringList{u"7.qrz"_s, u"2.qrz"_s, u"6.qrz"_s, u"1.qrz"_s, u"3.qrz"_s,
                                                  u"4.qrz"_s, u"5.qrz"_s}));
        QCOMPARE(columnTexts(fList.get(), MsgColumn::Subject),
                 (QStringList{u"Alone"_s, u"\u25be Lunch"_s, u"   Re: Lunch"_s, u"\u25be Plan"_s,
                              u"   \u25be Re: Plan"_s, u"      Re: Plan"_s, u"   Re: Plan"_s}));

        // Sorting sorts the threads, not the messages within them.
        fList->SetSort({MsgColumn::DateTime, false});
        QCOMPARE(names(fList.get()), (QStringList{u"1.qrz"_s, u"3.qrz"_s, u"4.qrz"_s, u"5.qrz"_s, u"2.qrz"_s,
                                                  u"6.qrz"_s, u"7.qrz"_s}));

        fList->SetThreaded(false);
        QCOMPARE(names(fList.get()), (QStringList{u"1.qrz"_s, u"2.qrz"_s, u"3.qrz"_s, u"4.qrz"_s, u"5.qrz"_s,
                                                  u"6.qrz"_s, u"7.qrz"_s}));
        QCOMPARE(text(fList.get(), 0, MsgColumn::Subject), u"Plan"_s);
    }

    // Left on any message of a thread shows its start alone and selects it; Right shows it whole
    // again. Without threads the keys do nothing of the kind.
    void leftAndRightCollapseAndExpand()
    {
        load();
        fList->SelectRow(rowOfPath(fList.get(), u"/mail/Inbox/4.qrz"_s));
        QTest::keyClick(fList.get(), Qt::Key_Left);
        QCOMPARE(names(fList.get()), (QStringList{u"7.qrz"_s, u"2.qrz"_s, u"6.qrz"_s, u"1.qrz"_s}));
        QCOMPARE(fList->SelectedRow(), 3);
        QCOMPARE(text(fList.get(), 3, MsgColumn::Subject), u"\u25b8 Plan"_s);
        // The filter keeps what is collapsed collapsed.
        fList->SetFilter(u"plan"_s);
        QCOMPARE(names(fList.get()), QStringList{u"1.qrz"_s});
        fList->SetFilter({});

        fList->SelectRow(3);
        QTest::keyClick(fList.get(), Qt::Key_Right);
        QCOMPARE(rows(fList.get()), 7);
        QCOMPARE(ref(fList.get(), fList->SelectedRow()), (cMessageRef{u"Inbox"_s, u"1.qrz"_s}));

        // Another folder's list starts with every thread shown.
        QTest::keyClick(fList.get(), Qt::Key_Left);
        fList->Load(u"Work"_s, u"/mail/Work"_s, mailbox());
        QCOMPARE(rows(fList.get()), 7);

        fList->SetThreaded(false);
        QTest::keyClick(fList.get(), Qt::Key_Left);
        QCOMPARE(rows(fList.get()), 7);
    }

    // A reply that arrives joins its thread; a start that goes leaves its replies as threads.
    void rowsThatComeAndGoMoveWithTheirThreads()
    {
        load();
        fList->Model()->Insert(entry("8.qrz", "Re: Lunch", 8, "<l3@x>", "<l2@x>"));
        QCOMPARE(names(fList.get()).mid(1, 3), (QStringList{u"2.qrz"_s, u"6.qrz"_s, u"8.qrz"_s}));
        QCOMPARE(text(fList.get(), 3, MsgColumn::Subject), u"      Re: Lunch"_s);

        fList->TakeOut({{u"Inbox"_s, u"2.qrz"_s}});
        QCOMPARE(rows(fList.get()), 7);
        QVERIFY(!names(fList.get()).contains(u"2.qrz"_s));
        QCOMPARE(text(fList.get(), rowOfPath(fList.get(), u"/mail/Inbox/8.qrz"_s), MsgColumn::Subject),
                 u"   Re: Lunch"_s);
    }

    // Search results thread across their folders.
    void aThreadSpansFolders()
    {
        std::vector<cIndexEntry> entries{entry("Sent/1.qrz", "Trip", 1, "<t1@x>"),
                                         entry("Inbox/9.qrz", "Re: Trip", 2, "<t2@x>", "<t1@x>")};
        fList->LoadAcross(u"/mail"_s, entries);
        fList->SetThreaded(true);
        QCOMPARE(columnTexts(fList.get(), MsgColumn::Folder), (QStringList{u"Sent"_s, u"Inbox"_s}));
        QCOMPARE(text(fList.get(), 1, MsgColumn::Subject), u"   Re: Trip"_s);
    }

    // A search's rows are made on a worker in the order the list had; threads chosen meanwhile
    // still group them.
    void rowsMadeElsewhereFollowTheThreadsChosenMeanwhile()
    {
        const std::vector<cIndexEntry> entries{entry("Sent/1.qrz", "Trip", 1, "<t1@x>"),
                                               entry("Inbox/9.qrz", "Re: Trip", 2, "<t2@x>", "<t1@x>"),
                                               entry("Inbox/3.qrz", "Alone", 3, "<a@x>")};
        cMsgListModel::cPrepared made = cMsgListModel::PrepareAcross(entries, {MsgColumn::DateTime, true}, false);
        fList->SetThreaded(true);
        fList->LoadAcross(u"/mail"_s, std::move(made));
        QCOMPARE(names(fList.get()), (QStringList{u"3.qrz"_s, u"1.qrz"_s, u"9.qrz"_s}));
        QCOMPARE(columnTexts(fList.get(), MsgColumn::Folder), (QStringList{u"Inbox"_s, u"Sent"_s, u"Inbox"_s}));
    }
};

QTEST_MAIN(TestMsgThreads)
#include "test_msg_threads.moc"
