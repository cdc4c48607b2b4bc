// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/OutgoingMessage.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxMessageBuilder.h"
#include "mailproto/TVrxMimeHeader.h"
#include "storage/DisplayText.h"
#include "storage/FilePathBytes.h"
#include "storage/MailStorage.h"
#include "storage/cMailMessage.h"
#include "storage/cOriginalStore.h"
#include "transfer/AttachmentNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(OutgoingMessage)
};

// Why the file at path cannot be attached; empty when it can.
QString UnreadableReason(const QString &path)
{
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
        return cTexts::tr("its name holds a line break");
    const QByteArray local = PathBytes(path);
    struct stat info{};
    if (::stat(local.constData(), &info) != 0)
        return errno == ENOENT ? cTexts::tr("it does not exist") : QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return cTexts::tr("it is a folder");
    const int handle = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(handle);
    return {};
}

// A file named in a legacy charset is read by its bytes, and its name goes out as the text
// they show.
void Attach(TAttachedFiles &files, const QString &path)
{
    TAttachedFile &item = files.Add(path);
    const QByteArray local = PathBytes(path);
    if (QUtf8StringView(local).isValidUtf8())
        return;
    item.LocalPath = local;
    item.FileName = DisplayText(local.mid(local.lastIndexOf('/') + 1)).toUtf8();
}

// The organisation of the identity whose sender line the message carries; the account's own
// when none does.
QString OrganisationFor(const cAccount &account, const QByteArray &from)
{
    for (const cIdentity &identity : account.Identities())
        if (identity.SenderLine().toUtf8() == from)
            return identity.organisation;
    return account.organisation;
}

} // namespace

cResult BuildOutgoing(const cMailMessage &stored, const cAccount &account, std::unique_ptr<TVrxMsg> *built)
{
    auto msg = std::make_unique<TVrxMsg>();
    msg->From = stored.From;
    msg->ReturnPath = (account.email.trimmed().isEmpty() ? account.ShownAddress() : account.email).trimmed().toUtf8();
    msg->ReplyTo = stored.ReplyAddress;
    msg->SendTo = stored.To;
    msg->CC = stored.CC;
    msg->Bcc = stored.Bcc;
    msg->Subject = stored.Subject;
    msg->Text = stored.body;
    msg->ExtraHeaders = stored.headerLines;
    if (const QString organisation = OrganisationFor(account, stored.From); !organisation.isEmpty())
        msg->ExtraHeaders.append("Organisation: " + organisation.toUtf8());
    msg->Priority = static_cast<TPriority>(stored.Priority);
    for (const QString &attachment : stored.attachments) {
        const QString reason = UnreadableReason(attachment);
        if (!reason.isEmpty())
            return cResult::Failed(eFailure::FileSystem,
                                   cTexts::tr("the attachment \"%1\" cannot be read: %2").arg(attachment, reason));
        Attach(msg->AttachedFiles, attachment);
    }
    *built = std::move(msg);
    return cResult::Ok();
}

namespace {

cResultOf<QByteArray> RebuiltMessage(const QString &path, const cMailMessage &stored)
{
    std::unique_ptr<TVrxMsg> msg;
    if (cResult built = BuildOutgoing(stored, cAccount{}, &msg); !built)
        return built;
    msg->Date = TVrxMimeHeader(stored.headerLines).Value("Date");
    if (msg->Date.isEmpty())
        msg->Date = TVrxMessageBuilder::FormatMailDate(QFileInfo(path).lastModified(), false);
    try {
        return TVrxMessageBuilder{}.BuildMessageLines(*msg).join("\r\n") + "\r\n";
    } catch (const EVrxError &e) {
        return cResult::Failed(eFailure::FileSystem, e.Text());
    }
}

} // namespace

cResultOf<QByteArray> ForwardableMessage(const QString &path)
{
    cMailMessage stored;
    if (cResult read = stored.ReadFile(path, false, true); !read)
        return read;
    if (!stored.Original.isEmpty()) {
        if (cResultOf<QByteArray> original = cOriginalStore::Read(stored.Original))
            return original;
    }
    return RebuiltMessage(path, stored);
}

cResultOf<QString> SaveForwardable(const QString &path, const QString &subject)
{
    const cResultOf<QByteArray> message = ForwardableMessage(path);
    if (!message)
        return message.result();
    const QString name = subject.trimmed().isEmpty() ? QStringLiteral("message") : subject.trimmed();
    return cAttachmentNamer(AttachmentsFolder()).Save((name + QStringLiteral(".eml")).toUtf8(), message.value());
}
