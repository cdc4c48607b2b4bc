#include "ui/main/MainWindowRules.h"

#include "ui/main/DisplayText.h"
#include "ui/main/MainIcons.h"

#include <QCoreApplication>
#include <QDateTime>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMillisecondsPerMinute = 60000;
QString tr(const char *text)
{
    return QCoreApplication::translate("TfrmMain", text);
}

const QString kAttachmentMark = QString(QChar(0x2022)); // the bullet of code page 1252's 149

} // namespace

QStringList MessageListCaptions(eFolderKind folder)
{
    return {tr("Subject"), HoldsOutgoingMail(folder) ? tr("To") : tr("From"), QString(), tr("Date&Time")};
}

int ReadIcon(bool html)
{
    return html ? MsgImage::Html : MsgImage::Plain;
}

cMessageEntry MessageListEntry(const cIndexEntry &header, eFolderKind folder)
{
    const QByteArray &person = HoldsOutgoingMail(folder) ? header.To : header.From;
    const int readIcon = ReadIcon(header.Html);
    return {{DisplayText(header.Subject), DisplayText(person), header.hasAttachments ? kAttachmentMark : QString(),
             DisplayText(header.DateTime)},
            header.Read ? readIcon : MsgImage::Unread,
            readIcon};
}

cMessageEntry MessageListEntry(const cMailMessage &header, eFolderKind folder)
{
    return MessageListEntry(cFolderIndex::Entry({}, header), folder);
}

QString MessageCountText(int count)
{
    return QString::number(count) + tr(" message(s)");
}

namespace {

constexpr qint64 kMillisecondsPerDay = 86400000;

qint64 wallClockKey(const QDate &date, const QTime &time)
{
    return date.toJulianDay() * kMillisecondsPerDay + time.msecsSinceStartOfDay();
}

// Reads up to `most` digits; false when there is none.
bool readNumber(QStringView text, qsizetype &at, int most, int &value)
{
    const qsizetype start = at;
    value = 0;
    while (at < text.size() && at - start < most && text[at].isDigit())
        value = value * 10 + text[at++].digitValue();
    return at > start;
}

// A date and time of digits only ("dd.MM.yyyy HH:mm:ss", "M/d/yyyy h:mm:ss AP"), read by its
// format without the general parser, which is far too slow for a folder of 100,000 messages.
// Empty for any other kind of format or a text that does not match it.
std::optional<qint64> numericKey(QStringView text, QStringView format)
{
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, afternoon = -1;
    qsizetype at = 0;
    for (qsizetype f = 0; f < format.size();) {
        const QChar token = format[f];
        qsizetype run = 1;
        while (f + run < format.size() && format[f + run] == token)
            ++run;
        f += run;
        int *field = nullptr;
        switch (token.unicode()) {
        case 'd': field = &day; break;
        case 'M': field = &month; break;
        case 'y': field = &year; break;
        case 'h':
        case 'H': field = &hour; break;
        case 'm': field = &minute; break;
        case 's': field = &second; break;
        case 'A':
        case 'a': {
            const QStringView mark = text.mid(at, 2);
            if (mark.compare(u"AM", Qt::CaseInsensitive) != 0 && mark.compare(u"PM", Qt::CaseInsensitive) != 0)
                return std::nullopt;
            afternoon = mark.front().toUpper() == u'P';
            at += 2;
            f += format.mid(f).startsWith(u'P', Qt::CaseInsensitive) ? 1 : 0;
            continue;
        }
        default:
            if (token.isLetter() || text.mid(at, run) != format.mid(f - run, run))
                return std::nullopt;
            at += run;
            continue;
        }
        const int digits = token == u'y' ? 4 : 2;
        const qsizetype start = at;
        if (run > digits || (token == u'y' && run != 4) || !readNumber(text, at, digits, *field)
            || (token == u'y' && at - start != 4))
            return std::nullopt;
    }
    if (afternoon >= 0)
        hour = hour % 12 + (afternoon ? 12 : 0);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (at != text.size() || !date.isValid() || !time.isValid())
        return std::nullopt;
    return wallClockKey(date, time);
}

} // namespace

qint64 DateTimeSortKey(const QString &text, const QLocale &locale)
{
    // A folder's messages mostly share one format: the last that worked is tried first.
    static thread_local QString lastFormat;
    const QString trimmed = text.trimmed();
    if (const auto key = numericKey(trimmed, lastFormat))
        return *key;
    // Files keep the short date and long time of the locale they were written in; other
    // locales' and common fixed forms are tried after the user's own.
    QString localTime = locale.timeFormat(QLocale::LongFormat);
    localTime.remove(u't');
    const QStringList formats{locale.dateFormat(QLocale::ShortFormat) + u' ' + localTime.trimmed(),
                              u"dd.MM.yyyy HH:mm:ss"_s, u"M/d/yyyy h:mm:ss AP"_s, u"dd/MM/yyyy HH:mm:ss"_s,
                              u"yyyy-MM-dd HH:mm:ss"_s, u"d.M.yyyy H:mm:ss"_s};
    for (const QString &format : formats) {
        QDateTime moment = locale.toDateTime(trimmed, format);
        if (!moment.isValid())
            moment = QDateTime::fromString(trimmed, format);
        if (!moment.isValid())
            continue;
        if (numericKey(trimmed, format))
            lastFormat = format;
        return wallClockKey(moment.date(), moment.time());
    }
    return std::numeric_limits<qint64>::min();
}

int CheckTimerInterval(int minutes)
{
    if (minutes <= 0)
        return 0;
    if (minutes > std::numeric_limits<int>::max() / kMillisecondsPerMinute)
        return std::numeric_limits<int>::max();
    return minutes * kMillisecondsPerMinute;
}

bool IsOpenableLink(const QUrl &url)
{
    static const QStringList schemes{u"http"_s, u"https"_s, u"ftp"_s, u"mailto"_s, u"news"_s};
    return url.isValid() && schemes.contains(url.scheme().toLower());
}
