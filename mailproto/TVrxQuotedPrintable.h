// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quoted-printable encoding of text lines (RFC 2045 section 6.7): for bodies with lines too
// long for SMTP (RFC 5322 section 2.1.1: 998 octets) or 8-bit text for a server without
// 8BITMIME. Every output line is at most 76 characters; soft breaks ("=" at the end) join
// the pieces of a long line again on the reader's side.
#include <QByteArray>
#include <QList>

class TVrxQuotedPrintable
{
public:
    static constexpr qsizetype MaxLineLength = 76;

    static QList<QByteArray> EncodeLines(const QList<QByteArray> &lines);
    static QList<QByteArray> EncodeLine(const QByteArray &line);
};
