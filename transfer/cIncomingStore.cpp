#include "transfer/cIncomingStore.h"

#include "mailproto/TVrxMsg.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/cFolderStore.h"
#include "transfer/AttachmentNames.h"

#include <QDir>
#include <QFile>

namespace {

void removeFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        QFile::remove(path);
}

} // namespace

cMailMessage cIncomingStore::RecordFor(const TVrxMsg &msg, const QString &account, const QByteArray &dateTime)
{
    cMailMessage record;
    record.headerLines = msg.HeaderLines;
    record.body = msg.Text;
    record.Subject = msg.Subject;
    // Kept so that a message filed elsewhere than Inbox (an import into Unsent) can be sent.
    record.To = msg.SendTo;
    record.CC = msg.CC;
    record.Account = account.toUtf8();
    record.DateTime = dateTime;
    record.Html = msg.ContentType.toLower() == "text/html";
    record.Priority = static_cast<int>(msg.Priority);
    if (const auto sender = SplitAddress(msg.From)) {
        record.From = sender->name;
        record.ReplyAddress = sender->address;
    }
    if (!msg.ReplyTo.isEmpty())
        record.ReplyAddress = msg.ReplyTo;
    return record;
}

bool cIncomingStore::SaveAttachments(const TVrxMsg &msg, QStringList *paths, QString *error, eDurability durability)
{
    const QString folder = AttachmentsFolder();
    if (msg.AttachedFiles.Count() > 0 && !QDir().mkpath(folder)) {
        *error = QStringLiteral("Cannot create the attachments folder \"%1\".").arg(folder);
        return false;
    }
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i) {
        const TAttachedFile &item = msg.AttachedFiles.Items(i);
        const QString path = ReserveAttachmentPath(folder, item.FileName, error);
        if (path.isEmpty())
            return false;
        paths->append(path);
        if (!item.Stream) {
            *error = QStringLiteral("The attachment \"%1\" could not be decoded.").arg(QString::fromUtf8(item.FileName));
            return false;
        }
        if (!WriteFileAtomically(path, *item.Stream, error, durability))
            return false;
    }
    return true;
}

QString cIncomingStore::Store(const TVrxMsg &msg, const QString &account, const QString &folder, QString *error,
                              eDurability durability)
{
    cMailMessage record = RecordFor(msg, account, NowText());
    QString reason;
    QStringList attachments;
    if (!SaveAttachments(msg, &attachments, &reason, durability)) {
        removeFiles(attachments);
        *error = reason;
        return {};
    }
    record.attachments = attachments;
    const QString path = cFolderStore::NewMessagePath(folder, &reason);
    if (!path.isEmpty() && record.WriteFile(path, &reason, durability))
        return path;
    removeFiles(attachments);
    *error = reason;
    return {};
}
