// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageFixture.h"

#include "storage/SettingsPaths.h"
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {

class FolderStoreTest : public StorageFixture
{
protected:
    void SetUp() override
    {
        StorageFixture::SetUp();
        initStorage();
    }

    QString folderPath(const char *folder) const { return root() + QStringLiteral("/Mail/") + QLatin1String(folder); }

    QString putMessage(const char *folder, const char *name, const QByteArray &subject)
    {
        cMailMessage m;
        m.Subject = subject;
        const QString path = folderPath(folder) + QLatin1Char('/') + QLatin1String(name);
        EXPECT_TRUE(m.WriteFile(path));
        return path;
    }
};

TEST_F(StorageFixture, StartUpCreatesTheTreeOnlyWhenAMailFolderIsSet)
{
    QString failed = QStringLiteral("untouched");
    EXPECT_FALSE(InitMailStorage(&failed));
    EXPECT_TRUE(failed.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(root()));

    ASSERT_TRUE(cOptions::write(Opt::MailFolder, root()));
    ASSERT_TRUE(InitMailStorage());
    for (const QString &folder : MailStorageFolders(root()))
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_EQ(AttachmentsFolder(), root() + QStringLiteral("/Attachments"));

    ASSERT_TRUE(cOptions::write(Opt::MailAttchFolder, QStringLiteral("/elsewhere")));
    ASSERT_TRUE(InitMailStorage());
    EXPECT_EQ(AttachmentsFolder(), QStringLiteral("/elsewhere"));
}

TEST_F(StorageFixture, AMailFolderWithoutParentFailsAtTheMailFolderItself)
{
    const QString deep = root() + QStringLiteral("/missing/parent");
    ASSERT_TRUE(cOptions::write(Opt::MailFolder, deep));
    QString failed;
    EXPECT_FALSE(InitMailStorage(&failed));
    EXPECT_EQ(failed, deep);
    EXPECT_EQ(CannotCreateFolderText(failed), QStringLiteral("Impossible to create the following folder: \n") + deep);

    ASSERT_TRUE(AdoptMailFolder(root()));
    EXPECT_TRUE(InitMailStorage());
    EXPECT_EQ(cOptions::read(Opt::MailAttchFolder), root() + QStringLiteral("/Attachments"));
}

TEST_F(FolderStoreTest, FolderNamesResolveWithoutCase)
{
    EXPECT_EQ(MailFolderPath(QStringLiteral("Sent Items")), folderPath("Sent items"));
    for (eFolderKind kind : kFixedFolderKinds)
        EXPECT_EQ(cFolderStore::FolderKind(FolderName(kind).toUpper()), kind);
    EXPECT_EQ(cFolderStore::FolderKind(QStringLiteral("Projects")), eFolderKind::User);
    EXPECT_EQ(cFolderStore::FolderKind(QStringLiteral("junk")), eFolderKind::Junk);
    const QString moved =
        cFolderStore::TransferMessage(putMessage("Unsent", "mail1.qrz", "s"), QStringLiteral("Sent Items"), true).value();
    EXPECT_EQ(moved, folderPath("Sent items") + QStringLiteral("/mail1.qrz"));
    EXPECT_TRUE(QFileInfo::exists(moved));
}

TEST_F(FolderStoreTest, UniqueFileNamesNeverLoopForever)
{
    const cResultOf<QString> missing =
        cFolderStore::UniqueFileName(root() + QStringLiteral("/nope"), QStringLiteral("sig"), QStringLiteral("qrx"));
    EXPECT_TRUE(missing.value().isEmpty());
    EXPECT_EQ(missing.cause(), eFailure::FileSystem);
    EXPECT_TRUE(missing.text().contains(QStringLiteral("/nope")));

    const QString path = cFolderStore::NewMessagePath(QStringLiteral("inbox")).value();
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("mail")));
    EXPECT_EQ(QFileInfo(path).absolutePath(), folderPath("Inbox"));
}

