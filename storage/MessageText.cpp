// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MessageText.h"

#include <QStringDecoder>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Qt's long time format carries the time zone ("t"); the stored text never had one.
QString longTimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            result += c;
    }
    return result.trimmed();
}

} // namespace

std::optional<cSplitAddress> SplitAddress(const QByteArray &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    qsizetype gt = -1, lt = -1;
    for (qsizetype i = text.size() - 1; i >= 0 && (gt < 0 || lt < 0); --i) {
        if (text.at(i) == '>' && gt < 0)
            gt = i;
        else if (text.at(i) == '<' && lt < 0)
            lt = i;
    }
    if (gt < 0 || lt < 0)
        return cSplitAddress{text, {}};
    auto trimEnd = [](QByteArray value) {
        while (!value.isEmpty() && (value.endsWith(' ') || value.endsWith('\t')))
            value.chop(1);
        return value;
    };
    const QByteArray address = gt > lt ? text.mid(lt + 1, gt - lt - 1) : QByteArray();
    return cSplitAddress{trimEnd(text.left(lt)), trimEnd(address)};
}

QByteArray NowText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    QString time = locale.toString(when.time(), longTimeFormatWithoutZone(locale));
    if (!time.isEmpty() && isDigit(time.at(0)) && (time.size() == 1 || !isDigit(time.at(1))))
        time.prepend(QLatin1Char('0'));
    return (date + QLatin1Char(' ') + time).toUtf8();
}

QString NowTextFormat(const QLocale &locale)
{
    return locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') + longTimeFormatWithoutZone(locale);
}

QByteArray HeaderField(const QList<QByteArray> &headerLines, const QByteArray &name)
{
    const QByteArray key = name.toLower() + ':';
    QByteArray value;
    bool inside = false;
    for (const QByteArray &line : headerLines) {
        const bool continuation = line.startsWith(' ') || line.startsWith('\t');
        if (inside && continuation) {
            value += line;
            continue;
        }
        if (inside)
            break;
        if (line.toLower().startsWith(key)) {
            inside = true;
            value = line.mid(key.size());
        }
    }
    return value.trimmed();
}

QString StoredText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? windows1252(bytes) : QString::fromLatin1(bytes);
}
