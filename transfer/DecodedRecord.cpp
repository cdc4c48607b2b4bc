// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/DecodedRecord.h"

#include "mailproto/TVrxLines.h"

#include <QMimeDatabase>
#include <QRegularExpression>

namespace {

QList<QByteArray> textLines(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    QList<QByteArray> result;
    result.reserve(lines.size());
    for (const QString &line : lines)
        result.append(line.toUtf8());
    return result;
}

QByteArray unknownCharsetNote(const QByteArray &charset)
{
    return "[This text is in the character set \"" + charset
        + "\", which Ravelin cannot read; it is shown byte for byte.]";
}

// Decoded text can hold any character; a stored value is one line of plain text.
QByteArray singleLine(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text.toUtf8();
}

} // namespace

void TakeDecoded(const cDecodedMail &mail, cMailMessage &record)
{
    record.Subject = singleLine(mail.subject);
    record.From = singleLine(mail.fromName.isEmpty() ? mail.fromAddress : mail.fromName);
    record.ReplyAddress = singleLine(mail.replyAddress);
    record.FromAddress = singleLine(mail.fromAddress);
    record.To = singleLine(mail.to);
    record.CC = singleLine(mail.cc);
    record.Html = mail.html;
    record.body = mail.textUtf8.isEmpty() ? textLines(mail.text) : TVrxLines::SplitViews(mail.textUtf8);
    if (!mail.unknownCharset.isEmpty())
        record.body.prepend(unknownCharsetNote(mail.unknownCharset));
}

QByteArray PartFileName(const cDecodedPart &part)
{
    if (!part.fileName.trimmed().isEmpty())
        return part.fileName.toUtf8();
    if (part.mimeType == "message/rfc822")
        return "message.eml";
    const QString suffix = QMimeDatabase().mimeTypeForName(QString::fromLatin1(part.mimeType)).preferredSuffix();
    return suffix.isEmpty() ? QByteArray("attachment") : "attachment." + suffix.toUtf8();
}
