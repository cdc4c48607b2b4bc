// SPDX-License-Identifier: GPL-3.0-or-later
// Date keys: every form the program writes, in its own locale and in others, keys the moment it
// names; what names none keys first.
#include "storage/MessageText.h"
#include "storage/cDateKey.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

qint64 wallClock(QDate date, QTime time)
{
    return date.toJulianDay() * 86400000 + time.msecsSinceStartOfDay();
}

QString stored(const QDateTime &when, const QLocale &locale)
{
    return QString::fromUtf8(NowText(when, locale));
}

const QList<QLocale> kLocales{QLocale::c(),
                              QLocale(QLocale::English, QLocale::UnitedStates),
                              QLocale(QLocale::German, QLocale::Germany),
                              QLocale(QLocale::English, QLocale::UnitedKingdom),
                              QLocale(QLocale::English, QLocale::Canada),
                              QLocale(QLocale::Greek, QLocale::Greece),
                              QLocale(QLocale::Korean, QLocale::SouthKorea),
                              QLocale(QLocale::Japanese, QLocale::Japan),
                              QLocale(QLocale::Arabic, QLocale::Egypt),
                              QLocale(QLocale::Bulgarian, QLocale::Bulgaria),
                              QLocale(QLocale::Finnish, QLocale::Finland),
                              QLocale(QLocale::Hungarian, QLocale::Hungary),
                              QLocale(QLocale::French, QLocale::France)};

// Around noon and midnight, where AM/PM go wrong, and at both ends of a year.
const QList<QDateTime> kMoments{{QDate(2026, 12, 9), QTime(3, 47, 0)},   {QDate(2026, 12, 9), QTime(15, 47, 0)},
                                {QDate(2026, 1, 1), QTime(0, 0, 0)},     {QDate(2026, 6, 30), QTime(12, 0, 0)},
                                {QDate(2026, 12, 31), QTime(23, 59, 59)}, {QDate(2026, 5, 4), QTime(12, 30, 1)}};

TEST(DateKey, EveryLocaleReadsWhatItWrites)
{
    for (const QLocale &locale : kLocales) {
        cDateKey reader(locale);
        for (const QDateTime &when : kMoments) {
            const QString text = stored(when, locale);
            SCOPED_TRACE(locale.name().toStdString() + " \"" + text.toStdString() + '"');
            EXPECT_EQ(reader.Key(text), wallClock(when.date(), when.time()));
        }
    }
}

// A folder keeps what was written under other locales: each reads the same under any user's
// locale, in any mix.
TEST(DateKey, FormsOfOtherLocalesMixedInOneFolder)
{
    const QList<QLocale> written{QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale &user : kLocales) {
        cDateKey reader(user);
        for (int round = 0; round < 2; ++round)
            for (const QDateTime &when : kMoments)
                for (const QLocale &locale : written) {
                    const QString text = stored(when, locale);
                    SCOPED_TRACE(user.name().toStdString() + " reads \"" + text.toStdString() + '"');
                    EXPECT_EQ(reader.Key(text), wallClock(when.date(), when.time()));
                }
    }
}

TEST(DateKey, FixedFormsTwoDigitYearsAndDamage)
{
    const struct
    {
        const char *text;
        QDate date;
        QTime time;
    } cases[] = {
        {"08.12.2026 09:05:07", {2026, 12, 8}, {9, 5, 7}},
        {"8.12.2026 9:05:07", {2026, 12, 8}, {9, 5, 7}},
        {"  2026-12-08 21:05:07 ", {2026, 12, 8}, {21, 5, 7}},
        {"12/8/2026 9:05:07 PM", {2026, 12, 8}, {21, 5, 7}},
        {"12/8/2026 12:00:00 am", {2026, 12, 8}, {0, 0, 0}},
        {"08/12/2026 21:05:07", {2026, 12, 8}, {21, 5, 7}},
        {"9 Dec 2026 03:47:00", {2026, 12, 9}, {3, 47, 0}},
        {"9 DEC 2026 03:47:00", {2026, 12, 9}, {3, 47, 0}},
        {"09.12.68 10:00:00", {2068, 12, 9}, {10, 0, 0}},
        {"09.12.69 10:00:00", {1969, 12, 9}, {10, 0, 0}},
        {"", {}, {}},
        {"yesterday", {}, {}},
        {"12/8/2026 21:05:07", {}, {}}, // a 24-hour time in the form with AM/PM
        {"32.12.2026 10:00:00", {}, {}},
        {"29.02.2026 10:00:00", {}, {}},
        {"09.12.26 24:00:00", {}, {}},
        {"09.12.26 10:00", {}, {}},
        {"09.12.26 10:00:00 junk", {}, {}},
        {"9 Dez 2026 03:47:00", {}, {}},
        {"9 Dec 26 03:47:00", {}, {}},
        {"2026-12-08T21:05:07", {}, {}},
    };
    cDateKey reader(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(reader.Key(QString::fromUtf8(row.text)),
                  row.date.isValid() ? wallClock(row.date, row.time) : cDateKey::kNone);
    }
    EXPECT_EQ(cDateKey::Of("8.12.2026 9:05:07"), wallClock({2026, 12, 8}, {9, 5, 7}));
}

} // namespace
