// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/ComposeRules.h"

#include "mailproto/TVrxFlowed.h"
#include "storage/DisplayText.h"
#include "storage/MessageText.h"
#include "version/Version.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <utility>

namespace {

const QByteArray kMailerLine = QByteArrayLiteral("X-Mailer-Version:v" RAVELIN_VERSION);

bool isThreadingLine(const QByteArray &line)
{
    const QByteArray lower = line.toLower();
    return lower.startsWith("in-reply-to:") || lower.startsWith("references:");
}

QByteArray headerValue(const QString &text)
{
    QString value = text;
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.toUtf8();
}

QChar rot13(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'm') || (u >= u'A' && u <= u'M'))
        return QChar(u + 13);
    if ((u >= u'n' && u <= u'z') || (u >= u'N' && u <= u'Z'))
        return QChar(u - 13);
    return c;
}

QStringList blockLines(const QTextDocument &document, const QTextBlock &block)
{
    // Editors lay out only what they show; asking for the block's extent lays it out.
    document.documentLayout()->blockBoundingRect(block);
    const QString text = block.text();
    const QTextLayout *layout = block.layout();
    QStringList lines;
    for (int i = 0; layout && i + 1 < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    // The user ended this line: a blank left at its end would make it read as wrapped.
    const QString last = lines.isEmpty() ? text : text.mid(layout->lineAt(layout->lineCount() - 1).textStart());
    lines.append(last.endsWith(u' ') ? QString::fromUtf8(TVrxFlowed::HardLineEnd(last.toUtf8())) : last);
    return lines;
}

} // namespace

bool HasRecipients(const QString &to)
{
    for (QChar c : to)
        if (c.unicode() > 32)
            return true;
    return false;
}

QString ComposerCaption(const QString &subject)
{
    return subject.isEmpty() ? QCoreApplication::translate("TfrmNewMessage", "New message") : subject;
}

cMailMessage ComposedRecord(const cComposedMessage &message, const QString &senderLine, const QString &account,
                            const QDateTime &now)
{
    cMailMessage record;
    record.Subject = headerValue(message.subject);
    record.To = headerValue(message.to);
    record.From = headerValue(senderLine);
    record.DateTime = NowText(now);
    record.Account = headerValue(account);
    record.CC = headerValue(message.cc);
    record.Bcc = headerValue(message.bcc);
    record.SendAccount = headerValue(message.sendAccount);
    record.Read = false;
    record.Priority = int(message.priority);
    record.attachments = message.attachments;
    record.Html = false;
    record.headerLines = {kMailerLine};
    for (const QByteArray &line : message.extraHeaders)
        record.headerLines.append(headerValue(QString::fromUtf8(line)));
    for (const QString &line : message.body)
        record.body.append(line.toUtf8());
    return record;
}

cComposedMessage ComposedFromRecord(const cMailMessage &record)
{
    cComposedMessage message;
    message.to = DisplayText(record.To);
    message.cc = DisplayText(record.CC);
    message.bcc = DisplayText(record.Bcc);
    message.sendAccount = DisplayText(record.SendAccount);
    message.subject = DisplayText(record.Subject);
    if (!record.body.isEmpty())
        message.body = DisplayBody(record.body, DeclaredCharset(record.headerLines)).split(QLatin1Char('\n'));
    message.attachments = record.attachments;
    message.priority = TPriority(record.Priority);
    for (const QByteArray &line : record.headerLines)
        if (isThreadingLine(line))
            message.extraHeaders.append(line);
    return message;
}

cMailMessage KeepUneditedBytes(cMailMessage saved, const cOpenedMessage &opened, const cFieldTexts &now)
{
    const std::pair<QByteArray cMailMessage::*, QString cFieldTexts::*> fields[] = {
        {&cMailMessage::To, &cFieldTexts::to},
        {&cMailMessage::CC, &cFieldTexts::cc},
        {&cMailMessage::Bcc, &cFieldTexts::bcc},
        {&cMailMessage::Subject, &cFieldTexts::subject},
    };
    for (const auto &[bytes, text] : fields)
        if (now.*text == opened.shown.*text)
            saved.*bytes = opened.record.*bytes;
    if (now.body == opened.shown.body) {
        saved.body = opened.record.body;
        // Kept bytes read back right only with the charset they were read in.
        if (const QByteArray charset = DeclaredCharset(opened.record.headerLines); !charset.isEmpty())
            saved.headerLines.append("Content-Type: text/plain; charset=" + charset);
    }
    return saved;
}

TPriority PriorityOfTag(int tag)
{
    switch (tag) {
    case 1:
        return TPriority::prLowest;
    case 2:
        return TPriority::prHighest;
    default:
        return TPriority::prNormal;
    }
}

int TagOfPriority(TPriority priority)
{
    return cMailMessage::StoredPriority(int(priority));
}

QStringList DisplayedLines(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += blockLines(document, block);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString EditorText(const QStringList &stored)
{
    QList<QByteArray> bytes;
    for (const QString &line : stored)
        bytes.append(line.toUtf8());
    QStringList typed;
    for (const QByteArray &line : TVrxFlowed::TypedLines(bytes))
        typed.append(QString::fromUtf8(line));
    return typed.join(u'\n');
}

QString Rot13Line(const QString &line)
{
    QString result = line;
    for (QChar &c : result)
        c = rot13(c);
    return result;
}

QString DateTimeText(eDateTimeKind kind, const QDateTime &now, const QLocale &locale)
{
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    const QString both = QString::fromUtf8(NowText(now, locale));
    switch (kind) {
    case eDateTimeKind::Date:
        return date;
    case eDateTimeKind::Time:
        return both.mid(date.size() + 1);
    case eDateTimeKind::DateAndTime:
        break;
    }
    return both;
}
