#include "storage/cFolderIndex.h"

#include "storage/AtomicFile.h"
#include "storage/cMailMessage.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QHash>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr quint32 kMagic = 0x52564958; // "RVIX"
constexpr quint32 kVersion = 1;
constexpr auto kDataStreamVersion = QDataStream::Qt_6_0;

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
               << entry.To << entry.From << entry.DateTime << flags;
}

QDataStream &operator>>(QDataStream &in, cIndexEntry &entry)
{
    quint8 flags = 0;
    in >> entry.stamp.name >> entry.stamp.size >> entry.stamp.modified >> entry.stamp.inode >> entry.Subject
        >> entry.To >> entry.From >> entry.DateTime >> flags;
    entry.Html = flags & 1;
    entry.Read = flags & 2;
    entry.hasAttachments = flags & 4;
    return in;
}

QByteArray digest(const QByteArray &payload)
{
    return QCryptographicHash::hash(payload, QCryptographicHash::Md5);
}

std::vector<cIndexEntry> parsePayload(const QByteArray &payload)
{
    QDataStream in(payload);
    in.setVersion(kDataStreamVersion);
    quint32 count = 0;
    in >> count;
    std::vector<cIndexEntry> entries;
    // The count is checked against what the payload can hold before anything is reserved.
    if (count > quint32(payload.size()))
        return {};
    entries.resize(count);
    for (cIndexEntry &entry : entries)
        in >> entry;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return {};
    return entries;
}

} // namespace

const QString cFolderIndex::kFileName = QStringLiteral(".index");

std::vector<cFileStamp> cFolderIndex::Scan(const QString &directory)
{
    std::vector<cFileStamp> stamps;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(opendir(QFile::encodeName(directory).constData()), closedir);
    if (!dir)
        return stamps;
    const int fd = dirfd(dir.get());
    while (const dirent *entry = readdir(dir.get())) {
        if (!isMessageFileName(entry->d_name))
            continue;
        struct stat info {};
        if (fstatat(fd, entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        stamps.push_back({QFile::decodeName(entry->d_name), qint64(info.st_size),
                          qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec, quint64(info.st_ino)});
    }
    return stamps;
}

cResultOf<cIndexEntry> cFolderIndex::Read(const QString &directory, const cFileStamp &stamp)
{
    cMailMessage header;
    if (cResult read = header.ReadFile(directory + QLatin1Char('/') + stamp.name, true); !read)
        return read;
    return Entry(stamp, header);
}

cIndexEntry cFolderIndex::Entry(const cFileStamp &stamp, const cMailMessage &header)
{
    return {stamp,       header.Subject, header.To,   header.From,
            header.DateTime, header.Html, header.Read, !header.attachments.isEmpty()};
}

std::vector<cIndexEntry> cFolderIndex::ListUncached(const QString &directory)
{
    std::vector<cIndexEntry> entries;
    for (const cFileStamp &stamp : Scan(directory))
        if (cResultOf<cIndexEntry> entry = Read(directory, stamp))
            entries.push_back(entry.value());
    return entries;
}

std::vector<cIndexEntry> cFolderIndex::List(const QString &directory)
{
    const std::vector<cFileStamp> stamps = Scan(directory);
    std::vector<cIndexEntry> cached = Load(directory);
    QHash<QString, std::size_t> byName;
    byName.reserve(qsizetype(cached.size()));
    for (std::size_t at = 0; at < cached.size(); ++at)
        byName.insert(cached[at].stamp.name, at);

    std::vector<cIndexEntry> entries;
    entries.reserve(stamps.size());
    bool changed = cached.size() != stamps.size();
    for (const cFileStamp &stamp : stamps) {
        const auto known = byName.constFind(stamp.name);
        if (known != byName.cend() && cached[*known].stamp == stamp) {
            entries.push_back(std::move(cached[*known]));
            continue;
        }
        changed = true;
        if (cResultOf<cIndexEntry> entry = Read(directory, stamp))
            entries.push_back(entry.value());
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
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion || length < 0
        || length != file.size() - file.pos())
        return {};
    const QByteArray payload = file.read(length);
    if (payload.size() != length || digest(payload) != sum)
        return {};
    return parsePayload(payload);
}

cResult cFolderIndex::Save(const QString &directory, const std::vector<cIndexEntry> &entries)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(kDataStreamVersion);
        out << quint32(entries.size());
        for (const cIndexEntry &entry : entries)
            out << entry;
    }
    QByteArray file;
    {
        QDataStream out(&file, QIODevice::WriteOnly);
        out.setVersion(kDataStreamVersion);
        out << kMagic << kVersion << qint64(payload.size()) << digest(payload);
    }
    return WriteFileAtomically(indexPath(directory), file + payload, eDurability::Deferred);
}
