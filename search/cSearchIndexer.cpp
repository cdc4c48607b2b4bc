// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchIndexer.h"

#include "storage/MailStorage.h"
#include "storage/ThreadPriority.h"

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
    Queue(folders, cIndexedFolders(fStore));
}

void cSearchIndexer::Queue(const QStringList &folders, std::optional<cIndexedFolders> tree)
{
    {
        const std::lock_guard lock(fMutex);
        if (tree)
            fTree = std::move(*tree);
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
    // Only this thread changes the tree; a folder made since it was read is looked up now.
    const bool known = !fTree.DirectoryOf(folder).isEmpty();
    std::optional<cIndexedFolders> tree = known ? std::nullopt : std::optional(cIndexedFolders(fStore));
    {
        const std::lock_guard lock(fMutex);
        if (tree)
            fTree = std::move(*tree);
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
    const cIndexedFolders tree(fStore);
    for (const QString &folder : tree.Indexed())
        if (const QString directory = tree.DirectoryOf(folder); !directory.isEmpty())
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
    cRound round{std::exchange(fAdded, {}), std::exchange(fPending, std::nullopt), fTree};
    return round;
}

std::pair<cSearchIndexer::cAdded, cIndexedFolders> cSearchIndexer::TakeAdded()
{
    const std::lock_guard lock(fMutex);
    return {std::exchange(fAdded, {}), fTree};
}

QStringList cSearchIndexer::AddStored(cSearchIndex &index, const cIndexedFolders &tree, const cAdded &added)
{
    std::map<QString, QStringList> byFolder;
    for (const auto &[folder, file] : added)
        byFolder[folder].append(file);
    QStringList failed;
    for (const auto &[folder, files] : byFolder)
        if (!index.Add(tree, folder, files))
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
            if (const QStringList failed = AddStored(index, round->tree, round->added);
                !failed.isEmpty() && !(folders && folders->isEmpty()))
                folders = folders.value_or(QStringList()) + failed;
        if (opened && folders)
            done = index.Update(round->tree, *folders, [this, &stop, &index](qsizetype read, qsizetype total) {
                QMetaObject::invokeMethod(this, [this, read, total] { emit Progress(read, total); }, Qt::QueuedConnection);
                // Mail stored meanwhile is found now, not when a long round ends.
                const auto [added, tree] = TakeAdded();
                if (const QStringList failed = AddStored(index, tree, added); !failed.isEmpty())
                    Queue(failed, std::nullopt);
                return !fStopping && !stop.stop_requested();
            });
        QMetaObject::invokeMethod(this, [this, ok = done.ok(), text = done.text()] { emit Finished(ok, text); },
                                  Qt::QueuedConnection);
    }
}
