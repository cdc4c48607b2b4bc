// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the search index in line with the mail folders on a worker thread of its own, below
// the window's priority, so no window waits for it. Refresh asks for folders to be brought up
// to date (asks made meanwhile are merged into the next round); Add indexes one stored file
// ahead of any round, or between two steps of the round under way, so a new message is found
// at once however big its folder. Watch refreshes a folder by itself, a moment after a message
// file of it comes, goes or is replaced (moves, deletes, read marks, other programs), with
// whatever else changed meanwhile. Stop ends the round under way; what was indexed stays, and
// the next round goes on from there.
//
// The signals come in the thread the indexer lives in, from its event loop.
#include "search/cSearchIndex.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class cSearchIndexer : public QObject
{
    Q_OBJECT
public:
    // The index of the store's folders, which it reads on this object's thread only; an empty
    // path: the index of the mail folder in use when the first round starts.
    explicit cSearchIndexer(const cMailStore &store, const QString &indexPath = QString(), QObject *parent = nullptr);
    ~cSearchIndexer() override;

    // Every folder when none is named.
    void Refresh(const QStringList &folders = {});
    // A message file stored in a folder of the store.
    void Add(const QString &folder, const QString &file);
    void Watch();
    void Stop();

signals:
    // How many of the files to read in this round are read.
    void Progress(qsizetype done, qsizetype total);
    // A round ended; `failure` says why when it did not finish.
    void Finished(bool ok, const QString &failure);

private:
    using cAdded = std::vector<std::pair<QString, QString>>; // folder, file
    struct cRound
    {
        cAdded added;
        std::optional<QStringList> folders;
        cIndexedFolders tree;
    };

    void Work(std::stop_token stop);
    // The next round, waiting until there is one; none when the thread must end.
    std::optional<cRound> NextRound(std::stop_token stop);
    std::pair<cAdded, cIndexedFolders> TakeAdded();
    // Asks for a round over the folders; tree: the store's folders as they are now, when the
    // caller is on this object's thread.
    void Queue(const QStringList &folders, std::optional<cIndexedFolders> tree);
    // Indexes the stored files; returns the folders of those that could not be.
    static QStringList AddStored(cSearchIndex &index, const cIndexedFolders &tree, const cAdded &added);
    void DirectoryChanged(const QString &directory);
    void Settled();
    // Watches the directories of the folders there are now; whether that changed anything.
    bool Rewatch();

    const cMailStore &fStore;
    QString fPath;
    QFileSystemWatcher fWatcher;
    std::mutex fMutex;
    std::condition_variable_any fWake;
    std::optional<QStringList> fPending; // empty: every folder
    cAdded fAdded;
    cIndexedFolders fTree;
    // Changed folders wait a moment: the message stored behind a change is then added on its
    // own first, which a look over a big folder would hold up.
    QTimer fSettle;
    QStringList fChanged;
    std::atomic<bool> fStopping = false;
    std::jthread fThread; // last: it stops and joins before the members it uses go
};
