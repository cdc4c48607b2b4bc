// SPDX-License-Identifier: GPL-3.0-or-later
// What every mail store promises its callers, checked on the folder tree and on the memory
// stand-in alike, so tests that use the stand-in hold for the real thing.
#include "storage/cFolderStore.h"
#include "storage/cMailStoreBatch.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cMemoryMailStore.h"
#include "tests/support/cScratchSettings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

struct QrzStore
{
    cScratchSettings settings;
    std::unique_ptr<cMailStore> store;
    QrzStore()
    {
        EXPECT_TRUE(settings.initStorage());
        store = std::make_unique<cQrzMailStore>();
    }
};

struct MemoryStore
{
    std::unique_ptr<cMailStore> store = std::make_unique<cMemoryMailStore>();
};

const QString kInbox = FolderName(eFolderKind::Inbox);
const QString kTrash = FolderName(eFolderKind::Trash);
const QString kDrafts = FolderName(eFolderKind::Unfinished);

cMailMessage message(const char *subject)
{
    cMailMessage m;
    m.Subject = subject;
    m.From = "Ann <ann@example.org>";
    m.body = {"first line", "second line"};
    return m;
}

template <typename T>
class MailStoreContract : public ::testing::Test
{
protected:
    cMailStore &store() { return *fixture.store; }

    cMessageRef put(const QString &folder, const char *subject)
    {
        const cResultOf<cMessageRef> stored = store().Store(folder, message(subject));
        EXPECT_TRUE(stored) << stored.text().toStdString();
        return stored.value();
    }

    std::multiset<QByteArray> subjects(const QString &folder)
    {
        std::multiset<QByteArray> found;
        for (const cStoredEntry &listed : store().List(folder)) {
            EXPECT_EQ(listed.ref.folder, folder);
            found.insert(listed.entry.Subject);
        }
        return found;
    }

    // The folders announced since the last look.
    static std::set<QString> announced(QSignalSpy &changed)
    {
        std::set<QString> folders;
        for (const QList<QVariant> &signal : std::as_const(changed))
            folders.insert(signal.at(0).toString());
        changed.clear();
        return folders;
    }

    T fixture;
};

using Stores = ::testing::Types<QrzStore, MemoryStore>;
TYPED_TEST_SUITE(MailStoreContract, Stores);

TYPED_TEST(MailStoreContract, StoredMessagesAreListedAndReadWhole)
{
    EXPECT_TRUE(this->store().Folders().contains(kInbox));
    const cMessageRef first = this->put(kInbox, "one");
    this->put(kInbox, "two");
    EXPECT_EQ(this->subjects(kInbox), (std::multiset<QByteArray>{"one", "two"}));

    const cResultOf<cMailMessage> read = this->store().Read(first);
    ASSERT_TRUE(read) << read.text().toStdString();
    EXPECT_EQ(read.value().Subject, "one");
    EXPECT_EQ(read.value().body, message("one").body);
}

// A replaced message keeps its reference, and one deleted meanwhile comes back: the text a
// composer saves over its draft is never lost.
TYPED_TEST(MailStoreContract, AReplacedMessageKeepsItsReference)
{
    const cMessageRef draft = this->put(kDrafts, "first");
    this->put(kInbox, "elsewhere");
    EXPECT_EQ(this->store().Messages(kDrafts), QList<cMessageRef>{draft});

    QSignalSpy changed(&this->store(), &cMailStore::FolderChanged);
    ASSERT_TRUE(this->store().Replace(draft, message("second")));
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(this->subjects(kDrafts), (std::multiset<QByteArray>{"second"}));
    const cResultOf<cMailMessage> sending = this->store().ReadForSending(draft);
    ASSERT_TRUE(sending) << sending.text().toStdString();
    EXPECT_EQ(sending.value().From, message("second").From);

    ASSERT_TRUE(this->store().Delete(draft));
    ASSERT_TRUE(this->store().Replace(draft, message("third")));
    EXPECT_EQ(this->store().Read(draft).value().Subject, "third");
    EXPECT_EQ(this->store().Messages(kDrafts), QList<cMessageRef>{draft});
}

