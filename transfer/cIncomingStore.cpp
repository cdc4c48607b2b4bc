#include "transfer/cIncomingStore.h"

#include "mailproto/TVrxMsg.h"
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

cResult cIncomingStore::SaveAttachments(const TVrxMsg &msg, QStringList *paths, eDurability durability)
{
    const QString folder = AttachmentsFolder();
    const int count = std::min(msg.AttachedFiles.Count(), kMaxAttachments);
    if (count == 0)
        return cResult::Ok();
    if (!MakePrivatePath(folder))
        return cResult::Failed(eFailure::FileSystem,
                               QStringLiteral("Cannot create the attachments folder \"%1\".").arg(folder));
    removeStaleTemporariesNow(folder);
    cAttachmentNamer names(folder);
    for (int i = 0; i < count; ++i) {
        const TAttachedFile &item = msg.AttachedFiles.Items(i);
        if (!item.Stream)
            return cResult::Failed(eFailure::Format, QStringLiteral("The attachment \"%1\" could not be decoded.")
                                                         .arg(QString::fromUtf8(item.FileName)));
        const cResultOf<QString> path = names.Save(item.FileName, *item.Stream, durability);
        if (!path)
            return path.result();
        paths->append(path.value());
    }
    return cResult::Ok();
}

cResultOf<QString> cIncomingStore::Store(const TVrxMsg &msg, const QString &account, const QString &folder,
                                         eDurability durability, const fBeforeFiling &beforeFiling)
{
    cMailMessage record = RecordFor(msg, account, NowText());
    QStringList attachments;
    if (cResult saved = SaveAttachments(msg, &attachments, durability); !saved) {
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
