// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sort key of a stored date-and-time text: the moment it names as it reads on the wall
// clock, in milliseconds, so no time-zone lookup is ever made for it. Texts are read by the
// Qt date format they were written in (see NowTextFormat), without the general parser: the
// user's own format first, then those of other common locales and fixed numeric forms. Month
// names and AM/PM marks (of the format's own locale), two-digit years and any literal the
// format holds are understood.
//
// A reader remembers the format that worked last and tries it next, as a folder's messages
// mostly share one; it is not thread-safe, so each thread keeps its own (Of).
#include <QByteArray>
#include <QLocale>
#include <QString>

#include <limits>
#include <vector>

class cDateKey
{
public:
    // For a text that names no moment: such entries sort first.
    static constexpr qint64 kNone = std::numeric_limits<qint64>::min();

    explicit cDateKey(const QLocale &locale = QLocale::system());

    qint64 Key(QStringView text);

    // The key of a stored text (UTF-8), read by this thread's reader for the system locale.
    static qint64 Of(const QByteArray &stored);

private:
    struct cName
    {
        QString text;
        int value;
    };
    // A format with the names its locale writes in it.
    struct cForm
    {
        QString format;
        std::vector<cName> months; // any case, 1 to 12
        std::vector<cName> marks;  // AM is 0, PM is 1
    };

    static cForm FormOf(const QString &format, const QLocale &names);
    static qint64 KeyByForm(QStringView text, const cForm &form);
    // The value of the longest name the text starts with at `at`, which moves past it; -1 for none.
    static int ReadName(QStringView text, qsizetype &at, const std::vector<cName> &names);

    std::vector<cForm> fForms; // in the order tried
    std::size_t fLast = 0;     // the form that worked last
};