TEST_F(FolderStoreTest, AFolderGrowsPastTheFourDigitNames)
{
    const QString inbox = folderPath("Inbox");
    for (int n = 0; n < 9999; ++n)
        writeFile(inbox + QStringLiteral("/mail%1.qrz").arg(n), {});
    static const QRegularExpression messageName(QStringLiteral("^mail([0-9]+)\\.qrz$"));
    for (int n = 0; n < 200; ++n) {
        const QString path = cFolderStore::NewMessagePath(QStringLiteral("Inbox")).value();
        const QRegularExpressionMatch match = messageName.match(QFileInfo(path).fileName());
        ASSERT_TRUE(match.hasMatch() && match.captured(1).toLongLong() >= 9999) << path.toStdString();
        ASSERT_FALSE(QFileInfo::exists(path)) << path.toStdString();
        cMailMessage m;
        m.Subject = "wide";
        ASSERT_TRUE(m.WriteFile(path));
    }
    const std::vector<cStoredEntry> listed = cQrzMailStore().List(QStringLiteral("Inbox"));
    EXPECT_EQ(listed.size(), 9999 + 200);
    EXPECT_EQ(std::count_if(listed.begin(), listed.end(), [](const cStoredEntry &e) { return e.entry.Subject == "wide"; }),
              200);
}

TEST_F(FolderStoreTest, TheMailTreeAndWhatIsWrittenInItArePrivate)
{
    const auto othersMay = [](const QString &path) { return QFileInfo(path).permissions() & 0x0077; };
    for (const QString &folder : MailStorageFolders(root()))
        EXPECT_EQ(othersMay(folder), 0) << folder.toStdString();
    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Projects")));
    EXPECT_EQ(othersMay(folderPath("Projects")), 0);
    EXPECT_EQ(othersMay(putMessage("Projects", "mail1.qrz", "s")), 0);
    EXPECT_EQ(othersMay(OptionsFilePath()), 0);
    EXPECT_EQ(othersMay(ProgramFolder()), 0);
}

TEST(SettingsPaths, OnlyAPortableProgramKeepsItsSettingsBesideItself)
{
    QTemporaryDir portable;
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir(QStringLiteral("sub")));
    const struct
    {
        QString executableFolder;
        bool beside;
    } cases[] = {
        {portable.path(), true},
        {installed.path(), false},
        {installed.path() + QStringLiteral("/sub/.."), false},
        {portable.path() + QStringLiteral("/missing"), false},
        {QString(), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KeepsSettingsBeside(c.executableFolder, installed.path()), c.beside) << c.executableFolder.toStdString();
}

TEST_F(FolderStoreTest, TransfersNeverOverwrite)
{
    const QString inTrash = putMessage("Trash", "mail7.qrz", "already there");
    const QString source = putMessage("Inbox", "mail7.qrz", "moving");
    const QString moved = cFolderStore::TransferMessage(source, QStringLiteral("Trash"), true).value();
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_NE(moved, inTrash);
    EXPECT_FALSE(QFileInfo::exists(source));
    cMailMessage m;
    ASSERT_TRUE(m.ReadFile(inTrash, true));
    EXPECT_EQ(m.Subject, QByteArray("already there"));
    ASSERT_TRUE(m.ReadFile(moved, true));
    EXPECT_EQ(m.Subject, QByteArray("moving"));

    // Into its own folder: a second file under a fresh name, the first untouched.
    const QString copy = cFolderStore::TransferMessage(moved, QStringLiteral("Trash"), false).value();
    EXPECT_NE(copy, moved);
    EXPECT_TRUE(QFileInfo::exists(copy) && QFileInfo::exists(moved));

    const cResultOf<QString> gone =
        cFolderStore::TransferMessage(folderPath("Inbox") + QStringLiteral("/gone.qrz"), QStringLiteral("Trash"), true);
    EXPECT_TRUE(gone.value().isEmpty());
    EXPECT_EQ(gone.cause(), eFailure::FileSystem);
    EXPECT_TRUE(gone.text().contains(QStringLiteral("gone.qrz")));
}

TEST_F(FolderStoreTest, DeletingMovesToTheTrashExceptInTheTrash)
{
    putMessage("Trash", "mail1.qrz", "old");
    const QString inbox = putMessage("Inbox", "mail1.qrz", "new");
    ASSERT_TRUE(cFolderStore::DeleteMessage(inbox, QStringLiteral("Inbox")));
    EXPECT_EQ(cFolderStore::MessageFiles(QStringLiteral("Trash")).size(), 2);
    for (const QString &path : cFolderStore::MessageFiles(QStringLiteral("Trash")))
        ASSERT_TRUE(cFolderStore::DeleteMessage(path, QStringLiteral("Trash")));
    EXPECT_TRUE(cFolderStore::MessageFiles(QStringLiteral("Trash")).isEmpty());
}

