#include "transfer/cIncomingStore.h"

#include "mailproto/TVrxMsg.h"
#include "mime/cMimeReader.h"
#include "storage/cOriginalStore.h"
#include "transfer/DecodedRecord.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/PrivateFiles.h"
#include "storage/cFolderStore.h"
#include "transfer/AttachmentNames.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QMutex>

namespace {

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

} // namespace

cMailMessage cIncomingStore::RecordFor(const TVrxMsg &msg, const QString &account, const QByteArray &dateTime)
{
    cMailMessage record;
    record.headerLines = capped(msg.HeaderLines);
    record.body = msg.Text;
    record.Subject = capped(msg.Subject);
    // Kept so that a message filed elsewhere than Inbox (an import into Unsent) can be sent.
    record.To = capped(msg.SendTo);
    record.CC = capped(msg.CC);
    record.Account = account.toUtf8();
    record.DateTime = dateTime;
    record.Html = msg.ContentType.toLower() == "text/html";
    record.Priority = static_cast<int>(msg.Priority);
    if (const auto sender = SplitAddress(capped(msg.From))) {
        record.From = sender->name;
        record.ReplyAddress = sender->address;
    }
    if (!msg.ReplyTo.isEmpty())
        record.ReplyAddress = capped(msg.ReplyTo);
    return record;
}

cResult cIncomingStore::SaveParts(const QList<cNamedPart> &parts, QStringList *paths, eDurability durability)
{
    const QString folder = AttachmentsFolder();
    const qsizetype count = std::min<qsizetype>(parts.size(), kMaxAttachments);
    if (count == 0)
        return cResult::Ok();
    if (!MakePrivatePath(folder))
        return cResult::Failed(eFailure::FileSystem,
                               QStringLiteral("Cannot create the attachments folder \"%1\".").arg(folder));
    removeStaleTemporariesNow(folder);
    cAttachmentNamer names(folder);
    for (qsizetype i = 0; i < count; ++i) {
        if (!parts[i].data)
            return cResult::Failed(eFailure::Format, QStringLiteral("The attachment \"%1\" could not be decoded.")
                                                         .arg(QString::fromUtf8(parts[i].name)));
        const cResultOf<QString> path = names.Save(parts[i].name, *parts[i].data, durability);
        if (!path)
            return path.result();
        paths->append(path.value());
    }
    return cResult::Ok();
}

QList<cIncomingStore::cNamedPart> cIncomingStore::PartsOf(const TVrxMsg &msg)
{
    QList<cNamedPart> parts;
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i)
        parts.append({msg.AttachedFiles.Items(i).FileName, msg.AttachedFiles.Items(i).Stream});
    return parts;
}

cResultOf<QList<cIncomingStore::cNamedPart>> cIncomingStore::Decode(const QByteArray &raw, cMailMessage &record,
                                                                   eDurability durability)
{
    const cResultOf<QByteArray> original = cOriginalStore::Keep(raw, durability);
    if (!original)
        return original.result();
    record.Original = original.value();
    const cDecodedMail mail = cMimeReader::Read(raw);
    TakeDecoded(mail, record);
    record.Subject = capped(record.Subject);
    record.From = capped(record.From);
    record.To = capped(record.To);
    record.CC = capped(record.CC);
    QList<cNamedPart> parts;
    for (const cDecodedPart &part : mail.attachments)
        parts.append({PartFileName(part), part.data});
    return parts;
}

cResultOf<QString> cIncomingStore::Store(const TVrxMsg &msg, const QString &account, const QString &folder,
                                         eDurability durability, const fBeforeFiling &beforeFiling)
{
    cMailMessage record = RecordFor(msg, account, NowText());
    // Mail parsed from its bytes is decoded once, here, and its bytes are kept; a record made
    // by hand keeps what the parser gave.
    cResultOf<QList<cNamedPart>> parts = msg.Raw.isEmpty() ? PartsOf(msg) : Decode(msg.Raw, record, durability);
    if (!parts)
        return parts.result();
    QStringList attachments;
    if (cResult saved = SaveParts(parts.value(), &attachments, durability); !saved) {
        removeFiles(attachments);
        return saved;
    }
    record.attachments = attachments;
    removeStaleTemporariesNow(MailFolderPath(folder));
    cResultOf<QString> path = cFolderStore::NewMessagePath(folder);
    if (path && beforeFiling) {
        if (cResult noted = beforeFiling(path.value(), record.DateTime); !noted)
            path = noted;
    }
    if (path) {
        if (cResult written = record.WriteFile(path.value(), durability); !written)
            path = written;
    }
    if (!path)
        removeFiles(attachments);
    return path;
}

QString cIncomingStore::LeftOutText(const TVrxMsg &msg, const QString &path)
{
    const int leftOut = msg.AttachedFiles.Count() - kMaxAttachments;
    if (leftOut <= 0)
        return {};
    return QStringLiteral("The message \"%1\" was stored with its first %2 attachments; %3 more were not saved.")
        .arg(path)
        .arg(kMaxAttachments)
        .arg(leftOut);
}
