// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MailStorage.h"

#include "storage/PrivateFiles.h"
#include "storage/cOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QReadWriteLock>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(MailStorage)
};

QReadWriteLock storageLock;
QString gMailRoot;
QString gAttachmentsFolder;

QString readGuarded(const QString &value)
{
    QReadLocker lock(&storageLock);
    return value;
}

void writeGuarded(QString &target, const QString &value)
{
    QWriteLocker lock(&storageLock);
    target = value;
}

} // namespace

QString MailRoot() { return readGuarded(gMailRoot); }
void SetMailRoot(const QString &root) { writeGuarded(gMailRoot, root); }
QString AttachmentsFolder() { return readGuarded(gAttachmentsFolder); }
void SetAttachmentsFolder(const QString &folder) { writeGuarded(gAttachmentsFolder, folder); }

QString DefaultAttachmentsFolder(const QString &mailRoot)
{
    return mailRoot + QStringLiteral("/Attachments");
}

QStringList MailStorageFolders(const QString &mailRoot)
{
    QStringList folders{mailRoot};
    for (const char *sub : {"/Mail", "/Attachments", "/Signatures", "/Mail/Inbox", "/Mail/Unsent",
                            "/Mail/Sent items", "/Mail/Unfinished", "/Mail/Trash"})
        folders.append(mailRoot + QLatin1String(sub));
    return folders;
}

bool InitMailStorage(QString *failedFolder)
{
    const QString root = cOptions::read(Opt::MailFolder);
    SetMailRoot(root);
    if (failedFolder)
        failedFolder->clear();
    if (root.isEmpty())
        return false;
    for (const QString &folder : MailStorageFolders(root)) {
        if (MakePrivateFolder(folder))
            continue;
        if (failedFolder)
            *failedFolder = folder;
        return false;
    }
    QString attachments = cOptions::read(Opt::MailAttchFolder);
    SetAttachmentsFolder(attachments.isEmpty() ? DefaultAttachmentsFolder(root) : attachments);
    return true;
}

QString CannotCreateFolderText(const QString &folder)
{
    return cTexts::tr("Impossible to create the following folder: \n") + folder;
}

cResult AdoptMailFolder(const QString &folder)
{
    cResult written = cOptions::write(Opt::MailFolder, folder);
    if (written)
        written = cOptions::write(Opt::MailAttchFolder, DefaultAttachmentsFolder(folder));
    if (written)
        SetMailRoot(folder);
    return written;
}

QString MailFolderRoot()
{
    return MailRoot() + QStringLiteral("/Mail");
}

QString MailFolderPath(const QString &folder)
{
    const QDir mail(MailFolderRoot());
    const QString exact = mail.filePath(folder);
    if (QFileInfo(exact).isDir())
        return exact;
    const QStringList entries = mail.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(folder, Qt::CaseInsensitive) == 0)
            return mail.filePath(entry);
    return exact;
}