TYPED_TEST(MailStoreContract, EveryMessageIsInExactlyOnePlaceAfterMovesCopiesAndDeletes)
{
    const cMessageRef original = this->put(kInbox, "kept");
    const cResultOf<cMessageRef> copy = this->store().Transfer(original, kDrafts, false);
    ASSERT_TRUE(copy) << copy.text().toStdString();
    EXPECT_EQ(this->subjects(kInbox).size(), 1u);
    EXPECT_EQ(this->subjects(kDrafts).size(), 1u);

    const cResultOf<cMessageRef> moved = this->store().Transfer(copy.value(), kInbox, false);
    ASSERT_TRUE(moved);
    ASSERT_TRUE(this->store().Delete(original));
    EXPECT_EQ(this->subjects(kInbox).size(), 1u);
    ASSERT_EQ(this->store().List(kTrash).size(), 1u);

    const cMessageRef inTrash = this->store().List(kTrash).front().ref;
    ASSERT_TRUE(this->store().Delete(inTrash));
    EXPECT_TRUE(this->store().List(kTrash).empty());
    EXPECT_FALSE(this->store().Read(inTrash));

    const cResultOf<cMessageRef> away = this->store().Transfer(moved.value(), kDrafts, true);
    ASSERT_TRUE(away);
    EXPECT_TRUE(this->store().List(kInbox).empty());
    EXPECT_EQ(this->subjects(kDrafts).size(), 2u);
    EXPECT_TRUE(this->store().Read(away.value()));
}

TYPED_TEST(MailStoreContract, AMessageMovedBackTakesItsOldPlace)
{
    const cMessageRef original = this->put(kInbox, "round trip");
    const cResultOf<cMessageRef> away = this->store().Transfer(original, kTrash, true);
    ASSERT_TRUE(away);
    const cResultOf<cMessageRef> back = this->store().MoveBack(away.value(), original);
    ASSERT_TRUE(back) << back.text().toStdString();
    EXPECT_EQ(back.value(), original);
    EXPECT_TRUE(this->store().List(kTrash).empty());
    EXPECT_EQ(this->store().Read(original).value().Subject, "round trip");
}

TYPED_TEST(MailStoreContract, ReadMarksAndPrioritiesShowInTheList)
{
    const cMessageRef ref = this->put(kInbox, "mark me");
    for (const auto &[read, priority] : {std::pair{true, 0}, std::pair{false, 4}}) {
        ASSERT_TRUE(this->store().MarkRead(ref, read));
        ASSERT_TRUE(this->store().SetPriority(ref, priority));
        ASSERT_EQ(this->store().List(kInbox).size(), 1u);
        EXPECT_EQ(this->store().List(kInbox).front().entry.Read, read);
        EXPECT_EQ(this->store().ReadHeader(ref).value().Read, read);
        EXPECT_EQ(this->store().Read(ref).value().Priority, priority);
    }
}

TYPED_TEST(MailStoreContract, AFailureSaysWhatAndChangesNothing)
{
    const cMessageRef ref = this->put(kInbox, "stays");
    const cMessageRef unknown{kInbox, QStringLiteral("never-stored")};
    const QString missing = QStringLiteral("No such folder");

    EXPECT_FALSE(this->store().Store(missing, message("lost")));
    EXPECT_FALSE(this->store().Replace({missing, ref.key}, message("lost")));
    EXPECT_FALSE(this->store().Transfer(ref, missing, true));
    const std::vector<cResult> failures{this->store().Read(unknown).result(), this->store().Delete(unknown),
                                        this->store().MarkRead(unknown, true), this->store().SetPriority(unknown, 0),
                                        this->store().Transfer(unknown, kDrafts, true).result()};
    for (const cResult &failure : failures) {
        EXPECT_FALSE(failure);
        EXPECT_FALSE(failure.text().isEmpty());
    }
    EXPECT_EQ(this->subjects(kInbox), (std::multiset<QByteArray>{"stays"}));
    EXPECT_TRUE(this->store().List(kDrafts).empty());
    EXPECT_TRUE(this->store().List(kTrash).empty());
}

