// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchIndex.h"

#include "search/cSearchDocument.h"
#include "storage/MailStorage.h"
#include "storage/ParallelFor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <map>
#include <optional>
#include <tuple>

const QString cSearchIndex::kFileName = QStringLiteral(".search-index");

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cSearchIndex)
};

// Documents read on every core between two commits; also how often progress is told.
constexpr std::size_t kBatch = 256;
// Left-behind words tolerated before the index is made anew, and at least this many.
constexpr qint64 kFewStale = 1000;

const char *const kSchema = R"(
CREATE TABLE message(id INTEGER PRIMARY KEY AUTOINCREMENT, folder TEXT NOT NULL, file TEXT NOT NULL,
  size INTEGER, modified INTEGER, inode INTEGER, date INTEGER, read INTEGER, attachments INTEGER,
  datetime TEXT, sender TEXT, subject TEXT, UNIQUE(folder, file));
CREATE INDEX message_date ON message(date);
CREATE VIRTUAL TABLE words USING fts5(subject, sender, recipient, cc, body, attachment,
  content='', tokenize='unicode61 remove_diacritics 2');
CREATE TABLE stale(count INTEGER NOT NULL);
INSERT INTO stale VALUES(0);
PRAGMA user_version = 1;
)";

QString rowKey(const QString &folder, const QString &file)
{
    return folder + u'/' + file;
}

// A moved file keeps its inode, size and time.
using cIdentity = std::tuple<quint64, qint64, qint64>;
cIdentity identity(const cFileStamp &stamp)
{
    return {stamp.inode, stamp.size, stamp.modified};
}

struct cFolderDir
{
    QString name; // as the directory is spelled
    QString directory;
};

std::vector<cFolderDir> folderDirs(const cIndexedFolders &tree, QStringList folders)
{
    if (folders.isEmpty())
        folders = tree.Indexed();
    std::vector<cFolderDir> dirs;
    for (const QString &folder : folders) {
        const QFileInfo info(tree.DirectoryOf(folder));
        if (info.isDir())
            dirs.push_back({info.fileName(), info.filePath()});
    }
    return dirs;
}

