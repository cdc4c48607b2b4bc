// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the mail tree to a new folder: everything arrives whole, and a move that is stopped or
// fails half-way leaves every file whole in one of the two folders.
#include "storage/MailTreeMove.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using cTree = QMap<QString, QByteArray>;

const cTree kTree{
    {QStringLiteral("Mail/Inbox/0001.qrz"), QByteArray("Subject: one\r\n\r\nbody\r\n")},
    {QStringLiteral("Mail/Inbox/0002.qrz"), QByteArray(3 << 20, 'x')}, // more than one copy chunk
    {QStringLiteral("Mail/Sent items/0001.qrz"), QByteArray("Subject: sent\r\n")},
    {QStringLiteral("Originals/Inbox/0001.eml"), QByteArray("raw\r\n")},
    {QStringLiteral("Contacts.ini"), QByteArray("[Ann]\r\n")},
    {QStringLiteral(".index/cache"), QByteArray("cache")},
};
const QString kLock = QStringLiteral(".ravelin.lock");

class MailTreeMoveTest : public ::testing::TestWithParam<eMoveBy>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        for (auto it = kTree.begin(); it != kTree.end(); ++it)
            write(from(), it.key(), it.value());
        write(from(), kLock, "1");
        ASSERT_TRUE(QFile::setPermissions(from() + QStringLiteral("/Contacts.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }

    static void write(const QString &root, const QString &relative, const QByteArray &data)
    {
        const QString path = root + u'/' + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(data);
    }

    static cTree read(const QString &root)
    {
        cTree tree;
        for (auto it = kTree.begin(); it != kTree.end(); ++it) {
            QFile file(root + u'/' + it.key());
            if (file.open(QIODevice::ReadOnly))
                tree.insert(it.key(), file.readAll());
        }
        return tree;
    }

    // Every file whole in exactly one of the two folders.
    void expectNothingLost() const
    {
        const cTree left = read(from()), arrived = read(to());
        for (auto it = kTree.begin(); it != kTree.end(); ++it) {
            EXPECT_NE(left.contains(it.key()), arrived.contains(it.key())) << it.key().toStdString();
            EXPECT_EQ(left.value(it.key(), arrived.value(it.key())), it.value()) << it.key().toStdString();
        }
    }

    cMailTreeMove move() const { return {from(), to(), {kLock}, GetParam()}; }
    QString from() const { return fDir.filePath(QStringLiteral("old")); }
    QString to() const { return fDir.filePath(QStringLiteral("new")); }

    QTemporaryDir fDir;
};

} // namespace

TEST_P(MailTreeMoveTest, EveryFileArrivesWholeAndTheLockStays)
{
    QList<qsizetype> told;
    const cResult moved = MoveMailTree(move(), [&told](qsizetype done, qsizetype total) {
        told.append(done);
        return total == kTree.size();
    });
    ASSERT_TRUE(moved) << moved.text().toStdString();
    EXPECT_EQ(read(to()), kTree);
    EXPECT_TRUE(read(from()).isEmpty());
    EXPECT_EQ(told.size(), kTree.size());
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    EXPECT_FALSE(QFileInfo(to() + QStringLiteral("/Contacts.ini")).permissions() & others) << "a private file stays private";
    EXPECT_TRUE(QFileInfo::exists(from() + u'/' + kLock));
    EXPECT_FALSE(QFileInfo::exists(from() + QStringLiteral("/Mail"))) << "emptied folders are removed";
}

TEST_P(MailTreeMoveTest, AStoppedMoveLosesNothingAndFinishesWhenRunAgain)
{
    // Each run sees only the files still to move.
    for (const qsizetype stopAt : {0, 2, 1}) {
        const cResult stopped = MoveMailTree(move(), [stopAt](qsizetype done, qsizetype) { return done < stopAt; });
        EXPECT_EQ(stopped.cause(), eFailure::Cancelled);
        expectNothingLost();
    }
    ASSERT_TRUE(MoveMailTree(move(), {}));
    EXPECT_EQ(read(to()), kTree);
}

TEST_P(MailTreeMoveTest, AFileThatCannotMoveStaysAndTheRestGo)
{
    // The new folder already holds one message with other content, and a folder where a file must go.
    write(to(), QStringLiteral("Mail/Inbox/0001.qrz"), "another message");
    write(to(), QStringLiteral("Originals"), "a file, not a folder");
    const cResult moved = MoveMailTree(move(), {});
    EXPECT_EQ(moved.cause(), eFailure::FileSystem);
    EXPECT_TRUE(moved.text().contains(QStringLiteral("0001.qrz"))) << moved.text().toStdString();
    EXPECT_EQ(read(from()).keys(), (QStringList{QStringLiteral("Mail/Inbox/0001.qrz"), QStringLiteral("Originals/Inbox/0001.eml")}));
    EXPECT_EQ(read(from()).value(QStringLiteral("Mail/Inbox/0001.qrz")), kTree.value(QStringLiteral("Mail/Inbox/0001.qrz")));
    EXPECT_EQ(read(to()).value(QStringLiteral("Mail/Inbox/0001.qrz")), QByteArray("another message"));
    EXPECT_EQ(read(to()).value(QStringLiteral("Mail/Sent items/0001.qrz")), kTree.value(QStringLiteral("Mail/Sent items/0001.qrz")));
}

TEST_P(MailTreeMoveTest, NotIntoItself)
{
    const cMailTreeMove inside{from(), from() + QStringLiteral("/Mail/deeper"), {}, GetParam()};
    EXPECT_EQ(MoveMailTree(inside, {}).cause(), eFailure::Refused);
    EXPECT_EQ(read(from()), kTree);
}

INSTANTIATE_TEST_SUITE_P(ByRenameAndByCopy, MailTreeMoveTest, ::testing::Values(eMoveBy::RenameWhenPossible, eMoveBy::Copying));
