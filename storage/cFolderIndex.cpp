// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cFolderIndex.h"

#include "storage/AtomicFile.h"
#include "storage/ParallelFor.h"
#include "storage/cDateKey.h"
#include "storage/cListedHeader.h"
#include "storage/cMailMessage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QtEndian>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <future>
#include <memory>
#include <optional>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cFolderIndex)
};

constexpr quint32 kMagic = 0x52564958; // "RVIX"
// Older formats lack fields of the entries: their caches are made anew.
constexpr quint32 kVersion = 3;
constexpr auto kDataStreamVersion = QDataStream::Qt_6_0;
constexpr std::size_t kBlockEntries = 1024;

// As a listing by name pattern "*.qrz" takes them: any case, hidden names left out.
bool isMessageFileName(const char *name)
{
    const std::size_t length = std::strlen(name);
    return name[0] != '.' && length >= 4 && strcasecmp(name + length - 4, ".qrz") == 0;
}

QString indexPath(const QString &directory)
{
    return directory + QLatin1Char('/') + cFolderIndex::kFileName;
}

QDataStream &operator<<(QDataStream &out, const cIndexEntry &entry)
{
    const quint8 flags = quint8(entry.Html) | quint8(entry.Read) << 1 | quint8(entry.hasAttachments) << 2;
    return out << entry.stamp.name << entry.stamp.size << entry.stamp.modified << entry.stamp.inode << entry.Subject
               << entry.To << entry.From << entry.DateTime << entry.dateKey << flags << entry.MessageId << entry.References;
}

// Reads what QDataStream wrote straight from the bytes: its device reads, field by field, took
// longer than all the rest of a listing from the cache. A short or odd field fails the read.
struct cStreamBytes
{
    const char *at;
    const char *end;
    bool ok = true;

    bool Has(quint32 size)
    {
        ok = ok && quint32(end - at) >= size;
        return ok;
    }
    template <typename T> T Number()
    {
        if (!Has(sizeof(T)))
            return T();
        const T value = qFromBigEndian<T>(at);
        at += sizeof(T);
        return value;
    }
    QByteArrayView Block()
    {
        const quint32 size = Number<quint32>();
        if (size == kNull || !Has(size))
            return {};
        at += size;
        return {at - size, qsizetype(size)};
    }
    QByteArray Bytes() { return Block().toByteArray(); }
    QString Text()
    {
        const QByteArrayView utf16 = Block();
        if (utf16.size() % 2 != 0)
            ok = false;
        QString text(utf16.size() / 2, Qt::Uninitialized);
        qFromBigEndian<char16_t>(utf16.data(), text.size(), text.data());
        return text;
    }

    static constexpr quint32 kNull = 0xffffffff;
};

bool readBlock(QByteArrayView block, cIndexEntry *entry, std::size_t count)
{
    cStreamBytes in{block.data(), block.data() + block.size()};
    for (; count > 0; --count, ++entry) {
        entry->stamp.name = in.Text();
        entry->stamp.size = in.Number<qint64>();
        entry->stamp.modified = in.Number<qint64>();
        entry->stamp.inode = in.Number<quint64>();
        entry->Subject = in.Bytes();
        entry->To = in.Bytes();
        entry->From = in.Bytes();
        entry->DateTime = in.Bytes();
        entry->dateKey = in.Number<qint64>();
        const quint8 flags = in.Number<quint8>();
        entry->Html = flags & 1;
        entry->Read = flags & 2;
        entry->hasAttachments = flags & 4;
        entry->MessageId = in.Bytes();
        entry->References = in.Bytes();
    }
    return in.ok && in.at == in.end;
}

