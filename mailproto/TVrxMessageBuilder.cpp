#include "mailproto/TVrxMessageBuilder.h"

#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxEncodedWords.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxQuotedPrintable.h"

#include <QLocale>
#include <QRandomGenerator>

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

QByteArray Quoted(const QByteArray &text)
{
    return '"' + text + '"';
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
// body or a delivery that this message no longer is, and trace fields (RFC 5321 section 4.4).
bool IsRewrittenField(const QByteArray &name)
{
    static const QList<QByteArray> rewritten = {"from", "to", "cc", "subject", "date", "message-id", "x-priority",
                                                "x-mailer", "mime-version", "received", "return-path"};
    return name.startsWith("content-") || rewritten.contains(name);
}

} // namespace

QByteArray TVrxMessageBuilder::ZoneText(int secondsEastOfUtc)
{
    const int minutes = secondsEastOfUtc / 60;
    if (minutes == 0)
        return "GMT";
    const int offset = std::abs(minutes);
    return (minutes > 0 ? "+" : "-") + QByteArray::number(offset / 60).rightJustified(2, '0')
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

QByteArray TVrxMessageBuilder::MakeMessageId(const QDate &today) const
{
    return "<VRX." + QByteArray::number(today.day()) + '.' + QByteArray::number(today.month()) + '.'
           + QByteArray::number(today.year()) + '.' + RandomLetters(8, 't') + '@' + LocalHostName + '>';
}

QByteArray TVrxMessageBuilder::MakeBoundary()
{
    return "--_VRX_bound_" + RandomLetters(12, 'y');
}

QByteArray TVrxMessageBuilder::FromLine(const TVrxMsg &msg) const
{
    if (msg.UserName.isEmpty())
        return "From: " + msg.From;
    const QByteArray address = msg.From.contains('@') ? msg.From : msg.From + '@' + Host;
    return "From: " + TVrxEncodedWords::EncodeAddressList(Quoted(msg.UserName) + " <" + address + '>');
}

QList<QByteArray> TVrxMessageBuilder::StoredFieldsToKeep(const QList<QByteArray> &extra,
                                                         const QList<QByteArray> &generated)
{
    QList<QByteArray> kept;
    bool keepingField = false;
    for (const QByteArray &line : extra) {
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (keepingField)
                kept.append(line); // a folded continuation goes with its field
            continue;
        }
        const QByteArray name = FieldName(line);
        keepingField = !name.isEmpty() && !IsRewrittenField(name) && !generated.contains(name);
        if (keepingField)
            kept.append(line);
    }
    return kept;
}

// Text that is not pure ASCII is UTF-8, the platform's own encoding of typed text.
TVrxMessageBuilder::TextPart TVrxMessageBuilder::EncodedText(const QList<QByteArray> &text) const
{
    QList<QByteArray> lines;
    for (const QByteArray &entry : text)
        lines.append(entry.isEmpty() ? QList<QByteArray>{entry} : TVrxLines::Split(entry));
    const bool ascii = IsAscii(lines);
    const QByteArray contentType = ascii ? "Content-Type: Text/Plain; charset=ISO-8859-1"
                                         : "Content-Type: Text/Plain; charset=UTF-8";
    const bool tooLong = std::any_of(lines.begin(), lines.end(),
                                     [](const QByteArray &line) { return line.size() > kMaxLineOctets; });
    if (tooLong || (!ascii && !EightBit))
        return {contentType, "Content-Transfer-Encoding: quoted-printable", TVrxQuotedPrintable::EncodeLines(lines)};
    return {contentType, "Content-Transfer-Encoding: 8bit", lines};
}

QList<QByteArray> TVrxMessageBuilder::HeaderLines(const TVrxMsg &msg, const TextPart &text,
                                                  const QByteArray &boundary) const
{
    QList<QByteArray> header{"Message-Id: " + MakeMessageId(QDate::currentDate())};
    if (!msg.InReplyTo.isEmpty())
        header.append("In-Reply-To: " + msg.InReplyTo);
    header.append("Date: " + msg.Date);
    header.append("X-Priority: " + QByteArray::number(int(msg.Priority) + 1));
    header.append(FromLine(msg));
    if (!msg.ReplyTo.isEmpty())
        header.append("Reply-To: " + msg.ReplyTo);
    header.append("X-Mailer: " + MailerName);
    header.append(TVrxEncodedWords::FoldedField("To", TVrxEncodedWords::EncodeAddressList(msg.SendTo)));
    // RFC 5322 section 3.6.3: a CC field holds at least one address.
    if (!msg.CC.trimmed().isEmpty())
        header.append(TVrxEncodedWords::FoldedField("CC", TVrxEncodedWords::EncodeAddressList(msg.CC)));
    header.append(TVrxEncodedWords::FoldedField("Subject", TVrxEncodedWords::EncodeText(msg.Subject)));
    header.append("MIME-Version: 1.0");
    if (boundary.isEmpty()) {
        header.append(text.ContentType);
        header.append(text.TransferEncoding);
    } else {
        header.append("Content-Type: multipart/mixed; boundary=" + Quoted(boundary));
    }
    QList<QByteArray> generated;
    for (const QByteArray &line : header)
        generated.append(FieldName(line));
    header.append(StoredFieldsToKeep(msg.ExtraHeaders, generated));
    std::transform(header.begin(), header.end(), header.begin(), TVrxLines::SingleLine);
    return header;
}

QList<QByteArray> TVrxMessageBuilder::MultipartBody(TVrxMsg &msg, TextPart text, const QByteArray &boundary) const
{
    const QByteArray delimiter = "--" + boundary;
    QList<QByteArray> body{delimiter, text.ContentType, text.TransferEncoding, {}};
    body.append(std::move(text.Lines));
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i) {
        TAttachedFile &item = msg.AttachedFiles.Items(i);
        TVrxBase64::EncodeFile(item, EncodeEvents);
        const QByteArray name = Quoted(TVrxLines::SingleLine(item.FileName));
        body.append({delimiter, "Content-Type: " + item.ContentType + "; name=" + name,
                     "Content-Transfer-Encoding: base64", "Content-Disposition: inline; FileName=" + name, {}});
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
