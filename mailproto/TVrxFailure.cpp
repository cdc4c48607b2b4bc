// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxFailure.h"

#include <utility>

TVrxFailure::TVrxFailure(eVrxFailure code, QString text, QByteArray command, QByteArray serverReply)
    : Code(code), Text(std::move(text)), Command(std::move(command)), ServerReply(std::move(serverReply))
{
}

QByteArray TVrxFailure::ReplyStatus() const
{
    const qsizetype space = ServerReply.indexOf(' ');
    return space < 0 ? ServerReply : ServerReply.left(space);
}

QString TVrxFailure::ReplyText() const
{
    QString text = QString::fromUtf8(ServerReply.mid(ReplyStatus().size()).trimmed());
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}

QString TVrxFailure::Message() const
{
    const QString reply = ReplyText();
    return reply.isEmpty() ? Text : reply;
}
