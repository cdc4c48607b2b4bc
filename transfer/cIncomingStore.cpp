// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cIncomingStore.h"

#include "mime/cMimeReader.h"
#include "storage/cOriginalStore.h"
#include "transfer/DecodedRecord.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/PrivateFiles.h"
#include "storage/cFolderStore.h"
#include "transfer/AttachmentNames.h"
#include "transfer/InlineUU.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cIncomingStore)
};

constexpr int kSweepIntervalMs = 5 * 60 * 1000;
const QByteArray kCutMarker = QByteArrayLiteral(" [...]");

void removeFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        QFile::remove(path);
}

// A message's text lies ahead of its folder's listing: a value of megabytes would make every
// listing slow, and no header needs it.
QByteArray capped(const QByteArray &value)
{
    if (value.size() <= cIncomingStore::kMaxHeaderValue)
        return value;
    qsizetype cut = cIncomingStore::kMaxHeaderValue - kCutMarker.size();
    while (cut > 0 && (static_cast<unsigned char>(value.at(cut)) & 0xC0) == 0x80)
        --cut;
    return value.left(cut) + kCutMarker;
}

QList<QByteArray> capped(QList<QByteArray> lines)
{
    for (QByteArray &line : lines)
        line = capped(line);
    return lines;
}

// Sweeps a folder at its first write, and again after a while: a folder of thousands of
// messages must not be listed once per message.
void removeStaleTemporariesNow(const QString &folder)
{
    static QMutex mutex;
    static QHash<QString, QDeadlineTimer> nextSweep;
    const QMutexLocker lock(&mutex);
    const auto found = nextSweep.constFind(folder);
    if (found != nextSweep.constEnd() && !found->hasExpired())
        return;
    RemoveStaleTemporaries(folder);
    nextSweep.insert(folder, QDeadlineTimer(kSweepIntervalMs));
}

// Parts written to files as they were read that are not saved after all.
void removeUnclaimed(const QList<cDecodedPart> &parts, qsizetype from)
{
    for (qsizetype i = from; i < parts.size(); ++i)
        if (!parts[i].file.isEmpty())
            QFile::remove(parts[i].file);
}

// A part that could not be written whole to its file.
cResult unwritten(const cDecodedPart &part, const QString &folder)
{
    return cResult::Failed(eFailure::FileSystem, cTexts::tr("Cannot save the attachment \"%1\" in \"%2\": %3")
                                                 .arg(QString::fromUtf8(PartFileName(part)), folder, part.fileError));
}

} // namespace

cResult cIncomingStore::SaveParts(const QList<cDecodedPart> &parts, QStringList *paths, eDurability durability)
{
    const QString folder = AttachmentsFolder();
    const qsizetype count = std::min<qsizetype>(parts.size(), kMaxAttachments);
    removeUnclaimed(parts, count);
    if (count == 0)
        return cResult::Ok();
    if (!MakePrivatePath(folder))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot create the attachments folder \"%1\".").arg(folder));
    removeStaleTemporariesNow(folder);
    cAttachmentNamer names(folder);
    for (qsizetype i = 0; i < count; ++i) {
        const cDecodedPart &part = parts[i];
        const cResultOf<QString> path = !part.fileError.isEmpty() ? cResultOf<QString>(unwritten(part, folder))
                                        : part.file.isEmpty()      ? names.Save(PartFileName(part), part.data, durability)
                                                                   : names.Claim(PartFileName(part), part.file, durability);
        if (!path) {
            removeUnclaimed(parts, i);
            return path.result();
        }
        paths->append(path.value());
    }
    return cResult::Ok();
}

cResultOf<QList<cDecodedPart>> cIncomingStore::Decode(const QByteArray &raw, cDecodedMail &mail, cMailMessage &record,
                                                      eDurability durability)
{
    const cResultOf<QByteArray> original = cOriginalStore::Keep(raw, durability);
    if (!original)
        return original.result();
    record.Original = original.value();
    cReadOptions options;
    options.utf8Text = true;
    options.partFile = [folder = AttachmentsFolder()] {
        return MakePrivatePath(folder) ? NewTemporaryFile(folder) : nullptr;
    };
    mail = cMimeReader::Read(raw, options);
    TakeDecoded(mail, record);
    record.headerLines = capped(mail.headerLines);
    record.Subject = capped(record.Subject);
    record.From = capped(record.From);
    record.ReplyAddress = capped(record.ReplyAddress);
    record.FromAddress = capped(record.FromAddress);
    record.To = capped(record.To);
    record.CC = capped(record.CC);
    return mail.attachments + TakeUUBlocks(record.body);
}

cResultOf<cIncomingStore::cStored> cIncomingStore::Store(const QByteArray &raw, const QString &account,
                                                         const QString &folder, eDurability durability,
                                                         const fBeforeFiling &beforeFiling)
{
    cMailMessage record;
    record.Account = account.toUtf8();
    record.DateTime = NowText();
    cDecodedMail mail; // the record's text may point into it
    const cResultOf<QList<cDecodedPart>> parts = Decode(raw, mail, record, durability);
    if (!parts)
        return parts.result();
    QStringList attachments;
    if (cResult saved = SaveParts(parts.value(), &attachments, durability); !saved) {
        removeFiles(attachments);
        return saved;
    }
    record.attachments = attachments;
    cResultOf<QString> path = cFolderStore::NewMessagePath(folder);
    if (path)
        removeStaleTemporariesNow(QFileInfo(path.value()).path());
    if (path && beforeFiling) {
        if (cResult noted = beforeFiling(path.value(), record); !noted)
            path = noted;
    }
    if (path) {
        if (cResult written = record.WriteFile(path.value(), durability); !written)
            path = written;
    }
    if (!path) {
        removeFiles(attachments);
        return path.result();
    }
    return cStored{path.value(), folder, std::max<qsizetype>(parts.value().size() - kMaxAttachments, 0)};
}

QString cIncomingStore::LeftOutText(const cStored &stored)
{
    if (stored.leftOut <= 0)
        return {};
    return cTexts::tr("The message \"%1\" was stored with its first %2 attachments; %3 more were not saved.")
        .arg(stored.path)
        .arg(kMaxAttachments)
        .arg(stored.leftOut);
}
