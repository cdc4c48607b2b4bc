#include "mailproto/TVrxMessageBuilder.h"

#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxLines.h"

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
    return "From: " + Quoted(msg.UserName) + " <" + address + '>';
}

// Text that is not pure ASCII is UTF-8, the platform's own encoding of typed text.
QByteArray TVrxMessageBuilder::TextContentType(const QList<QByteArray> &text)
{
    return IsAscii(text) ? "Content-Type: Text/Plain; charset=ISO-8859-1" : "Content-Type: Text/Plain; charset=UTF-8";
}

QList<QByteArray> TVrxMessageBuilder::StuffedText(const QList<QByteArray> &text)
{
    QList<QByteArray> lines;
    for (const QByteArray &entry : text) {
        const QList<QByteArray> pieces = entry.isEmpty() ? QList<QByteArray>{entry} : TVrxLines::Split(entry);
        for (const QByteArray &line : pieces)
            lines.append(line.startsWith('.') ? '.' + line : line);
    }
    return lines;
}

QList<QByteArray> TVrxMessageBuilder::HeaderLines(const TVrxMsg &msg, const QByteArray &boundary) const
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
    header.append("To: " + msg.SendTo);
    header.append("CC: " + msg.CC);
    header.append("Subject: " + msg.Subject);
    header.append("MIME-Version: 1.0");
    if (boundary.isEmpty()) {
        header.append(TextContentType(msg.Text));
        header.append("Content-Transfer-Encoding: 8bit");
    } else {
        header.append("Content-Type: multipart/mixed; boundary=" + Quoted(boundary));
    }
    header.append(msg.ExtraHeaders);
    std::transform(header.begin(), header.end(), header.begin(), TVrxLines::SingleLine);
    return header;
}

QList<QByteArray> TVrxMessageBuilder::MultipartBody(TVrxMsg &msg, QList<QByteArray> text,
                                                    const QByteArray &boundary) const
{
    const QByteArray delimiter = "--" + boundary;
    QList<QByteArray> body{delimiter, TextContentType(msg.Text), "Content-Transfer-Encoding: 8bit", {}};
    body.append(std::move(text));
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
    QList<QByteArray> text = StuffedText(msg.Text);
    const QByteArray boundary = msg.AttachedFiles.Count() > 0 ? MakeBoundary() : QByteArray();
    QList<QByteArray> lines = HeaderLines(msg, boundary);
    lines.append(QByteArray());
    lines.append(boundary.isEmpty() ? std::move(text) : MultipartBody(msg, std::move(text), boundary));
    return lines;
}
