// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The uuencode line format, decoding only: an incoming item's Lines, from its "begin" line up
// to a line "end" or a lone grave accent, become its Stream. A character outside the format
// ends the decoding: the bytes decoded so far are stored, the End event is raised, and the
// result is false. Malformed mail is data, so this is no exception.
#include "mailproto/TAttachedFile.h"
#include "mailproto/TVrxCodecEvents.h"

class TVrxUU
{
public:
    static constexpr int MaxLineBytes = 45;

    [[nodiscard]] static bool DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events);
};
