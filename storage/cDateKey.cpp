// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cDateKey.h"

#include "storage/MessageText.h"

#include <QDate>
#include <QTime>

#include <algorithm>

namespace {

constexpr qint64 kMillisecondsPerDay = 86400000;

// Reads `fewest` to `most` digits of any script; false when there are not enough.
bool readNumber(QStringView text, qsizetype &at, int fewest, int most, int &value)
{
    const qsizetype start = at;
    value = 0;
    while (at < text.size() && at - start < most && text[at].digitValue() >= 0)
        value = value * 10 + text[at++].digitValue();
    return at - start >= fewest;
}

// As strptime's %y reads two-digit years.
int fullYear(int twoDigits)
{
    return twoDigits < 69 ? 2000 + twoDigits : 1900 + twoDigits;
}

bool skipSpace(QStringView text, qsizetype &at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return true;
}

bool skipLetters(QStringView text, qsizetype &at)
{
    const qsizetype start = at;
    while (at < text.size() && text[at].isLetter())
        ++at;
    return at > start;
}

bool readLiteral(QStringView text, qsizetype &at, QStringView literal)
{
    if (!text.mid(at).startsWith(literal))
        return false;
    at += literal.size();
    return true;
}

// A quoted part of a format from its opening quote: the literal text, f moved past it.
QString quotedLiteral(QStringView format, qsizetype &f)
{
    QString literal;
    for (++f; f < format.size(); ++f) {
        if (format[f] != u'\'')
            literal += format[f];
        else if (f + 1 < format.size() && format[f + 1] == u'\'')
            literal += format[++f];
        else
            break;
    }
    ++f;
    return literal;
}

} // namespace

cDateKey::cDateKey(const QLocale &locale)
{
    const auto add = [this](const QString &format, const QLocale &names) {
        if (std::none_of(fForms.cbegin(), fForms.cend(), [&format](const cForm &form) { return form.format == format; }))
            fForms.push_back(FormOf(format, names));
    };
    for (const QLocale &written : {locale, QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::German, QLocale::Germany)})
        add(NowTextFormat(written), written);
    // Numeric forms of other programs and of messages made by hand.
    for (const char *fixed : {"dd.MM.yyyy HH:mm:ss", "d.M.yyyy H:mm:ss", "M/d/yyyy h:mm:ss AP", "dd/MM/yyyy HH:mm:ss",
                              "yyyy-MM-dd HH:mm:ss"})
        add(QString::fromLatin1(fixed), QLocale::c());
}

cDateKey::cForm cDateKey::FormOf(const QString &format, const QLocale &names)
{
    cForm form{format, {}, {{names.amText(), 0}, {names.pmText(), 1}}};
    for (int month = 1; month <= 12; ++month)
        for (QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat})
            form.months.insert(form.months.end(), {{names.monthName(month, type), month},
                                                   {names.standaloneMonthName(month, type), month}});
    std::erase_if(form.months, [](const cName &name) { return name.text.isEmpty(); });
    std::erase_if(form.marks, [](const cName &name) { return name.text.isEmpty(); });
    return form;
}

qint64 cDateKey::Of(const QByteArray &stored)
{
    thread_local cDateKey reader;
    return reader.Key(QString::fromUtf8(stored));
}

qint64 cDateKey::Key(QStringView text)
{
    text = text.trimmed();
    // The user's own format goes first whatever worked before, so a text two formats read
    // ("12/9/26") keys the same in every folder and thread; no two others read a text two ways.
    if (const qint64 key = KeyByForm(text, fForms.front()); key != kNone)
        return key;
    if (fLast > 0)
        if (const qint64 key = KeyByForm(text, fForms[fLast]); key != kNone)
            return key;
    for (std::size_t at = 1; at < fForms.size(); ++at) {
        if (at == fLast)
            continue;
        if (const qint64 key = KeyByForm(text, fForms[at]); key != kNone) {
            fLast = at;
            return key;
        }
    }
    return kNone;
}

int cDateKey::ReadName(QStringView text, qsizetype &at, const std::vector<cName> &names)
{
    const cName *longest = nullptr;
    for (const cName &name : names)
        if ((!longest || name.text.size() > longest->text.size())
            && text.mid(at, name.text.size()).compare(name.text, Qt::CaseInsensitive) == 0)
            longest = &name;
    if (!longest)
        return -1;
    at += longest->text.size();
    return longest->value;
}

qint64 cDateKey::KeyByForm(QStringView text, const cForm &form)
{
    const QStringView format = form.format;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, afternoon = -1;
    qsizetype at = 0;
    for (qsizetype f = 0; f < format.size();) {
        const QChar token = format[f];
        if (token == u'\'') {
            if (!readLiteral(text, at, quotedLiteral(format, f)))
                return kNone;
            continue;
        }
        qsizetype run = 1;
        while (f + run < format.size() && format[f + run] == token)
            ++run;
        f += run;
        const int exact = run == 2 ? 2 : 1;
        int ignored = 0;
        bool read = true;
        switch (token.unicode()) {
        case 'd':
            if (run >= 3) // a weekday name, which the date says anyway
                read = skipLetters(text, at);
            else
                read = readNumber(text, at, exact, 2, day);
            break;
        case 'M':
            if (run >= 3)
                read = (month = ReadName(text, at, form.months)) > 0;
            else
                read = readNumber(text, at, exact, 2, month);
            break;
        case 'y':
            read = run == 4 ? readNumber(text, at, 4, 4, year) : readNumber(text, at, 2, 2, year);
            if (run != 4)
                year = fullYear(year);
            break;
        case 'h':
        case 'H': read = readNumber(text, at, exact, 2, hour); break;
        case 'm': read = readNumber(text, at, exact, 2, minute); break;
        case 's': read = readNumber(text, at, exact, 2, second); break;
        case 'z': read = readNumber(text, at, 1, 3, ignored); break;
        case 'A':
        case 'a':
            if (f < format.size() && (format[f] == u'P' || format[f] == u'p'))
                ++f;
            read = (afternoon = ReadName(text, at, form.marks)) >= 0;
            break;
        default:
            // Any blank stands for any run of blanks: Qt puts narrow ones before AM/PM too.
            if (token.isSpace())
                read = skipSpace(text, at);
            else
                read = readLiteral(text, at, format.mid(f - run, run));
        }
        if (!read)
            return kNone;
    }
    if (afternoon >= 0)
        hour = hour % 12 + (afternoon ? 12 : 0);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (at != text.size() || !date.isValid() || !time.isValid())
        return kNone;
    return date.toJulianDay() * kMillisecondsPerDay + time.msecsSinceStartOfDay();
}
