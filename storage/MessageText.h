// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text rules shared by everything that stores or shows a message.
#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <optional>

struct cSplitAddress
{
    QByteArray name;
    QByteArray address;
};

// Display name and address of a sender text such as "Ann Lee <ann@example.org>". The last
// "<" and ">" count; without both the whole text is the name. Blank text gives nothing.
std::optional<cSplitAddress> SplitAddress(const QByteArray &text);

// Stored bytes as text: UTF-8 when they are, else Windows-1252 (of which Latin-1 is a part),
// what mail and drafts in a legacy 8-bit charset mostly are. Every window and the CLI read
// undeclared text this one way.
QString StoredText(const QByteArray &bytes);

// The stored date-and-time text of a message: the user's short date, a blank, the long time
// without its zone, the hour always with two digits.
QByteArray NowText(const QDateTime &when = QDateTime::currentDateTime(), const QLocale &locale = QLocale::system());
// The Qt date format NowText writes in for the locale (its hour may gain a leading zero).
QString NowTextFormat(const QLocale &locale);

// The value of the first header field called name (without regard to case) among a message's
// raw header lines, folded lines joined and the ends trimmed; empty when there is none.
QByteArray HeaderField(const QList<QByteArray> &headerLines, const QByteArray &name);
