#pragma once
// Turns a TVrxMsg into the lines of an RFC 822 / MIME 1.0 message (RFC 2045, 2046), the text
// TVrxSMTP sends after DATA: header lines, an empty line, the body. Text lines are dot-stuffed
// here (RFC 821 section 4.5.2) and nowhere else; attachments are read and base64-encoded
// while the lines are built, reporting through EncodeEvents.
#include "mailproto/TVrxCodecEvents.h"
#include "mailproto/TVrxMsg.h"

#include <QDateTime>

class TVrxMessageBuilder
{
public:
    QByteArray Host;
    QByteArray MailerName;
    QByteArray LocalHostName;
    TVrxCodecEvents EncodeEvents;

    // Throws EVrxError naming the file when an attachment cannot be read.
    QList<QByteArray> BuildMessageLines(TVrxMsg &msg) const;

    // "Mon, 5 Jan 2004 09:05:07 +0100" (RFC 822 section 5), or the locale's own form without zone.
    static QByteArray FormatMailDate(const QDateTime &time, bool localized);
    static QByteArray ZoneText(int secondsEastOfUtc);
    QByteArray MakeMessageId(const QDate &today) const;
    static QByteArray MakeBoundary();

private:
    QByteArray FromLine(const TVrxMsg &msg) const;
    QList<QByteArray> HeaderLines(const TVrxMsg &msg, const QByteArray &boundary) const;
    QList<QByteArray> MultipartBody(TVrxMsg &msg, QList<QByteArray> text, const QByteArray &boundary) const;
    static QList<QByteArray> StuffedText(const QList<QByteArray> &text);
    static QByteArray TextContentType(const QList<QByteArray> &text);
};
