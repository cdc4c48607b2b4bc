// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MailFolderLock.h"

#include "storage/MailStorage.h"
#include "storage/PrivateFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QLockFile> &heldLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

} // namespace

cResult LockMailFolder()
{
    const QString path = MailRoot() + u'/' + MailFolderLockName();
    std::unique_ptr<QLockFile> &held = heldLock();
    if (held && held->fileName() == path)
        return cResult::Ok();
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its process is gone, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        (void)lock->getLockInfo(&pid, &host, &program);
        return cResult::Failed(eFailure::Refused,
                               QCoreApplication::translate("MailFolderLock",
                                                           "The mail folder %1 is in use by another Ravelin "
                                                           "(process %2 on %3).")
                                   .arg(MailRoot(), QString::number(pid), host));
    }
    (void)QFile::setPermissions(path, kPrivateFileMode);
    held = std::move(lock);
    return cResult::Ok();
}

QString MailFolderLockName()
{
    return u".ravelin.lock"_s;
}