// Whether the cache file is in the current format; an older one is written again.
bool isCurrent(const QString &directory)
{
    QFile file(indexPath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    quint32 magic = 0;
    quint32 version = 0;
    in >> magic >> version;
    return magic == kMagic && version == kVersion;
}

QByteArray digest(const QByteArray &payload)
{
    return QCryptographicHash::hash(payload, QCryptographicHash::Md5);
}

// The count, then blocks of kBlockEntries entries, read on every core.
std::vector<cIndexEntry> parseBlocks(const QByteArray &payload)
{
    cStreamBytes in{payload.constData(), payload.constData() + payload.size()};
    const quint32 count = in.Number<quint32>();
    if (count > quint32(payload.size()))
        return {};
    std::vector<QByteArrayView> blocks((count + kBlockEntries - 1) / kBlockEntries);
    for (QByteArrayView &block : blocks)
        block = in.Block();
    if (!in.ok || in.at != in.end)
        return {};
    std::vector<cIndexEntry> entries(count);
    std::atomic<bool> damaged = false;
    ParallelFor(
        blocks.size(),
        [&blocks, &entries, &damaged](std::size_t at) {
            const std::size_t first = at * kBlockEntries;
            if (!readBlock(blocks[at], &entries[first], std::min(entries.size() - first, kBlockEntries)))
                damaged = true;
        },
        1);
    return damaged ? std::vector<cIndexEntry>() : entries;
}

// A descriptor closed when it goes. O_NONBLOCK: a pipe among the files would otherwise hold
// the listing before its type is known.
struct cFile
{
    cFile(int directoryFd, const QByteArray &name)
        : fd(::openat(directoryFd, name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK))
    {
    }
    ~cFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
    cFile(const cFile &) = delete;
    cFile &operator=(const cFile &) = delete;

    const int fd;
};

// A directory open for the calls relative to it, with the names of its message files in
// directory-listing order: a name looked up in it costs one step, not one per folder of the path.
struct cOpenDirectory
{
    explicit cOpenDirectory(const QString &directory)
        : dir(opendir(QFile::encodeName(directory).constData()), closedir)
    {
        if (dir)
            while (const dirent *entry = readdir(dir.get()))
                if (isMessageFileName(entry->d_name))
                    names.emplace_back(entry->d_name);
    }
    int fd() const { return dir ? dirfd(dir.get()) : -1; }

    std::unique_ptr<DIR, int (*)(DIR *)> dir;
    std::vector<QByteArray> names;
};

cFileStamp stampOf(const QByteArray &name, const struct stat &info)
{
    return {QFile::decodeName(name), qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            quint64(info.st_ino)};
}

std::vector<cFileStamp> stampsOf(const cOpenDirectory &listing)
{
    std::vector<cFileStamp> stamps(listing.names.size());
    // A stat is a system call per file; on every core they take a folder of 100,000 in half the time.
    ParallelFor(stamps.size(), [&listing, &stamps](std::size_t at) {
        struct stat info {};
        if (fstatat(listing.fd(), listing.names[at].constData(), &info, 0) == 0 && S_ISREG(info.st_mode))
            stamps[at] = stampOf(listing.names[at], info);
    });
    std::erase_if(stamps, [](const cFileStamp &stamp) { return stamp.size < 0; });
    return stamps;
}

std::optional<cIndexEntry> readOpen(const cFile &file, const cFileStamp &stamp)
{
    cListedHeader header;
    if (file.fd < 0 || !header.ReadFrom(file.fd))
        return std::nullopt;
    return header.Entry(stamp);
}

std::vector<cIndexEntry> entriesRead(std::vector<std::optional<cIndexEntry>> &read)
{
    std::vector<cIndexEntry> entries;
    entries.reserve(read.size());
    for (std::optional<cIndexEntry> &entry : read)
        if (entry)
            entries.push_back(std::move(*entry));
    return entries;
}

// Every message file of the directory, stamped from the open file as it is read: one lookup
// of its name instead of two.
std::vector<cIndexEntry> readEach(const cOpenDirectory &listing)
{
    std::vector<std::optional<cIndexEntry>> read(listing.names.size());
    ParallelFor(read.size(), [&listing, &read](std::size_t at) {
        const cFile file(listing.fd(), listing.names[at]);
        struct stat info {};
        if (file.fd >= 0 && fstat(file.fd, &info) == 0 && S_ISREG(info.st_mode))
            read[at] = readOpen(file, stampOf(listing.names[at], info));
    });
    return entriesRead(read);
}

} // namespace

const QString cFolderIndex::kFileName = QStringLiteral(".index");

std::vector<cFileStamp> cFolderIndex::Scan(const QString &directory)
{
    return stampsOf(cOpenDirectory(directory));
}

cResultOf<cIndexEntry> cFolderIndex::Read(const QString &directory, const cFileStamp &stamp)
{
    const QString path = directory + QLatin1Char('/') + stamp.name;
    if (std::optional<cIndexEntry> entry = readOpen(cFile(AT_FDCWD, QFile::encodeName(path)), stamp))
        return *entry;
    return cResult::Failed(eFailure::FileSystem,
                           cTexts::tr("Cannot read the message file \"%1\": %2").arg(path, qt_error_string(errno)));
}

cIndexEntry cFolderIndex::Entry(const cFileStamp &stamp, const cMailMessage &header)
{
    const auto [messageId, references] = cListedHeader::ThreadFields(header.headerLines);
    return {stamp,       header.Subject, header.To,   header.From, header.DateTime, cDateKey::Of(header.DateTime),
            header.Html, header.Read, !header.attachments.isEmpty(), messageId, references};
}

std::vector<cIndexEntry> cFolderIndex::ListUncached(const QString &directory)
{
    return readEach(cOpenDirectory(directory));
}

std::vector<cIndexEntry> cFolderIndex::ReadAll(const QString &directory, const std::vector<cFileStamp> &stamps)
{
    const cFile folder(AT_FDCWD, QFile::encodeName(directory));
    std::vector<std::optional<cIndexEntry>> read(stamps.size());
    ParallelFor(stamps.size(), [&folder, &stamps, &read](std::size_t at) {
        read[at] = readOpen(cFile(folder.fd, QFile::encodeName(stamps[at].name)), stamps[at]);
    });
    return entriesRead(read);
}

