// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full-text index of the mail folders: an SQLite database (FTS5) in a hidden file of the
// mail folder. Like the listing cache it is disposable: the message files stay the truth, and
// an index that is missing, damaged or of another format is made anew without a word.
//
// Open it, Update it (it stats every message file and reads only new and changed ones; a file
// that moved keeps its entry), then Find. Find answers from the messages' rows held in memory
// (cSearchRows), read on the first search and again after any change to the index, so keep
// one object open from search to search. One object serves one thread; a background builder
// opens its own. Words of a changed or deleted message stay behind in the word index, unseen
// (every hit goes through the message table or its rows); when they outnumber the live
// messages the index is made anew.
#include "search/cIndexedFolders.h"
#include "search/cSearchQuery.h"
#include "search/cSearchRows.h"
#include "search/cSqliteDb.h"
#include "storage/cFolderIndex.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class cSearchIndex
{
public:
    static const QString kFileName;
    // Bumped whenever the tables or the word splitting change: older indexes are made anew.
    static constexpr int kVersion = 1;

    // Told how many of the files to read are done; returning false stops the update, which
    // then fails as Cancelled. What was indexed stays, so the next update goes on from there.
    using fProgress = std::function<bool(qsizetype done, qsizetype total)>;

    // The index of the mail folder in use (MailFolderRoot).
    static QString DefaultPath();

    // For updates: makes the file and its tables when there are none, and makes an index of
    // another format or a damaged one anew.
    cResult Open(const QString &path = DefaultPath());
    // For searches, beside a writer: never makes nor replaces the file, so a search cannot undo
    // the writer's work; an index not made yet is a failure that says so.
    cResult OpenToRead(const QString &path = DefaultPath());
    void Close() { fDb.Close(); }
    // Brings the entries of the folders (all it covers when none are named) in line with the
    // files of their directories.
    cResult Update(const cIndexedFolders &tree, const QStringList &folders = {}, const fProgress &progress = {});
    // Indexes the named files of one folder, new or changed, without looking at the others:
    // how a stored message becomes findable at once in a folder of any size.
    cResult Add(const cIndexedFolders &tree, const QString &folder, const QStringList &files);
    // Newest first; messages without a date last. The hits name their folder and file only.
    cResultOf<std::vector<cSearchHit>> Find(const cSearchQuery &query);
    // Fills in the date, sender and subject of the hits.
    cResult Describe(std::vector<cSearchHit> &hits);
    // The messages indexed.
    qsizetype Count();

private:
    struct cRow
    {
        qint64 id = 0;
        QString key; // folder "/" file
        cFileStamp stamp;
    };
    struct cPending
    {
        QString folder;
        QString directory;
        cFileStamp stamp;
    };

    cResult Rebuild();
    // Makes the tables of an empty file; a Format failure for an index of another format.
    cResult MakeTables();
    cResult Sync(const cIndexedFolders &tree, const QStringList &folders, const fProgress &progress);
    // The entries of the folders; of every folder when none is named.
    std::vector<cRow> Rows(const QStringList &folderNames);
    cResult Forget(const std::vector<qint64> &ids);
    cResult Relocate(const std::vector<std::pair<qint64, cPending>> &moves);
    cResult Index(const std::vector<cPending> &pending, const fProgress &progress);
    cResult Insert(const std::vector<cPending> &batch);
    qint64 Stale();
    cResultOf<std::vector<cSearchHit>> FindIds(const cSearchQuery &query);
    // Loads the rows unless they are those of the index as it is now.
    bool KnowRows();
    // The format of the file; -1 when it is no database.
    int Version();

    cSqliteDb fDb;
    QString fPath;
    cSearchRows fRows;
    bool fRowsKnown = false;
    qint64 fRowsVersion = 0; // SQLite's data_version when they were loaded
};
