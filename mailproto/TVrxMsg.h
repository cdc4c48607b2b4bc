#pragma once
// A mail message as the library sees it. The send session fills the first group of fields
// and hands the message to TVrxSMTP::Send, which sets Date and builds the text. The POP3
// client's parser fills all fields of a received message, HeaderLines included. Every text
// is bytes as found in the message; nothing is re-encoded.
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
    QByteArray Subject;
    QList<QByteArray> Text;
    QList<QByteArray> ExtraHeaders;
    TPriority Priority = TPriority::prNormal;

    QByteArray MessageId;
    QByteArray InReplyTo;
    QByteArray ReturnPath;
    QByteArray Date;
    QByteArray ContentType;
    TAttachedFiles AttachedFiles;
    QList<QByteArray> HeaderLines;
    // The message's exact bytes (a POP3 reply's dots taken off), when it was parsed from them.
    QByteArray Raw;
};