std::vector<cIndexEntry> cFolderIndex::List(const QString &directory)
{
    std::future<std::vector<cIndexEntry>> loading = std::async(std::launch::async, &cFolderIndex::Load, directory);
    const cOpenDirectory listing(directory);
    std::vector<cIndexEntry> cached = loading.get();
    if (!cached.empty())
        return Merge(directory, stampsOf(listing), std::move(cached));
    std::vector<cIndexEntry> entries = readEach(listing);
    // A folder that cannot take the file lists all the same, only slower next time.
    if (!listing.names.empty())
        (void)Save(directory, entries);
    return entries;
}

std::vector<cIndexEntry> cFolderIndex::ListNamed(const QString &directory, const QStringList &names)
{
    const std::vector<cIndexEntry> cached = Load(directory);
    QHash<QString, std::size_t> byName;
    byName.reserve(qsizetype(cached.size()));
    for (std::size_t at = 0; at < cached.size(); ++at)
        byName.insert(cached[at].stamp.name, at);
    const cFile folder(AT_FDCWD, QFile::encodeName(directory));
    std::vector<std::optional<cIndexEntry>> read(names.size());
    ParallelFor(read.size(), [&](std::size_t at) {
        const QByteArray name = QFile::encodeName(names[qsizetype(at)]);
        struct stat info {};
        if (fstatat(folder.fd, name.constData(), &info, 0) != 0 || !S_ISREG(info.st_mode))
            return;
        const cFileStamp stamp = stampOf(name, info);
        const auto found = byName.constFind(stamp.name);
        if (found != byName.cend() && cached[*found].stamp == stamp)
            read[at] = cached[*found];
        else
            read[at] = readOpen(cFile(folder.fd, name), stamp);
    });
    return entriesRead(read);
}

std::vector<cIndexEntry> cFolderIndex::Relist(const QString &directory, std::vector<cIndexEntry> cached)
{
    return Merge(directory, Scan(directory), std::move(cached));
}

std::vector<cIndexEntry> cFolderIndex::Merge(const QString &directory, const std::vector<cFileStamp> &stamps,
                                             std::vector<cIndexEntry> cached)
{
    QHash<QString, std::size_t> byName;
    byName.reserve(qsizetype(cached.size()));
    for (std::size_t at = 0; at < cached.size(); ++at)
        byName.insert(cached[at].stamp.name, at);

    // Files the cache does not know keep their place: read together, then merged in order.
    std::vector<std::optional<cIndexEntry>> known(stamps.size());
    std::vector<cFileStamp> unknown;
    for (std::size_t at = 0; at < stamps.size(); ++at) {
        const auto found = byName.constFind(stamps[at].name);
        if (found != byName.cend() && cached[*found].stamp == stamps[at])
            known[at] = std::move(cached[*found]);
        else
            unknown.push_back(stamps[at]);
    }
    const bool changed = !unknown.empty() || cached.size() != stamps.size() || (!cached.empty() && !isCurrent(directory));
    std::vector<cIndexEntry> read = ReadAll(directory, unknown);
    std::vector<cIndexEntry> entries;
    entries.reserve(stamps.size());
    auto next = read.begin();
    for (std::size_t at = 0; at < stamps.size(); ++at) {
        if (known[at])
            entries.push_back(std::move(*known[at]));
        else if (next != read.end() && next->stamp == stamps[at])
            entries.push_back(std::move(*next++));
    }
    // A folder that cannot take the file lists all the same, only slower next time.
    if (changed)
        (void)Save(directory, entries);
    return entries;
}

std::vector<cIndexEntry> cFolderIndex::Load(const QString &directory)
{
    QFile file(indexPath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    in.setVersion(kDataStreamVersion);
    quint32 magic = 0;
    quint32 version = 0;
    qint64 length = -1;
    QByteArray sum;
    in >> magic >> version >> length >> sum;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion
        || length < 0 || length != file.size() - file.pos())
        return {};
    const QByteArray payload = file.read(length);
    if (payload.size() != length)
        return {};
    // Reading a damaged payload is harmless, so the digest is checked meanwhile, not before.
    std::future<QByteArray> checked = std::async(std::launch::async, digest, payload);
    std::vector<cIndexEntry> entries = parseBlocks(payload);
    if (checked.get() != sum)
        return {};
    return entries;
}

cResult cFolderIndex::Save(const QString &directory, const std::vector<cIndexEntry> &entries)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(kDataStreamVersion);
        out << quint32(entries.size());
        for (std::size_t first = 0; first < entries.size(); first += kBlockEntries) {
            QByteArray block;
            QDataStream blockOut(&block, QIODevice::WriteOnly);
            blockOut.setVersion(kDataStreamVersion);
            for (std::size_t n = first; n < std::min(entries.size(), first + kBlockEntries); ++n)
                blockOut << entries[n];
            out << block;
        }
    }
    QByteArray file;
    {
        QDataStream out(&file, QIODevice::WriteOnly);
        out.setVersion(kDataStreamVersion);
        out << kMagic << kVersion << qint64(payload.size()) << digest(payload);
    }
    return WriteFileAtomically(indexPath(directory), file + payload, eDurability::Deferred);
}
