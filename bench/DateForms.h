// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The forms a folder's date texts take: as the program writes them under the C, en_US.UTF-8 and
// de_DE.UTF-8 locales (Qt takes a system locale's formats from its name, so QLocale of the same
// name writes what such a user's program writes), and the numeric form of older folders.
// Benchmarks report one variant per form.
#include "storage/MessageText.h"

#include <QDateTime>
#include <QLocale>

#include <array>

struct cDateForm
{
    const char *name;
    const char *locale; // empty for the numeric form
};

inline constexpr std::array<cDateForm, 4> kDateForms{
    {{"C", "C"}, {"en_US", "en_US"}, {"de_DE", "de_DE"}, {"numeric", ""}}};

// The date of the n-th message: 37 minutes apart, so every hour of day and night comes up.
inline QByteArray StoredDate(const cDateForm &form, int n)
{
    const QDateTime when = QDateTime(QDate(2026, 12, 9), QTime(15, 47)).addSecs(-qint64(n) * 37 * 60);
    if (*form.locale == '\0')
        return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")).toUtf8();
    return NowText(when, QLocale(QString::fromLatin1(form.locale)));
}
