// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cOriginalStore.h"

#include "storage/DeferredFlush.h"
#include "storage/MailStorage.h"
#include "storage/PrivateFiles.h"
#include "storage/cFolderStore.h"
#include "storage/cMailMessage.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <openssl/evp.h>
#include <optional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cOriginalStore)
};

constexpr qsizetype kIdLength = 64;

QString storeFolder()
{
    return MailFolderRoot() + QStringLiteral("/.originals");
}

bool isId(const QByteArray &id)
{
    if (id.size() != kIdLength)
        return false;
    for (char c : id)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// The system's crypto library uses the processor's SHA instructions: several times faster than
// Qt's own code over the megabytes of a large message.
QByteArray sha256Hex(const QByteArray &bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(bytes.constData(), size_t(bytes.size()), digest, &size, EVP_sha256(), nullptr) != 1)
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return QByteArray(reinterpret_cast<const char *>(digest), qsizetype(size)).toHex();
}

QString fileNameOf(const QByteArray &id)
{
    return QString::fromLatin1(id) + QStringLiteral(".eml");
}

// Empty when some message file cannot be read: its reference is unknown, so nothing may go.
std::optional<QSet<QByteArray>> referencedIds()
{
    QSet<QByteArray> ids;
    const QStringList folders = cFolderStore::AllFolders();
    for (const QString &folder : folders)
        for (const QString &path : cFolderStore::MessageFiles(folder)) {
            cMailMessage header;
            if (!header.ReadFile(path, true))
                return std::nullopt;
            if (!header.Original.isEmpty())
                ids.insert(header.Original);
        }
    return ids;
}

} // namespace

cResultOf<QByteArray> cOriginalStore::Keep(const QByteArray &raw, eDurability durability)
{
    const QByteArray id = sha256Hex(raw);
    const QString path = PathOf(id);
    const QString folder = QFileInfo(path).absolutePath();
    const auto write = [&] {
        return WriteNewFileAtomically(folder, [&id](int attempt) { return attempt == 0 ? fileNameOf(id) : QString(); },
                                      raw, durability);
    };
    // Written first and asked after: almost every message is new, in a folder that is there.
    cResultOf<QString> written = write();
    if (!written && !QFileInfo::exists(folder)) {
        if (!MakePrivatePath(folder))
            return cResult::Failed(eFailure::FileSystem,
                                   cTexts::tr("Cannot create the folder of original messages \"%1\".").arg(folder));
        written = write();
    }
    if (written)
        return id;
    // Kept before, by this writer or another, perhaps not on disk yet.
    if (!QFile::exists(path))
        return written.result();
    if (durability == eDurability::Deferred)
        NoteDeferredWrite(path);
    return id;
}

QString cOriginalStore::PathOf(const QByteArray &id)
{
    if (!isId(id) || MailRoot().isEmpty())
        return {};
    return storeFolder() + u'/' + QString::fromLatin1(id.left(2)) + u'/' + fileNameOf(id);
}

cResultOf<QByteArray> cOriginalStore::Read(const QByteArray &id)
{
    const QString path = PathOf(id);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("The original of this message is not kept (\"%1\").")
                                   .arg(path.isEmpty() ? QString::fromLatin1(id) : path));
    return file.readAll();
}

int cOriginalStore::RemoveUnreferenced()
{
    const std::optional<QSet<QByteArray>> referenced = referencedIds();
    if (!referenced)
        return 0;
    int removed = 0;
    QDirIterator files(storeFolder(), {QStringLiteral("*.eml")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QByteArray id = QFileInfo(path).completeBaseName().toLatin1();
        if (!referenced->contains(id) && QFile::remove(path))
            ++removed;
    }
    return removed;
}