// As the folder's listing stamps it, so a later look over the folder sees the file unchanged.
std::optional<cFileStamp> stampOf(const QString &directory, const QString &file)
{
    struct stat info {};
    if (stat(QFile::encodeName(directory + u'/' + file).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return cFileStamp{file, qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                      quint64(info.st_ino)};
}

} // namespace

QString cSearchIndex::DefaultPath()
{
    return QDir(MailFolderRoot()).filePath(kFileName);
}

cResult cSearchIndex::Open(const QString &path)
{
    fPath = path;
    fRowsKnown = false;
    if (cResult opened = fDb.Open(path, eSqliteOpen::Create); !opened)
        return opened;
    cResult ready = MakeTables();
    if (ready.cause() != eFailure::Format)
        return ready;
    return Rebuild();
}

cResult cSearchIndex::OpenToRead(const QString &path)
{
    fPath = path;
    fRowsKnown = false;
    if (QFileInfo::exists(path)) {
        if (cResult opened = fDb.Open(path, eSqliteOpen::Existing); !opened)
            return opened;
        if (Version() == kVersion)
            return cResult::Ok();
        fDb.Close();
    }
    return cResult::Failed(eFailure::FileSystem,
                           cTexts::tr("The search index \"%1\" is not ready: it is being made. Search again in a moment.")
                               .arg(path));
}

cResult cSearchIndex::Rebuild()
{
    fDb.Close();
    for (const char *suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(fPath + QLatin1String(suffix));
    if (cResult opened = fDb.Open(fPath, eSqliteOpen::Create); !opened)
        return opened;
    return MakeTables();
}

cResult cSearchIndex::MakeTables()
{
    // Another writer (the command line, a second window) may be making the same new file: the
    // look at its format and the tables made are one write transaction, so one of them makes them
    // and the other finds them. A look that fails is no reason to throw the index away.
    if (!fDb.Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL") || !fDb.Exec("BEGIN IMMEDIATE"))
        return fDb.Failure(eIndexWork::Open);
    const int version = Version();
    if ((version == kVersion || (version == 0 && fDb.Exec(kSchema))) && fDb.Exec("COMMIT"))
        return cResult::Ok();
    const cResult failure = fDb.Failure(version < 0 ? eIndexWork::Open : eIndexWork::Create);
    (void)fDb.Exec("ROLLBACK");
    const bool otherFormat = version > 0 && version != kVersion;
    return otherFormat ? cResult::Failed(eFailure::Format, failure.text()) : failure;
}

cResult cSearchIndex::Update(const cIndexedFolders &tree, const QStringList &folders, const fProgress &progress)
{
    fRowsKnown = false;
    if (!fDb.IsOpen())
        return cResult::Failed(eFailure::FileSystem, cTexts::tr("The search index \"%1\" is not open.").arg(fPath));
    cResult synced = Sync(tree, folders, progress);
    if (synced.cause() != eFailure::Format)
        return synced;
    if (cResult rebuilt = Rebuild(); !rebuilt)
        return rebuilt;
    return Sync(tree, {}, progress);
}

cResult cSearchIndex::Add(const cIndexedFolders &tree, const QString &folder, const QStringList &files)
{
    fRowsKnown = false;
    if (!fDb.IsOpen())
        return cResult::Failed(eFailure::FileSystem, cTexts::tr("The search index \"%1\" is not open.").arg(fPath));
    const std::vector<cFolderDir> dirs = folderDirs(tree, {folder});
    if (dirs.empty())
        return cResult::Ok();
    cSqliteStatement known = fDb.Prepare("SELECT size, modified, inode FROM message WHERE folder = ? AND file = ?");
    std::vector<cPending> pending;
    for (const QString &file : files) {
        // Only what a look over the folder would take: a message file of it, never a way out.
        const bool message = !file.contains(u'/') && !file.startsWith(u'.')
                             && file.endsWith(QLatin1String(".qrz"), Qt::CaseInsensitive);
        const std::optional<cFileStamp> stamp = message ? stampOf(dirs.front().directory, file) : std::nullopt;
        if (!stamp)
            continue;
        const bool same = known.Bind(1, dirs.front().name).Bind(2, file).Next()
                          && cFileStamp{file, known.Int(0), known.Int(1), quint64(known.Int(2))} == *stamp;
        if (known.Failed())
            return fDb.Failure(eIndexWork::Update);
        known.Reset();
        if (!same)
            pending.push_back({dirs.front().name, dirs.front().directory, *stamp});
    }
    return Index(pending, {});
}

cResult cSearchIndex::Sync(const cIndexedFolders &tree, const QStringList &folders, const fProgress &progress)
{
    const std::vector<cFolderDir> dirs = folderDirs(tree, folders);
    QStringList names;
    for (const cFolderDir &dir : dirs)
        names.append(dir.name);
    // A full update also drops the entries of folders that are no more (or moves them).
    std::vector<cRow> rows = Rows(folders.isEmpty() ? QStringList() : names);
    QHash<QString, std::size_t> byKey;
    for (std::size_t at = 0; at < rows.size(); ++at)
        byKey.insert(rows[at].key, at);
    std::vector<bool> kept(rows.size(), false);
    std::vector<cPending> pending;
    for (const cFolderDir &dir : dirs) {
        for (const cFileStamp &stamp : cFolderIndex::Scan(dir.directory)) {
            const auto row = byKey.constFind(rowKey(dir.name, stamp.name));
            if (row != byKey.cend() && rows[*row].stamp == stamp)
                kept[*row] = true;
            else
                pending.push_back({dir.name, dir.directory, stamp});
        }
    }
    std::multimap<cIdentity, qint64> gone;
    for (std::size_t at = 0; at < rows.size(); ++at)
        if (!kept[at])
            gone.emplace(identity(rows[at].stamp), rows[at].id);
    std::vector<std::pair<qint64, cPending>> moves;
    std::vector<cPending> fresh;
    for (cPending &file : pending) {
        const auto moved = gone.find(identity(file.stamp));
        if (moved != gone.end() && file.stamp.inode != 0) {
            moves.emplace_back(moved->second, std::move(file));
            gone.erase(moved);
        } else {
            fresh.push_back(std::move(file));
        }
    }
    std::vector<qint64> forgotten;
    for (const auto &[unused, id] : gone)
        forgotten.push_back(id);
    if (!fDb.Exec("BEGIN"))
        return fDb.Failure(eIndexWork::Update);
    if (cResult changed = Forget(forgotten); !changed) {
        (void)fDb.Exec("ROLLBACK");
        return changed;
    }
    if (cResult changed = Relocate(moves); !changed) {
        (void)fDb.Exec("ROLLBACK");
        return changed;
    }
    if (!fDb.Exec("COMMIT"))
        return fDb.Failure(eIndexWork::Update);
    if (const qint64 stale = Stale(); stale > kFewStale && stale > Count()) {
        if (cResult rebuilt = Rebuild(); !rebuilt)
            return rebuilt;
        return Sync(tree, {}, progress);
    }
    return Index(fresh, progress);
}

std::vector<cSearchIndex::cRow> cSearchIndex::Rows(const QStringList &folderNames)
{
    std::vector<cRow> rows;
    cSqliteStatement select = fDb.Prepare("SELECT id, folder, file, size, modified, inode FROM message");
    while (select.Next()) {
        const QString folder = select.Text(1);
        if (!folderNames.isEmpty() && !folderNames.contains(folder))
            continue;
        const QString file = select.Text(2);
        rows.push_back({select.Int(0), rowKey(folder, file),
                        {file, select.Int(3), select.Int(4), quint64(select.Int(5))}});
    }
    return rows;
}

cResult cSearchIndex::Forget(const std::vector<qint64> &ids)
{
    cSqliteStatement remove = fDb.Prepare("DELETE FROM message WHERE id = ?");
    for (const qint64 id : ids) {
        if (!remove.Bind(1, id).Run())
            return fDb.Failure(eIndexWork::Update);
        remove.Reset();
    }
    cSqliteStatement count = fDb.Prepare("UPDATE stale SET count = count + ?");
    if (!count.Bind(1, qint64(ids.size())).Run())
        return fDb.Failure(eIndexWork::Update);
    return cResult::Ok();
}

cResult cSearchIndex::Relocate(const std::vector<std::pair<qint64, cPending>> &moves)
{
    cSqliteStatement move = fDb.Prepare(
        "UPDATE OR REPLACE message SET folder = ?, file = ?, size = ?, modified = ?, inode = ? WHERE id = ?");
    for (const auto &[id, file] : moves) {
        move.Bind(1, file.folder).Bind(2, file.stamp.name).Bind(3, file.stamp.size).Bind(4, file.stamp.modified);
        if (!move.Bind(5, qint64(file.stamp.inode)).Bind(6, id).Run())
            return fDb.Failure(eIndexWork::Update);
        move.Reset();
    }
    return cResult::Ok();
}

cResult cSearchIndex::Index(const std::vector<cPending> &pending, const fProgress &progress)
{
    for (std::size_t first = 0; first < pending.size(); first += kBatch) {
        const std::size_t end = std::min(first + kBatch, pending.size());
        if (cResult inserted = Insert({pending.begin() + first, pending.begin() + end}); !inserted)
            return inserted;
        if (progress && !progress(qsizetype(end), qsizetype(pending.size())))
            return cResult::Failed(eFailure::Cancelled, cTexts::tr("Indexing was stopped."));
    }
    return cResult::Ok();
}

cResult cSearchIndex::Insert(const std::vector<cPending> &batch)
{
    std::vector<std::optional<cSearchDocument>> documents(batch.size());
    ParallelFor(batch.size(), [&batch, &documents](std::size_t at) {
        if (cResultOf<cSearchDocument> read = cSearchDocument::Read(batch[at].directory + u'/' + batch[at].stamp.name))
            documents[at] = read.value();
    }, 16);
    if (!fDb.Exec("BEGIN"))
        return fDb.Failure(eIndexWork::Update);
    cSqliteStatement message = fDb.Prepare(
        "INSERT OR REPLACE INTO message(folder, file, size, modified, inode, date, read, attachments, datetime,"
        " sender, subject) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    cSqliteStatement words = fDb.Prepare(
        "INSERT INTO words(rowid, subject, sender, recipient, cc, body, attachment) VALUES(?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t at = 0; at < batch.size(); ++at) {
        if (!documents[at])
            continue;
        const cSearchDocument &d = *documents[at];
        const cFileStamp &stamp = batch[at].stamp;
        message.Bind(1, batch[at].folder).Bind(2, stamp.name).Bind(3, stamp.size).Bind(4, stamp.modified);
        message.Bind(5, qint64(stamp.inode)).Bind(7, qint64(d.read)).Bind(8, qint64(d.attachmentCount));
        message.Bind(9, d.dateText).Bind(10, d.sender).Bind(11, d.subject);
        if (d.dateKey)
            message.Bind(6, *d.dateKey);
        if (!message.Run())
            break;
        message.Reset();
        words.Bind(1, fDb.LastInsertId()).Bind(2, d.subject).Bind(3, d.from).Bind(4, d.to).Bind(5, d.cc);
        if (!words.Bind(6, d.body).Bind(7, d.attachments).Run())
            break;
        words.Reset();
    }
    if (message.Failed() || words.Failed() || !fDb.Exec("COMMIT")) {
        const cResult failure = fDb.Failure(eIndexWork::Update);
        (void)fDb.Exec("ROLLBACK");
        return failure;
    }
    return cResult::Ok();
}

int cSearchIndex::Version()
{
    cSqliteStatement version = fDb.Prepare("PRAGMA user_version");
    return version.Next() ? int(version.Int(0)) : -1;
}

qint64 cSearchIndex::Stale()
{
    cSqliteStatement stale = fDb.Prepare("SELECT count FROM stale");
    return stale.Next() ? stale.Int(0) : 0;
}

qsizetype cSearchIndex::Count()
{
    cSqliteStatement count = fDb.Prepare("SELECT count(*) FROM message");
    return count.Next() ? count.Int(0) : 0;
}

cResultOf<std::vector<cSearchHit>> cSearchIndex::Find(const cSearchQuery &query)
{
    // One snapshot for the rows and the ids, should the indexer commit meanwhile.
    if (!fDb.Exec("BEGIN"))
        return fDb.Failure(eIndexWork::Search);
    cResultOf<std::vector<cSearchHit>> hits = FindIds(query);
    (void)fDb.Exec("COMMIT");
    return hits;
}

cResultOf<std::vector<cSearchHit>> cSearchIndex::FindIds(const cSearchQuery &query)
{
    if (!KnowRows())
        return fDb.Failure(eIndexWork::Search);
    // Words alone need no look at the message table: the rows leave out the entries of
    // messages gone.
    const bool wordsOnly = !query.Words().isEmpty();
    const QByteArray sql = wordsOnly ? QByteArrayLiteral("SELECT rowid FROM words WHERE words MATCH ?")
                                     : (QStringLiteral("SELECT m.id FROM message m WHERE ") + query.Where()).toUtf8();
    cSqliteStatement select = fDb.Prepare(sql.constData());
    if (wordsOnly) {
        select.Bind(1, query.Words());
    } else {
        int at = 1;
        for (const cSearchQuery::cValue &value : query.Values())
            std::visit([&select, &at](const auto &v) { select.Bind(at++, v); }, value);
    }
    std::vector<qint64> ids;
    while (select.Next())
        ids.push_back(select.Int(0));
    if (select.Failed())
        return fDb.Failure(eIndexWork::Search);
    return fRows.Hits(std::move(ids));
}

bool cSearchIndex::KnowRows()
{
    // data_version moves with every commit of another connection; this one's own writes
    // forget the rows where they are made.
    cSqliteStatement version = fDb.Prepare("PRAGMA data_version");
    const qint64 now = version.Next() ? version.Int(0) : -1;
    if (fRowsKnown && now == fRowsVersion)
        return true;
    fRowsKnown = fRows.Load(fDb);
    fRowsVersion = now;
    return fRowsKnown;
}

cResult cSearchIndex::Describe(std::vector<cSearchHit> &hits)
{
    cSqliteStatement select = fDb.Prepare("SELECT datetime, sender, subject FROM message WHERE id = ?");
    for (cSearchHit &hit : hits) {
        if (select.Bind(1, hit.id).Next()) {
            hit.dateText = select.Text(0);
            hit.sender = select.Text(1);
            hit.subject = select.Text(2);
        }
        if (select.Failed())
            return fDb.Failure(eIndexWork::Search);
        select.Reset();
    }
    return cResult::Ok();
}
