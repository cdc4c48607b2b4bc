// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The uuencode line format, decoding only: an incoming item's Lines, from its "begin" line up
// to a line "end" or a lone grave accent, become its Stream. A character outside the format
// throws EVrxFormatError with the caller's format-error text, after the bytes decoded so far were
// stored and the End event was raised.
#include "mailproto/TAttachedFile.h"
#include "mailproto/TVrxCodecEvents.h"

class TVrxUU
{
public:
    static constexpr int MaxLineBytes = 45;

    static void DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events, const QString &formatError);
};
