// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Outgoing text as format=flowed lines (RFC 3676, delsp=no), made from the lines the composer
// stores. A stored line that ends in a blank was wrapped by the editor, so it continues on the
// next line; every other line ends its paragraph. A line the user ended with Enter is stored
// without blanks at its end (HardLineEnd), so that it never reads as wrapped. Paragraphs longer than a mail line are cut
// after a blank near 72 characters, the blank kept at the line's end (a soft break). Quote
// marks are read however they were spaced ("> > a") and written as one run (">> a") before
// every line of the paragraph; unquoted lines starting with a blank, ">" or "From " are stuffed
// with a blank (section 4.4). The signature separator "-- " stays as it is.
#include <QByteArray>
#include <QList>

class TVrxFlowed
{
public:
    static QList<QByteArray> Encode(const QList<QByteArray> &lines);
    // Stored lines as typed: each run the editor wrapped joined into the one line it wraps, which
    // Encode reads as it read the run. An editor shows these and wraps them again.
    static QList<QByteArray> TypedLines(const QList<QByteArray> &stored);
    // A line ended with Enter: blanks at its end go, except in the signature separator.
    static QByteArray HardLineEnd(QByteArray line);

    // RFC 3676 section 4.2: break near 72, and a line that fits in 78 stays whole.
    static constexpr int kBreakColumn = 72;
    static constexpr int kLineColumns = 78;
};
