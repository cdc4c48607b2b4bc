// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A disposable cache of the listed header fields of one mail folder, kept in a hidden file
// inside it (kFileName). Listing a folder stats every message file and reads only those whose
// name, size, modification time or inode the cache does not know; gone files drop out. The
// directory stays the truth: a missing, stale or damaged cache is rebuilt without a word, and
// an unwritable folder still lists, only uncached.
//
// The file is a QDataStream: magic, format version, the payload's length and MD5, then the
// payload. Length-prefixed byte fields keep any subject byte safe, and the digest means a torn
// or edited file is never trusted. Each entry keeps the sort key of its date, so a listing from
// the cache reads no date text. A cache of an older format (without date keys or the thread
// fields) counts as missing: the files are read once and the cache written in the current one.
#include "storage/cResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class cMailMessage;

// What the directory says about one message file, without opening it.
struct cFileStamp
{
    QString name;
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds since 1970
    quint64 inode = 0;

    bool operator==(const cFileStamp &) const = default;
};

// One message as a list shows it: the stamp it was read under and its header fields.
struct cIndexEntry
{
    cFileStamp stamp;
    QByteArray Subject;
    QByteArray To;
    QByteArray From; // display name
    QByteArray DateTime;
    qint64 dateKey = 0; // the moment DateTime names, as cDateKey keys it
    bool Html = false;
    bool Read = false;
    bool hasAttachments = false;
    // From the mail's own header lines, for threads: its Message-ID, and its References
    // followed by In-Reply-To.
    QByteArray MessageId;
    QByteArray References;

    bool operator==(const cIndexEntry &) const = default;
};

class cFolderIndex
{
public:
    static const QString kFileName;

    // Every "*.qrz" file of the directory in directory-listing order, from the cache where it
    // is fresh; the cache is written back when it was not. Unreadable files are left out.
    static std::vector<cIndexEntry> List(const QString &directory);
    // The same for entries of the cache loaded already.
    static std::vector<cIndexEntry> Relist(const QString &directory, std::vector<cIndexEntry> cached);
    // The same without the cache, which is neither read nor written: every file read.
    static std::vector<cIndexEntry> ListUncached(const QString &directory);

    // The entries of the named files of the directory, in that order, from the cache where it
    // is fresh; files that are gone are left out. The cache is neither checked whole nor written.
    static std::vector<cIndexEntry> ListNamed(const QString &directory, const QStringList &names);

    // The message files of the directory with their stamps, in directory-listing order.
    static std::vector<cFileStamp> Scan(const QString &directory);
    // The header fields of the files, on every core; unreadable files are left out.
    static std::vector<cIndexEntry> ReadAll(const QString &directory, const std::vector<cFileStamp> &stamps);
    // One file's header fields; fails when it cannot be read.
    static cResultOf<cIndexEntry> Read(const QString &directory, const cFileStamp &stamp);

    // The listed fields of a record read header-only.
    static cIndexEntry Entry(const cFileStamp &stamp, const cMailMessage &header);

    // The cached entries of the directory; empty when the cache is missing or damaged.
    static std::vector<cIndexEntry> Load(const QString &directory);
    static cResult Save(const QString &directory, const std::vector<cIndexEntry> &entries);

private:
    // The files as stamped, from the cached entries where they match, read where not; the
    // cache is written when it differed.
    static std::vector<cIndexEntry> Merge(const QString &directory, const std::vector<cFileStamp> &stamps,
                                          std::vector<cIndexEntry> cached);
};
