// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxMessageBuilder.h"

#include "mailproto/TVrxAddressList.h"
#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxEncodedWords.h"
#include "mailproto/TVrxFlowed.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxQuotedPrintable.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QByteArray RandomLetters(int count, char last)
{
    QByteArray letters(count, Qt::Uninitialized);
    for (char &c : letters)
        c = char('a' + QRandomGenerator::global()->bounded(last - 'a' + 1));
    return letters;
}

// The locale's long time format carries a zone name, which this form leaves out.
QString LocalizedTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(u't');
    return format.trimmed();
}

bool IsAscii(const QList<QByteArray> &lines)
{
    return std::all_of(lines.begin(), lines.end(), [](const QByteArray &line) {
        return std::all_of(line.begin(), line.end(), [](char c) { return quint8(c) < 0x80; });
    });
}

// RFC 5322 section 2.1.1: no line may be longer, CR LF not counted.
constexpr qsizetype kMaxLineOctets = 998;

// The lower-case name of a header field line; empty when the line is no field (RFC 5322
// section 2.2: printable ASCII but ":", then ":").
QByteArray FieldName(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return {};
    const QByteArray name = line.left(colon);
    const bool printable = std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 127; });
    return printable ? name.toLower() : QByteArray();
}

// Fields this builder always writes from the message's own values, fields that describe a
// body or a delivery that this message no longer is, trace fields (RFC 5321 section 4.4), and
// Bcc, which would show the blind copies to everyone.
bool IsRewrittenField(const QByteArray &name)
{
    static const QList<QByteArray> rewritten = {"from", "to", "cc", "bcc", "subject", "date", "message-id", "x-priority",
                                                "x-mailer", "mime-version", "received", "return-path"};
    return name.startsWith("content-") || rewritten.contains(name);
}

// Percent-encoded characters per section of an RFC 2231 parameter, so that each folds in 78.
constexpr qsizetype kSectionChars = 54;

QByteArray PercentEncoded(char c)
{
    static const QByteArray attributeChars = "!#$&+-.^_`|~";
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                       || attributeChars.contains(c);
    return plain ? QByteArray(1, c) : '%' + QByteArray(1, c).toHex().toUpper();
}

// RFC 2231 sections 3 and 4: UTF-8, percent-encoded, in numbered sections cut between
// characters.
QByteArray ExtendedParameter(const QByteArray &name, const QByteArray &utf8)
{
    QList<QByteArray> sections{"UTF-8''"};
    for (char c : utf8) {
        const QByteArray piece = PercentEncoded(c);
        const bool startsCharacter = (quint8(c) & 0xC0) != 0x80;
        if (startsCharacter && sections.last().size() + piece.size() > kSectionChars)
            sections.append(QByteArray());
        sections.last() += piece;
    }
    if (sections.size() == 1)
        return name + "*=" + sections.first();
    QList<QByteArray> numbered;
    for (qsizetype i = 0; i < sections.size(); ++i)
        numbered.append(name + '*' + QByteArray::number(i) + "*=" + sections.at(i));
    return numbered.join("; ");
}

// Readers that know RFC 2231 take the extended form; older ones the encoded words in name=.
QList<QByteArray> AttachmentHeader(const TAttachedFile &item, const QByteArray &charset,
                                   const QByteArray &transferEncoding = "base64")
{
    const QByteArray name = TVrxLines::SingleLine(item.FileName);
    const QByteArray type = charset.isEmpty() ? item.ContentType : item.ContentType + "; charset=" + charset;
    const QByteArray fileName = TVrxEncodedWords::IsAscii(name) ? "FileName=" + TVrxEncodedWords::QuotedString(name)
                                                                : ExtendedParameter("FileName", name);
    QList<QByteArray> lines = TVrxEncodedWords::FoldedField(
        "Content-Type", type + "; name=" + TVrxEncodedWords::QuotedString(TVrxEncodedWords::EncodeText(name)));
    lines.append("Content-Transfer-Encoding: " + transferEncoding);
    lines += TVrxEncodedWords::FoldedField("Content-Disposition", "inline; " + fileName);
    return lines;
}

// A text attachment says how its bytes read; bytes that are no UTF-8 are taken for Latin-1.
QByteArray TextCharset(const TAttachedFile &item)
{
    if (!item.ContentType.toLower().startsWith("text/"))
        return {};
    const QByteArray bytes = QByteArray::fromBase64(item.Lines.join());
    if (TVrxEncodedWords::IsAscii(bytes))
        return "US-ASCII";
    return TVrxEncodedWords::IsUtf8(bytes) ? "UTF-8" : "ISO-8859-1";
}

// The right side of a Message-Id: the sender's domain, ASCII (RFC 5322 section 3.6.4).
QByteArray IdDomain(const QByteArray &address)
{
    QByteArray domain = address.mid(address.lastIndexOf('@') + 1);
    domain.replace('<', QByteArray()).replace('>', QByteArray());
    if (!address.contains('@') || domain.isEmpty())
        return {};
    return TVrxEncodedWords::IsAscii(domain) ? domain : QUrl::toAce(QString::fromUtf8(domain));
}

} // namespace

