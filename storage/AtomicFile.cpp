// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AtomicFile.h"

#include "storage/DeferredFlush.h"
#include "storage/PrivateFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

cResult fail(const QString &path, const QString &reason)
{
    return cResult::Failed(eFailure::FileSystem, cTexts::tr("Cannot write the file \"%1\": %2").arg(path, reason));
}

// ".<name>.<pid>-<random>.tmp": the process id tells a sweep whether its writer still runs.
const QRegularExpression &temporaryName()
{
    static const QRegularExpression pattern(QStringLiteral("^\\..+\\.(\\d+)-[0-9a-f]{8}\\.tmp$"));
    return pattern;
}

std::atomic<pid_t> gProcessId = 0;

// Asked once, not of the kernel for every file (twice per message fetched); a forked child
// asks anew.
pid_t processId()
{
    static const bool forgottenInChild = ::pthread_atfork(nullptr, nullptr, [] { gProcessId = 0; }) == 0;
    pid_t pid = gProcessId.load(std::memory_order_relaxed);
    if (pid == 0 || !forgottenInChild) {
        pid = ::getpid();
        gProcessId.store(pid, std::memory_order_relaxed);
    }
    return pid;
}

QString temporaryPathFor(const QFileInfo &target)
{
    return target.absolutePath() + QStringLiteral("/.") + target.fileName()
           + QStringLiteral(".%1-%2.tmp")
                 .arg(processId())
                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// A new, empty file beside path that no one else can have opened.
bool openTemporary(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(temporaryPathFor(info));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, kPrivateFileMode))
            return true;
        if (!file.exists())
            return false;
    }
    return false;
}

bool processIsGone(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() && ::kill(static_cast<pid_t>(pid), 0) != 0
           && errno == ESRCH;
}

bool isStale(const QFileInfo &file, qint64 writerPid)
{
    constexpr qint64 kIdleSeconds = 10 * 60;
    return processIsGone(writerPid) || file.lastModified().secsTo(QDateTime::currentDateTime()) > kIdleSeconds;
}

bool writeAll(QFile &file, QByteArrayView data, QString *reason)
{
    const qint64 written = file.write(data.data(), data.size());
    if (written == data.size())
        return true;
    *reason = written < 0 ? file.errorString()
                          : cTexts::tr("only %1 of %2 bytes could be written (is the disk full?)")
                                .arg(written)
                                .arg(data.size());
    return false;
}

enum class eMode { Private, KeptFromTarget };

// Written to disk while the next file is fetched, when it is this large.
constexpr qint64 kEarlyWriteBack = 256 * 1024;

using fWriteAll = std::function<bool(const fWritePiece &)>;

fWriteAll allOf(const QByteArray &data)
{
    return [&data](const fWritePiece &write) { return write(data); };
}

bool synced(int handle, QString *reason)
{
    if (::fdatasync(handle) == 0)
        return true;
    *reason = systemError();
    return false;
}

// The data in a closed temporary file beside path, on disk when Synced is asked for.
bool writeTemporary(const QString &path, eMode mode, const fWriteAll &write, eDurability durability, QFile &file,
                    QString *reason)
{
    if (!openTemporary(path, file)) {
        *reason = file.errorString();
        return false;
    }
    // A file whose mode the user chose keeps it.
    if (mode == eMode::KeptFromTarget && QFileInfo::exists(path))
        file.setPermissions(QFileInfo(path).permissions());
    qint64 size = 0;
    bool written = write([&file, &size, reason](QByteArrayView piece) {
        size += piece.size();
        return writeAll(file, piece, reason);
    });
    if (written && durability == eDurability::Synced)
        written = synced(file.handle(), reason);
    else if (written && size >= kEarlyWriteBack)
        StartWriteBack(file.handle());
    file.close();
    if (!written)
        file.remove();
    return written;
}

// Gives the temporary the name unless a file has it: 0, EEXIST, or the error.
int claimName(const QString &temporary, const QString &path)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(path);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // File systems without it (FAT): take the name with an empty file, then move the data over it.
    const int fd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    return std::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

