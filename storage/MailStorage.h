// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail folder tree under MailRoot: its in-memory root and attachments folder, the
// creation of its folders at start-up, and the mapping of folder names to directories.
// MailRoot is empty until storage is ready; every mail operation then does nothing.
// The values may be read from worker threads.
#include "storage/cResult.h"

#include <QString>
#include <QStringList>

QString MailRoot();
void SetMailRoot(const QString &root);
QString AttachmentsFolder();
void SetAttachmentsFolder(const QString &folder);
QString DefaultAttachmentsFolder(const QString &mailRoot);

// The nine directories InitMailStorage makes, in the order it makes them.
QStringList MailStorageFolders(const QString &mailRoot);

// Reads MailFolder into MailRoot and creates any missing folder of the tree. Returns false
// when MailFolder is empty (nothing is created) or a folder cannot be created; then
// *failedFolder holds the first folder that could not be made (empty for "not set").
bool InitMailStorage(QString *failedFolder = nullptr);
QString CannotCreateFolderText(const QString &folder);

// The first-run choice: stores MailFolder and MailAttchFolder for the folder and sets MailRoot.
cResult AdoptMailFolder(const QString &folder);

// "<MailRoot>/Mail", and the directory of a mail folder. Folder names resolve without regard
// to case ("Sent Items" is the folder "Sent items"); a name that matches no directory maps to
// a directory of that name.
QString MailFolderRoot();
QString MailFolderPath(const QString &folder);