QByteArray TVrxMessageBuilder::ZoneText(int secondsEastOfUtc)
{
    const int minutes = secondsEastOfUtc / 60;
    const int offset = std::abs(minutes);
    return (minutes >= 0 ? "+" : "-") + QByteArray::number(offset / 60).rightJustified(2, '0')
           + QByteArray::number(offset % 60).rightJustified(2, '0');
}

QByteArray TVrxMessageBuilder::FormatMailDate(const QDateTime &time, bool localized)
{
    if (localized) {
        const QLocale locale;
        return (locale.toString(time.date(), u"ddd, d MMM yyyy"_s) + u' '
                + locale.toString(time.time(), LocalizedTimeFormat(locale)))
            .toUtf8();
    }
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate date = time.date();
    return QByteArray(days[date.dayOfWeek() - 1]) + ", " + QByteArray::number(date.day()) + ' '
           + months[date.month() - 1] + ' ' + QByteArray::number(date.year()) + ' '
           + time.time().toString(u"HH:mm:ss"_s).toLatin1() + ' ' + ZoneText(time.offsetFromUtc());
}

QByteArray TVrxMessageBuilder::MakeMessageId(const QDate &today, const QByteArray &senderAddress) const
{
    const QByteArray domain = IdDomain(senderAddress);
    return "<VRX." + QByteArray::number(today.day()) + '.' + QByteArray::number(today.month()) + '.'
           + QByteArray::number(today.year()) + '.' + RandomLetters(8, 't') + '@'
           + (domain.isEmpty() ? LocalHostName : domain) + '>';
}

QByteArray TVrxMessageBuilder::MakeBoundary()
{
    return "--_VRX_bound_" + RandomLetters(12, 'y');
}

// The stored sender line is the account's name as typed, then "<address>": the name is taken
// whole, commas and quotes included, unless it was written as a quoted string.
TVrxMessageBuilder::Sender TVrxMessageBuilder::SenderOf(const TVrxMsg &msg) const
{
    const QByteArray from = msg.From.trimmed();
    const qsizetype open = from.lastIndexOf('<');
    const bool angled = open >= 0 && from.endsWith('>');
    const QByteArray address = angled ? from.mid(open + 1).chopped(1).trimmed() : TVrxAddressList::AddressOf(from);
    if (!msg.UserName.isEmpty())
        return {msg.UserName, address.contains('@') ? address : address + '@' + Host};
    if (!address.contains('@') && !msg.ReturnPath.isEmpty())
        return {from, msg.ReturnPath}; // an imported message whose sender line holds no address
    QByteArray name = angled ? from.left(open).trimmed() : QByteArray();
    if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
        name = TVrxAddressList::DisplayNameOf(from);
    return {name, address};
}

QList<QByteArray> TVrxMessageBuilder::StoredFieldsToKeep(const QList<QByteArray> &extra,
                                                         const QList<QByteArray> &generated)
{
    QList<QByteArray> kept;
    bool keepingField = false;
    for (const QByteArray &line : extra) {
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (keepingField)
                kept.last() += line; // unfolded (RFC 5322 section 2.2.3); folded again when written
            continue;
        }
        const QByteArray name = FieldName(line);
        keepingField = !name.isEmpty() && !IsRewrittenField(name) && !generated.contains(name);
        if (keepingField)
            kept.append(line);
    }
    return kept;
}

QList<QByteArray> TVrxMessageBuilder::StoredFieldLines(const QByteArray &field)
{
    const qsizetype colon = field.indexOf(':');
    QByteArray value = TVrxLines::SingleLine(field.mid(colon + 1));
    while (value.startsWith(' ') || value.startsWith('\t'))
        value.remove(0, 1);
    return TVrxEncodedWords::FoldedText(field.left(colon), value);
}

// Text that is not pure ASCII is UTF-8, the platform's own encoding of typed text; bytes that
// are no UTF-8 come from a legacy message and read as Windows-1252, as everywhere they are shown.
TVrxMessageBuilder::TextPart TVrxMessageBuilder::EncodedText(const QList<QByteArray> &text) const
{
    QList<QByteArray> stored;
    for (const QByteArray &entry : text)
        stored.append(entry.isEmpty() ? QList<QByteArray>{entry} : TVrxLines::Split(entry));
    const QList<QByteArray> lines = TVrxFlowed::Encode(stored);
    const bool ascii = IsAscii(lines);
    const QByteArray charset = ascii ? "ISO-8859-1"
                               : TVrxEncodedWords::IsUtf8(lines.join('\n')) ? "UTF-8"
                                                                             : "windows-1252";
    const QByteArray contentType = "Content-Type: Text/Plain; charset=" + charset + "; format=flowed; delsp=no";
    const bool tooLong = std::any_of(lines.begin(), lines.end(),
                                     [](const QByteArray &line) { return line.size() > kMaxLineOctets; });
    if (tooLong || (!ascii && !EightBit))
        return {contentType, "Content-Transfer-Encoding: quoted-printable", TVrxQuotedPrintable::EncodeLines(lines)};
    return {contentType, "Content-Transfer-Encoding: 8bit", lines};
}

