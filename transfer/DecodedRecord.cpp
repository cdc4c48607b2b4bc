#include "transfer/DecodedRecord.h"

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

} // namespace

void TakeDecoded(const cDecodedMail &mail, cMailMessage &record)
{
    record.Subject = mail.subject.toUtf8();
    record.From = (mail.fromName.isEmpty() ? mail.fromAddress : mail.fromName).toUtf8();
    if (record.ReplyAddress.isEmpty())
        record.ReplyAddress = mail.fromAddress.toUtf8();
    record.To = mail.to.toUtf8();
    record.CC = mail.cc.toUtf8();
    record.Html = mail.html;
    record.body = textLines(mail.text);
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