// The temporary under the first name of candidate's that no file has; removed when none is free.
cResultOf<QString> claimFirstFree(const QString &temporary, const QString &folder,
                                  const std::function<QString(int)> &candidate)
{
    const QDir dir(folder);
    QString path = dir.filePath(candidate(0));
    QString reason;
    for (int attempt = 1; !path.isEmpty(); ++attempt) {
        const int result = claimName(temporary, path);
        if (result == 0)
            return path;
        if (result != EEXIST) {
            reason = QString::fromLocal8Bit(std::strerror(result));
            break;
        }
        reason = cTexts::tr("too many files are named like it");
        const QString next = candidate(attempt);
        if (next.isEmpty())
            break;
        path = dir.filePath(next);
    }
    QFile::remove(temporary);
    return fail(path, reason);
}

void startWriteBack(const QString &path)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return;
    StartWriteBack(handle);
    ::close(handle);
}

// A deferred write waits for FlushDeferredWrites.
cResultOf<QString> noted(cResultOf<QString> written, eDurability durability)
{
    if (written && durability == eDurability::Deferred)
        NoteDeferredWrite(written.value());
    return written;
}

} // namespace

cResult WriteFileAtomically(const QString &path, const QByteArray &data, eDurability durability)
{
    return WriteFileAtomically(path, allOf(data), durability);
}

cResult WriteFileAtomically(const QString &path, const std::function<bool(const fWritePiece &)> &write,
                            eDurability durability)
{
    QFile file;
    QString reason;
    if (!writeTemporary(path, eMode::KeptFromTarget, write, durability, file, &reason))
        return fail(path, reason);
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        return noted(cResultOf<QString>(path), durability).result();
    reason = systemError();
    file.remove();
    return fail(path, reason);
}

cResult CopyFileAtomically(const QString &source, const QString &target)
{
    QFile file(source);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray data = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFile::NoError)
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot read the file \"%1\": %2").arg(source, file.errorString()));
    return WriteFileAtomically(target, data);
}

cResultOf<QString> WriteNewFileAtomically(const QString &folder, const std::function<QString(int)> &candidate,
                                          const QByteArray &data, eDurability durability)
{
    const QString path = QDir(folder).filePath(candidate(0));
    QFile file;
    QString reason;
    if (!writeTemporary(path, eMode::Private, allOf(data), durability, file, &reason))
        return fail(path, reason);
    return noted(claimFirstFree(file.fileName(), folder, candidate), durability);
}

std::unique_ptr<QFile> NewTemporaryFile(const QString &folder)
{
    auto file = std::make_unique<QFile>();
    if (!openTemporary(QDir(folder).filePath(QStringLiteral("part")), *file))
        return nullptr;
    return file;
}

cResultOf<QString> ClaimNewName(const QString &temporary, const QString &folder,
                                const std::function<QString(int)> &candidate, eDurability durability)
{
    QFile file(temporary);
    QString reason;
    if (durability == eDurability::Synced
        && !(file.open(QIODevice::ReadOnly) && synced(file.handle(), &reason))) {
        file.remove();
        return fail(QDir(folder).filePath(candidate(0)), reason.isEmpty() ? file.errorString() : reason);
    }
    file.close();
    if (durability == eDurability::Deferred)
        startWriteBack(temporary);
    return noted(claimFirstFree(temporary, folder, candidate), durability);
}

cResult SyncFileSystemOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::syncfs(fd) == 0;
    cResult result;
    if (!synced)
        result = cResult::Failed(eFailure::FileSystem, cTexts::tr("Cannot flush \"%1\" to disk: %2").arg(path, systemError()));
    if (fd >= 0)
        ::close(fd);
    return result;
}

int RemoveStaleTemporaries(const QString &folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QFileInfoList candidates = dir.entryInfoList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QFileInfo &candidate : candidates) {
        const QRegularExpressionMatch match = temporaryName().match(candidate.fileName());
        if (match.hasMatch() && isStale(candidate, match.captured(1).toLongLong()) && QFile::remove(candidate.filePath()))
            ++removed;
    }
    return removed;
}
