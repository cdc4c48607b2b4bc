// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base64 as RFC 2045 asks, a piece at a time so that a large part is decoded as it is read:
// characters outside the alphabet are skipped, a last group without its "=" padding keeps its
// bytes, and "=" ends a run, after which decoding starts afresh (some mailers join runs, each
// padded).
#include <QByteArray>
#include <QByteArrayView>

class cBase64Decoder
{
public:
    // Appends the bytes the piece completes to out.
    void Decode(QByteArrayView piece, QByteArray &out);

private:
    quint32 fBits = 0;
    int fBitCount = 0;
};
