// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An outgoing mail message as the library sees it. The send session fills the first group of
// fields and hands the message to TVrxSMTP::Send, which sets Date and builds the text.
// Received mail is not read here: POP3 hands over its bytes.
#include "mailproto/TAttachedFiles.h"

#include <QByteArray>
#include <QList>

enum class TPriority { prHighest, prHigh, prNormal, prLow, prLowest };

class TVrxMsg
{
public:
    QByteArray UserName;
    QByteArray From;
    QByteArray ReplyTo;
    QByteArray SendTo;
    QByteArray CC;
    // Envelope recipients only: never written into the message.
    QByteArray Bcc;
    // The envelope sender (MAIL FROM): the sending account's address; From when empty.
    QByteArray ReturnPath;
    QByteArray Subject;
    QList<QByteArray> Text;
    QList<QByteArray> ExtraHeaders;
    TPriority Priority = TPriority::prNormal;

    QByteArray InReplyTo;
    QByteArray Date;
    QByteArray ContentType;
    TAttachedFiles AttachedFiles;
};