TEST_F(FolderStoreTest, ListingTakesEveryMessageFileInAnyCase)
{
    putMessage("Inbox", "mail1.qrz", "one");
    putMessage("Inbox", "other name.QRZ", "two");
    writeFile(folderPath("Inbox") + QStringLiteral("/notes.txt"), "x");
    QStringList subjects;
    for (const cStoredEntry &listed : cQrzMailStore().List(QStringLiteral("Inbox")))
        subjects.append(QString::fromUtf8(listed.entry.Subject));
    subjects.sort();
    EXPECT_EQ(subjects, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    EXPECT_TRUE(cMailMessage::SetReadFlag(folderPath("Inbox") + QStringLiteral("/mail1.qrz"), true));
}

TEST_F(FolderStoreTest, ClearingKeepsOtherFiles)
{
    putMessage("Trash", "mail1.qrz", "s");
    writeFile(folderPath("Trash") + QStringLiteral("/keep.txt"), "x");
    EXPECT_TRUE(cFolderStore::ClearFolder(QStringLiteral("Trash")));
    EXPECT_TRUE(cFolderStore::MessageFiles(QStringLiteral("Trash")).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(folderPath("Trash") + QStringLiteral("/keep.txt")));
}

TEST_F(FolderStoreTest, CreatingRenamingAndRemovingUserFolders)
{
    ASSERT_TRUE(cFolderStore::CreateFolder(QStringLiteral("Projects")));
    EXPECT_EQ(cFolderStore::UserFolders(), QStringList{QStringLiteral("Projects")});
    const cResult taken = cFolderStore::CreateFolder(QStringLiteral("projects"));
    EXPECT_FALSE(taken);
    EXPECT_TRUE(taken.text().startsWith(QStringLiteral("Unable to create folder.")));
    for (const QString &bad : {QStringLiteral(""), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("INBOX")})
        EXPECT_FALSE(cFolderStore::CreateFolder(bad)) << bad.toStdString();

    const cResult fixed = cFolderStore::RenameFolder(QStringLiteral("Inbox"), QStringLiteral("Box"));
    EXPECT_FALSE(fixed);
    EXPECT_TRUE(fixed.text().startsWith(QStringLiteral("The folder could not be renamed.")));
    EXPECT_FALSE(cFolderStore::RenameFolder(QStringLiteral("Projects"), QStringLiteral("trash")));
    ASSERT_TRUE(cFolderStore::RenameFolder(QStringLiteral("projects"), QStringLiteral("Work")));
    ASSERT_TRUE(cFolderStore::RenameFolder(QStringLiteral("Work"), QStringLiteral("WORK")));
    EXPECT_EQ(cFolderStore::UserFolders(), QStringList{QStringLiteral("WORK")});

    putMessage("WORK", "mail1.qrz", "s");
    writeFile(folderPath("WORK") + QStringLiteral("/picture.png"), "x");
    const cResult notEmpty = cFolderStore::RemoveFolder(QStringLiteral("WORK"));
    EXPECT_FALSE(notEmpty);
    EXPECT_TRUE(notEmpty.text().startsWith(QStringLiteral("The folder could not be removed.")));
    EXPECT_TRUE(cFolderStore::MessageFiles(QStringLiteral("WORK")).isEmpty());
    QFile::remove(folderPath("WORK") + QStringLiteral("/picture.png"));
    EXPECT_TRUE(cFolderStore::RemoveFolder(QStringLiteral("work")));
    EXPECT_FALSE(cFolderStore::RemoveFolder(QStringLiteral("Trash")));
    EXPECT_TRUE(cFolderStore::UserFolders().isEmpty());

    // Junk is fixed once the junk filter made it: listed apart, never renamed or removed.
    EXPECT_TRUE(cFolderStore::OnDemandFolders().isEmpty());
    ASSERT_TRUE(QDir().mkdir(folderPath("Junk")));
    EXPECT_EQ(cFolderStore::OnDemandFolders(), QStringList{QStringLiteral("Junk")});
    EXPECT_TRUE(cFolderStore::UserFolders().isEmpty());
    EXPECT_FALSE(cFolderStore::RenameFolder(QStringLiteral("Junk"), QStringLiteral("Spam")));
    EXPECT_FALSE(cFolderStore::RemoveFolder(QStringLiteral("Junk")));
}

} // namespace
