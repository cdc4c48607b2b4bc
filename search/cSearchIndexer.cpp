// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchIndexer.h"

#include "storage/MailStorage.h"
#include "storage/ThreadPriority.h"
#include "storage/cMailStore.h"

#include <QFileInfo>

#include <map>

namespace {

constexpr int kSettleMs = 1000;

} // namespace

cSearchIndexer::cSearchIndexer(const cMailStore &store, const QString &indexPath, QObject *parent)
    : QObject(parent), fStore(store), fPath(indexPath), fThread([this](std::stop_token stop) { Work(stop); })
{
    connect(&fWatcher, &QFileSystemWatcher::directoryChanged, this, &cSearchIndexer::DirectoryChanged);
    fSettle.setSingleShot(true);
    fSettle.setInterval(kSettleMs);
    connect(&fSettle, &QTimer::timeout, this, &cSearchIndexer::Settled);
}

cSearchIndexer::~cSearchIndexer()
{
    fStopping = true;
    fThread.request_stop();
    fThread.join();
}

void cSearchIndexer::Refresh(const QStringList &folders)
{
    {
        const std::lock_guard lock(fMutex);
        if (!fPending)
            fPending = folders;
        else if (fPending->isEmpty() || folders.isEmpty())
            fPending = QStringList();
        else
            fPending = QStringList(*fPending + folders);
        fStopping = false;
    }
    fWake.notify_one();
}

void cSearchIndexer::Add(const QString &folder, const QString &file)
{
    {
        const std::lock_guard lock(fMutex);
        fAdded.emplace_back(folder, file);
        fStopping = false;
    }
    fWake.notify_one();
}

void cSearchIndexer::Watch()
{
    (void)Rewatch();
}

bool cSearchIndexer::Rewatch()
{
    QStringList wanted{MailFolderRoot()};
    for (const QString &folder : cSearchIndex::Folders(fStore))
        if (const QString directory = fStore.FolderDirectory(folder); !directory.isEmpty())
            wanted.append(directory);
    const QStringList watched = fWatcher.directories();
    QStringList gone, added;
    for (const QString &directory : watched)
        if (!wanted.contains(directory))
            gone.append(directory);
    for (const QString &directory : wanted)
        if (!watched.contains(directory))
            added.append(directory);
    if (!gone.isEmpty())
        fWatcher.removePaths(gone);
    if (!added.isEmpty())
        fWatcher.addPaths(added);
    return !gone.isEmpty() || !added.isEmpty();
}

void cSearchIndexer::Stop()
{
    const std::lock_guard lock(fMutex);
    fPending.reset();
    fStopping = true;
}

void cSearchIndexer::DirectoryChanged(const QString &directory)
{
    // The mail folder itself changes when a folder is made, renamed or removed, and when the
    // index's own files come and go, which needs no round.
    if (QFileInfo(directory) == QFileInfo(MailFolderRoot())) {
        if (Rewatch())
            Refresh();
        return;
    }
    const QString folder = QFileInfo(directory).fileName();
    if (!fChanged.contains(folder))
        fChanged.append(folder);
    // A moment after the first change, so that a folder changing all the time is still looked over.
    if (!fSettle.isActive())
        fSettle.start();
}

void cSearchIndexer::Settled()
{
    Refresh(std::exchange(fChanged, {}));
}

std::optional<cSearchIndexer::cRound> cSearchIndexer::NextRound(std::stop_token stop)
{
    std::unique_lock lock(fMutex);
    if (!fWake.wait(lock, stop, [this] { return fPending.has_value() || !fAdded.empty(); }))
        return std::nullopt;
    cRound round{std::exchange(fAdded, {}), std::exchange(fPending, std::nullopt)};
    return round;
}

std::vector<std::pair<QString, QString>> cSearchIndexer::TakeAdded()
{
    const std::lock_guard lock(fMutex);
    return std::exchange(fAdded, {});
}

QStringList cSearchIndexer::AddStored(cSearchIndex &index, const std::vector<std::pair<QString, QString>> &added) const
{
    std::map<QString, QStringList> byFolder;
    for (const auto &[folder, file] : added)
        byFolder[folder].append(file);
    QStringList failed;
    for (const auto &[folder, files] : byFolder)
        if (!index.Add(fStore, folder, files))
            failed.append(folder);
    return failed;
}

void cSearchIndexer::Work(std::stop_token stop)
{
    LowerThreadPriority();
    cSearchIndex index;
    cResult opened = cResult::Failed(eFailure::FileSystem, QString());
    while (const std::optional<cRound> round = NextRound(stop)) {
        if (!opened)
            opened = index.Open(fPath.isEmpty() ? cSearchIndex::DefaultPath() : fPath);
        // A folder whose file could not be added is looked over whole, which also repairs the index.
        std::optional<QStringList> folders = round->folders;
        cResult done = opened;
        if (opened)
            if (const QStringList failed = AddStored(index, round->added); !failed.isEmpty() && !(folders && folders->isEmpty()))
                folders = folders.value_or(QStringList()) + failed;
        if (opened && folders)
            done = index.Update(fStore, *folders, [this, &stop, &index](qsizetype read, qsizetype total) {
                QMetaObject::invokeMethod(this, [this, read, total] { emit Progress(read, total); }, Qt::QueuedConnection);
                // Mail stored meanwhile is found now, not when a long round ends.
                if (const QStringList failed = AddStored(index, TakeAdded()); !failed.isEmpty())
                    Refresh(failed);
                return !fStopping && !stop.stop_requested();
            });
        QMetaObject::invokeMethod(this, [this, ok = done.ok(), text = done.text()] { emit Finished(ok, text); },
                                  Qt::QueuedConnection);
    }
}
