// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line handling shared by the builder and the parser: messages arrive with CR LF, LF or CR
// line ends (files from disk, the wire) and are kept as lists of lines without terminators.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class TVrxLines
{
public:
    // Splits at CR LF, CR or LF; a final line end does not start another, empty line.
    static QList<QByteArray> Split(const QByteArray &text);
    // The same lines as views into text, without copying: valid only while text lives unchanged.
    static QList<QByteArray> SplitViews(const QByteArray &text);
    // Removes the byte-stuffing of a dot-terminated multi-line reply (RFC 1939 section 3).
    static void Unstuff(QList<QByteArray> &lines);
    // The message of a POP3 reply as it was sent: the dot added before every line that began
    // with one is taken off again. Without such a line the bytes are shared, not copied.
    static QByteArray UnstuffedMessage(QByteArray reply);
    // Where the first line at or after from that begins with a dot begins (its dot), the text's
    // first line counting only when from is 0; -1 when there is none. Fast over data with few
    // dots, as a large message mostly is.
    static qsizetype DotLineAt(QByteArrayView text, qsizetype from = 0);
    // Every CR or LF inside a header value becomes a space, so a value never starts a new line.
    static QByteArray SingleLine(QByteArray value);
    // A command argument loses its CR and LF, so it can never carry a second command.
    static QByteArray WithoutLineBreaks(QByteArray value);
    static bool StartsWithNoCase(const QByteArray &line, const QByteArray &upperKey);

private:
    template<typename MakeLine>
    static QList<QByteArray> SplitWith(const QByteArray &text, MakeLine makeLine);
};
