// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base64 (RFC 2045 section 6.8) for attachments. EncodeFile fills an outgoing item's Lines
// from its file: 76 characters a line, "=" padding. DecodeLines turns an incoming item's
// Lines into its Stream and drops the lines. Both report through TVrxCodecEvents: Start,
// Progress at whole-percent thresholds, a final 100, End.
#include "mailproto/TAttachedFile.h"
#include "mailproto/TVrxCodecEvents.h"

class TVrxBase64
{
public:
    static constexpr qint64 LineBytes = 57;
    static constexpr qint64 LineChars = 76;
    static constexpr qint64 BlockBytes = 40 * LineBytes;
    static constexpr qint64 ReadBytes = 460 * BlockBytes;

    // Throws EVrxError naming the file when it cannot be read; no event is raised then.
    static void EncodeFile(TAttachedFile &item, const TVrxCodecEvents &events);
    // Never fails: characters outside the alphabet are skipped, a group cut short by "=" or by
    // the end of the data keeps the bytes its characters hold.
    static void DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events);
    // The same for encoded text that still holds its line breaks, which are skipped like any
    // character outside the alphabet: a large attachment is decoded without a list of lines.
    // Start counts the text's lines; progress follows the bytes read.
    static void DecodeText(TAttachedFile &item, QByteArrayView text, const TVrxCodecEvents &events);

    // Cuts base64 text into lines of 76 characters, the last one shorter. The lines share the
    // text's buffer, so a line's bytes are not followed by a terminating zero.
    static QList<QByteArray> SplitLines(const QByteArray &encoded);

private:
    static void AppendLines(QList<QByteArray> &lines, QByteArray encoded);
};