TYPED_TEST(MailStoreContract, EveryChangeIsAnnouncedForEachFolderItTouched)
{
    QSignalSpy changed(&this->store(), &cMailStore::FolderChanged);
    const cMessageRef ref = this->put(kInbox, "watched");
    EXPECT_EQ(this->announced(changed), std::set<QString>{kInbox});
    ASSERT_TRUE(this->store().MarkRead(ref, true));
    EXPECT_EQ(this->announced(changed), std::set<QString>{kInbox});
    const cResultOf<cMessageRef> moved = this->store().Transfer(ref, kDrafts, true);
    EXPECT_EQ(this->announced(changed), (std::set<QString>{kInbox, kDrafts}));
    ASSERT_TRUE(this->store().Delete(moved.value()));
    EXPECT_EQ(this->announced(changed), (std::set<QString>{kDrafts, kTrash}));
}

// A run over many messages makes the views reload once per folder, when it is done.
TYPED_TEST(MailStoreContract, ABatchAnnouncesEachFolderOnceAtItsEnd)
{
    const cMessageRef first = this->put(kInbox, "one");
    const cMessageRef second = this->put(kInbox, "two");
    QSignalSpy changed(&this->store(), &cMailStore::FolderChanged);
    {
        cMailStoreBatch batch(this->store());
        ASSERT_TRUE(this->store().MarkRead(first, true));
        ASSERT_TRUE(this->store().SetPriority(second, 0));
        ASSERT_TRUE(this->store().Transfer(first, kDrafts, true));
        EXPECT_TRUE(changed.isEmpty());
        ASSERT_TRUE(batch.Finish());
        EXPECT_EQ(changed.size(), 2);
        EXPECT_EQ(this->announced(changed), (std::set<QString>{kInbox, kDrafts}));
    }
    EXPECT_TRUE(changed.isEmpty());
    ASSERT_TRUE(this->store().MarkRead(second, true));
    EXPECT_EQ(changed.size(), 1);
}

TYPED_TEST(MailStoreContract, UserFoldersAreMadeRenamedEmptiedAndRemovedWithTheirMail)
{
    const QString work = QStringLiteral("Work");
    const QString renamed = QStringLiteral("Projects");
    ASSERT_TRUE(this->store().CreateFolder(work));
    EXPECT_FALSE(this->store().CreateFolder(work));
    this->put(work, "filed");
    EXPECT_FALSE(this->store().RenameFolder(kInbox, renamed));
    EXPECT_FALSE(this->store().RemoveFolder(kInbox));

    ASSERT_TRUE(this->store().RenameFolder(work, renamed));
    EXPECT_TRUE(this->store().Folders().contains(renamed));
    EXPECT_FALSE(this->store().Folders().contains(work));
    EXPECT_EQ(this->subjects(renamed), (std::multiset<QByteArray>{"filed"}));

    QSignalSpy changed(&this->store(), &cMailStore::FolderChanged);
    ASSERT_TRUE(this->store().EmptyFolder(renamed));
    EXPECT_TRUE(this->store().List(renamed).empty());
    EXPECT_FALSE(changed.isEmpty());
    ASSERT_TRUE(this->store().RemoveFolder(renamed));
    EXPECT_FALSE(this->store().Folders().contains(renamed));
}

TEST(QrzMailStore, AKeyIsAFileNameNeverAPath)
{
    QrzStore fixture;
    const cResultOf<cMessageRef> stored = fixture.store->Store(kInbox, message("private"));
    ASSERT_TRUE(stored);
    const QString fileName = stored.value().key;
    for (const QString &key : {QStringLiteral("../Inbox/") + fileName, QStringLiteral(".."), QString()}) {
        const cMessageRef sneaky{kDrafts, key};
        EXPECT_TRUE(cQrzMailStore::PathOf(sneaky).isEmpty()) << key.toStdString();
        EXPECT_FALSE(fixture.store->Read(sneaky)) << key.toStdString();
        EXPECT_FALSE(fixture.store->Delete(sneaky)) << key.toStdString();
    }
    EXPECT_TRUE(QFile::exists(cQrzMailStore::PathOf(stored.value())));
    const cMessageRef folderInside{kInbox, QStringLiteral("inside.qrz")};
    ASSERT_TRUE(QDir().mkdir(cQrzMailStore::PathOf(folderInside)));
    EXPECT_FALSE(fixture.store->ReadHeader(folderInside));
}

} // namespace
