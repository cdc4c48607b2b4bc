// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a TVrxMsg into the lines of an RFC 822 / MIME 1.0 message (RFC 2045, 2046), the text
// TVrxSMTP sends after DATA: header lines, an empty line, the body. The lines are not
// dot-stuffed; the client does that for every line it sends. Attachments are read and
// base64-encoded while the lines are built, reporting through EncodeEvents.
//
// Every header line is 7-bit and at most 998 octets, folded at 78 where blanks allow: names
// and other text that is not ASCII go out as RFC 2047 words, attachment names also as RFC 2231
// parameters. Addresses stay as typed; the SMTP client refuses to send a non-ASCII one to a
// server without SMTPUTF8. The sender's address is From's, else ReturnPath (the account's).
//
// The text goes out as 8bit, or quoted-printable when a line is longer than SMTP allows or it
// holds 8-bit bytes that the server did not agree to take (EightBit false). Stored header
// lines (ExtraHeaders) keep their order, except fields this builder writes itself, trace
// fields of an earlier delivery, and lines that are no header field at all.
#include "mailproto/TVrxCodecEvents.h"
#include "mailproto/TVrxMsg.h"

#include <QDateTime>

#include <optional>

class TVrxMessageBuilder
{
public:
    QByteArray Host;
    QByteArray MailerName;
    QByteArray LocalHostName;
    TVrxCodecEvents EncodeEvents;
    // The server takes 8-bit text (RFC 6152 8BITMIME).
    bool EightBit = true;

    // Throws EVrxError naming the file when an attachment cannot be read.
    QList<QByteArray> BuildMessageLines(TVrxMsg &msg) const;

    // "Mon, 5 Jan 2004 09:05:07 +0100" (RFC 822 section 5), or the locale's own form without zone.
    static QByteArray FormatMailDate(const QDateTime &time, bool localized);
    static QByteArray ZoneText(int secondsEastOfUtc);
    // The right side is the sender address's domain; the machine's name when it has none.
    QByteArray MakeMessageId(const QDate &today, const QByteArray &senderAddress) const;
    static QByteArray MakeBoundary();

private:
    struct TextPart
    {
        QByteArray ContentType;
        QByteArray TransferEncoding;
        QList<QByteArray> Lines;
    };
    struct Sender
    {
        QByteArray Name;
        QByteArray Address;
    };
    Sender SenderOf(const TVrxMsg &msg) const;
    QList<QByteArray> HeaderLines(const TVrxMsg &msg, const TextPart &text, const QByteArray &boundary) const;
    std::optional<QList<QByteArray>> EnclosedMessage(TAttachedFile &item) const;
    QList<QByteArray> MultipartBody(TVrxMsg &msg, TextPart text, const QByteArray &boundary) const;
    TextPart EncodedText(const QList<QByteArray> &text) const;
    // The stored fields that go out again, each unfolded into one line.
    static QList<QByteArray> StoredFieldsToKeep(const QList<QByteArray> &extra, const QList<QByteArray> &generated);
    static QList<QByteArray> StoredFieldLines(const QByteArray &field);
};