QList<QByteArray> TVrxMessageBuilder::HeaderLines(const TVrxMsg &msg, const TextPart &text,
                                                  const QByteArray &boundary) const
{
    using W = TVrxEncodedWords;
    const Sender sender = SenderOf(msg);
    QList<QByteArray> header{"Message-Id: " + MakeMessageId(QDate::currentDate(), sender.Address)};
    QList<QByteArray> generated{"message-id"};
    const auto add = [&header, &generated](const QByteArray &name, const QList<QByteArray> &lines) {
        generated.append(name.toLower());
        header += lines;
    };
    if (!msg.InReplyTo.isEmpty())
        add("In-Reply-To", W::FoldedField("In-Reply-To", TVrxLines::SingleLine(msg.InReplyTo)));
    header.append("Date: " + msg.Date);
    header.append("X-Priority: " + QByteArray::number(int(msg.Priority) + 1));
    add("From", W::FoldedField("From", W::EncodeMailbox(TVrxLines::SingleLine(sender.Name), sender.Address)));
    if (!msg.ReplyTo.isEmpty())
        add("Reply-To", W::FoldedField("Reply-To", W::EncodeAddressList(msg.ReplyTo)));
    header.append("X-Mailer: " + MailerName);
    add("To", W::FoldedField("To", W::EncodeAddressList(msg.SendTo)));
    // RFC 5322 section 3.6.3: a CC field holds at least one address.
    if (!TVrxAddressList::Addresses(msg.CC).isEmpty())
        add("CC", W::FoldedField("CC", W::EncodeAddressList(msg.CC)));
    add("Subject", W::FoldedText("Subject", TVrxLines::SingleLine(msg.Subject)));
    header.append("MIME-Version: 1.0");
    if (boundary.isEmpty()) {
        header.append(text.ContentType);
        header.append(text.TransferEncoding);
    } else {
        header.append("Content-Type: multipart/mixed; boundary=" + W::QuotedString(boundary));
    }
    for (const QByteArray &field : StoredFieldsToKeep(msg.ExtraHeaders, generated))
        header += StoredFieldLines(field);
    // Whatever a value held, no line break of its own starts a new header line.
    std::transform(header.begin(), header.end(), header.begin(), TVrxLines::SingleLine);
    return header;
}

// RFC 2046 section 5.2.1: a message/rfc822 part is never base64; it goes as its own lines
// when SMTP can carry them, and as an opaque file when not.
std::optional<QList<QByteArray>> TVrxMessageBuilder::EnclosedMessage(TAttachedFile &item) const
{
    if (item.ContentType.toLower() != "message/rfc822")
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromBase64(item.Lines.join());
    const QList<QByteArray> lines = TVrxLines::Split(bytes);
    const bool fits = std::all_of(lines.begin(), lines.end(), [](const QByteArray &line) { return line.size() <= kMaxLineOctets; });
    if (fits && (EightBit || TVrxEncodedWords::IsAscii(bytes)))
        return lines;
    item.ContentType = "application/octet-stream";
    return std::nullopt;
}

QList<QByteArray> TVrxMessageBuilder::MultipartBody(TVrxMsg &msg, TextPart text, const QByteArray &boundary) const
{
    const QByteArray delimiter = "--" + boundary;
    QList<QByteArray> body{delimiter, text.ContentType, text.TransferEncoding, {}};
    body.append(std::move(text.Lines));
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i) {
        TAttachedFile &item = msg.AttachedFiles.Items(i);
        TVrxBase64::EncodeFile(item, EncodeEvents);
        body.append(delimiter);
        if (const auto enclosed = EnclosedMessage(item)) {
            const bool ascii = std::all_of(enclosed->begin(), enclosed->end(), TVrxEncodedWords::IsAscii);
            body += AttachmentHeader(item, {}, ascii ? "7bit" : "8bit");
            body.append(QByteArray());
            body += *enclosed;
            continue;
        }
        body += AttachmentHeader(item, TextCharset(item));
        body.append(QByteArray());
        body.append(item.Lines);
    }
    body.append({{}, delimiter + "--", {}});
    return body;
}

QList<QByteArray> TVrxMessageBuilder::BuildMessageLines(TVrxMsg &msg) const
{
    TextPart text = EncodedText(msg.Text);
    const QByteArray boundary = msg.AttachedFiles.Count() > 0 ? MakeBoundary() : QByteArray();
    QList<QByteArray> lines = HeaderLines(msg, text, boundary);
    lines.append(QByteArray());
    lines.append(boundary.isEmpty() ? std::move(text.Lines) : MultipartBody(msg, std::move(text), boundary));
    return lines;
}
