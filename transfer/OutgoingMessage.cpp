#include "transfer/OutgoingMessage.h"

#include "storage/cMailMessage.h"

#include <QFileInfo>

std::unique_ptr<TVrxMsg> BuildOutgoing(const QString &path, const QString &organisation, QString *error)
{
    cMailMessage stored;
    if (!stored.ReadFile(path, false, true, error))
        return nullptr;
    auto msg = std::make_unique<TVrxMsg>();
    msg->From = stored.From;
    msg->ReplyTo = stored.ReplyAddress;
    msg->SendTo = stored.To;
    msg->CC = stored.CC;
    msg->Subject = stored.Subject;
    msg->Text = stored.body;
    msg->ExtraHeaders = stored.headerLines;
    if (!organisation.isEmpty())
        msg->ExtraHeaders.append("Organisation: " + organisation.toUtf8());
    msg->Priority = static_cast<TPriority>(stored.Priority);
    for (const QString &attachment : stored.attachments)
        if (QFileInfo(attachment).isFile())
            msg->AttachedFiles.Add(attachment);
    return msg;
}
