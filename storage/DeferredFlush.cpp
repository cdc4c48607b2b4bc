// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/DeferredFlush.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
};

// Past this many files a flush of the file system is faster than one per file: each file's
// flush waits for the disk once more.
constexpr qsizetype kMostOneByOne = 128;
constexpr size_t kFlushingThreads = 16;

struct cNoted
{
    QStringList paths;
    QSet<QString> seen;
    QSet<QString> folders;
    bool tooMany = false;
};

QMutex gNotedMutex;
cNoted gNoted;

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash > 0 ? path.left(slash) : QStringLiteral("/");
}

cResult failed(const QString &path, int error)
{
    return cResult::Failed(eFailure::FileSystem, cTexts::tr("Cannot flush \"%1\" to disk: %2")
                                                 .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

class cHandle
{
public:
    explicit cHandle(const QString &path, int flags = 0)
        : fHandle(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | flags)), fError(errno)
    {
    }
    cHandle(cHandle &&other) noexcept : fHandle(std::exchange(other.fHandle, -1)), fError(other.fError) {}
    cHandle(const cHandle &) = delete;
    cHandle &operator=(const cHandle &) = delete;
    cHandle &operator=(cHandle &&) = delete;
    ~cHandle()
    {
        if (fHandle >= 0)
            ::close(fHandle);
    }
    int get() const { return fHandle; }
    int error() const { return fError; }

private:
    int fHandle;
    int fError;
};

// One folder per file system, found once per folder: a mail check writes into the same
// hundreds of folders batch after batch.
QList<QString> oneFolderPerFileSystem(const QSet<QString> &folders)
{
    static QMutex mutex;
    static QHash<QString, dev_t> deviceOf;
    const QMutexLocker lock(&mutex);
    QHash<dev_t, QString> chosen;
    for (const QString &folder : folders) {
        auto found = deviceOf.constFind(folder);
        if (found == deviceOf.constEnd()) {
            struct stat info {};
            // A folder removed since took its files with it.
            if (::stat(QFile::encodeName(folder).constData(), &info) != 0)
                continue;
            found = deviceOf.insert(folder, info.st_dev);
        }
        chosen.insert(*found, folder);
    }
    return chosen.values();
}

cResult flushFileSystems(const QSet<QString> &folders)
{
    for (const QString &folder : oneFolderPerFileSystem(folders)) {
        const cHandle handle(folder);
        if (handle.get() < 0 && handle.error() == ENOENT)
            continue;
        if (handle.get() < 0)
            return failed(folder, handle.error());
        if (::syncfs(handle.get()) != 0)
            return failed(folder, errno);
    }
    return cResult::Ok();
}

struct cToFlush
{
    QString path;
    cHandle handle;
    bool folder;
};

// Each flush waits for the disk's cache to be written; flushes waiting side by side share one.
cResult flushSideBySide(std::vector<cToFlush> &all)
{
    std::atomic<size_t> next = 0;
    QMutex mutex;
    cResult result;
    const auto work = [&] {
        for (size_t i = next++; i < all.size(); i = next++) {
            const int handle = all[i].handle.get();
            if ((all[i].folder ? ::fsync(handle) : ::fdatasync(handle)) == 0)
                continue;
            const int error = errno;
            const QMutexLocker lock(&mutex);
            if (result)
                result = failed(all[i].path, error);
        }
    };
    std::vector<std::jthread> threads;
    for (size_t i = 1; i < std::min(all.size(), kFlushingThreads); ++i)
        threads.emplace_back(work);
    work();
    threads.clear();
    return result;
}

cResult flushOneByOne(const cNoted &noted)
{
    std::vector<cToFlush> all;
    all.reserve(size_t(noted.paths.size()) * 2);
    QSet<QString> folders;
    for (const QString &path : noted.paths) {
        all.push_back({path, cHandle(path), false});
        // Moved or removed since: wherever it went, a flush of the file system finds it.
        if (all.back().handle.get() < 0 && all.back().handle.error() == ENOENT)
            return flushFileSystems(noted.folders);
        if (all.back().handle.get() < 0)
            return failed(path, all.back().handle.error());
        // All of them on their way before the first wait: one journal commit then covers them all.
        StartWriteBack(all.back().handle.get());
        folders.insert(folderOf(path));
    }
    for (const QString &folder : std::as_const(folders)) {
        all.push_back({folder, cHandle(folder, O_DIRECTORY), true});
        if (all.back().handle.get() < 0)
            return failed(folder, all.back().handle.error());
    }
    return flushSideBySide(all);
}

} // namespace

void NoteDeferredWrite(const QString &path)
{
    const QMutexLocker lock(&gNotedMutex);
    gNoted.folders.insert(folderOf(path));
    if (gNoted.tooMany || gNoted.seen.contains(path))
        return;
    if (gNoted.paths.size() >= kMostOneByOne) {
        gNoted.tooMany = true;
        gNoted.paths.clear();
        gNoted.seen.clear();
        return;
    }
    gNoted.paths.append(path);
    gNoted.seen.insert(path);
}

cResult FlushDeferredWrites()
{
    cNoted taken;
    {
        const QMutexLocker lock(&gNotedMutex);
        taken = std::exchange(gNoted, {});
    }
    const cResult flushed = taken.tooMany ? flushFileSystems(taken.folders) : flushOneByOne(taken);
    if (!flushed) {
        // The next call flushes them again, their file systems whole.
        const QMutexLocker lock(&gNotedMutex);
        gNoted.folders.unite(taken.folders);
        gNoted.tooMany = true;
        gNoted.paths.clear();
        gNoted.seen.clear();
    }
    return flushed;
}

QStringList DeferredWritesWaiting()
{
    const QMutexLocker lock(&gNotedMutex);
    return gNoted.paths;
}

void StartWriteBack(int handle)
{
    (void)::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
}
