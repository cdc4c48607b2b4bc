// SPDX-License-Identifier: GPL-3.0-or-later
// Threads across folders on a private mail tree: a folder's conversations gather their messages
// from the other folders, and the list shows them threaded, marked with their folder.
#include "MsgListProbe.h"

#include "storage/MessageText.h"
#include "storage/cFolderStore.h"
#include "storage/cMailMessage.h"
#include "tests/support/cScratchSettings.h"
#include "ui/main/FolderConversations.h"
#include "ui/main/cMessageList.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct cStored
{
    const char *folder;
    const char *file;
    const char *subject;
    int day;
    QByteArray id;
    QByteArray replyTo;
};

// Inbox holds two conversations; Sent answers one and holds an unrelated message; a user
// folder joins the other by its subject alone; Trash and Junk hold replies that stay out.
const cStored kTree[] = {
    {"Inbox", "plan.qrz", "Plan", 1, "<p1@x>", ""},
    {"Inbox", "lunch.qrz", "Lunch", 2, "<l1@x>", ""},
    {"Sent", "answer.qrz", "Re: Plan", 3, "<p2@x>", "<p1@x>"},
    {"Sent", "other.qrz", "Invoice", 4, "<o1@x>", ""},
    {"Work", "later.qrz", "Re: Lunch", 5, "<l2@x>", ""},
    {"Trash", "gone.qrz", "Re: Plan", 6, "<p3@x>", "<p1@x>"},
    {"Junk", "spam.qrz", "Re: Plan", 7, "<p4@x>", "<p1@x>"},
};

bool store(const cStored &stored)
{
    cMailMessage m;
    m.From = "Ann";
    m.Subject = stored.subject;
    m.DateTime = NowText(QDateTime(QDate(2024, 5, stored.day), QTime(9, 0)));
    m.headerLines = {"Message-ID: " + stored.id};
    if (!stored.replyTo.isEmpty())
        m.headerLines.append("In-Reply-To: " + stored.replyTo);
    const QString folder = MailFolderPath(QLatin1String(stored.folder));
    return QDir().mkpath(folder) && m.WriteFile(folder + u'/' + QLatin1String(stored.file));
}

QStringList names(const std::vector<cIndexEntry> &entries)
{
    QStringList found;
    for (const cIndexEntry &entry : entries)
        found.append(entry.stamp.name);
    found.sort();
    return found;
}

} // namespace

class TestFolderConversations : public QObject
{
    Q_OBJECT

    std::unique_ptr<cScratchSettings> fDir;

private slots:
    void init()
    {
        fDir = std::make_unique<cScratchSettings>();
        QVERIFY(fDir->initStorage());
        for (const cStored &stored : kTree)
            QVERIFY(store(stored));
    }
    void cleanup() { fDir.reset(); }

    void aFolderGathersItsConversationsFromOtherFolders()
    {
        QCOMPARE(names(FolderConversations(u"Inbox"_s, cFolderStore::AllFolders())),
                 (QStringList{u"Inbox/lunch.qrz"_s, u"Inbox/plan.qrz"_s, u"Sent/answer.qrz"_s, u"Work/later.qrz"_s}));
        // Sent's own view brings in the message it answers.
        QCOMPARE(names(FolderConversations(u"Sent"_s, cFolderStore::AllFolders())),
                 (QStringList{u"Inbox/plan.qrz"_s, u"Sent/answer.qrz"_s, u"Sent/other.qrz"_s}));
    }

    // Threaded, the reply from Sent sits under what it answers, marked with its folder; the
    // keyboard collapses and expands it and sorting moves whole threads.
    void theListShowsThemThreadedWithTheirFolders()
    {
        cMessageList list{QList<QIcon>()};
        list.SetSort({MsgColumn::DateTime, false});
        list.SetThreadsAcross(true);
        QVERIFY(!list.LoadConversations(u"Inbox"_s, cFolderStore::AllFolders()));
        list.SetThreaded(true);
        QVERIFY(list.LoadConversations(u"Inbox"_s, cFolderStore::AllFolders()));
        QCOMPARE(columnTexts(&list, MsgColumn::Folder), (QStringList{u"Inbox"_s, u"Sent"_s, u"Inbox"_s, u"Work"_s}));
        QCOMPARE(text(&list, 1, MsgColumn::Subject), u"   Re: Plan"_s);

        list.SetSort({MsgColumn::DateTime, true});
        QCOMPARE(columnTexts(&list, MsgColumn::Folder), (QStringList{u"Inbox"_s, u"Work"_s, u"Inbox"_s, u"Sent"_s}));
        list.SelectRow(3);
        QTest::keyClick(&list, Qt::Key_Left);
        QCOMPARE(rows(&list), 3);
        QCOMPARE(path(&list, list.SelectedRow()), MailFolderPath(u"Inbox"_s) + u"/plan.qrz"_s);
        QTest::keyClick(&list, Qt::Key_Right);
        QCOMPARE(rows(&list), 4);
    }
};

QTEST_MAIN(TestFolderConversations)
#include "test_folder_conversations.moc"
