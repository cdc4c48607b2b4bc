// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text bytes in a named charset to Unicode. Every charset ICU knows is converted; without a
// charset, UTF-8 is tried before Windows-1252 (unlabelled mail is mostly one of the two).
#include <QByteArray>
#include <QString>

struct cCharsetText
{
    QString text;
    bool known = true; // false: the charset was not recognised and Latin-1 was used
};

cCharsetText DecodeCharset(const QByteArray &bytes, const QByteArray &charset);
