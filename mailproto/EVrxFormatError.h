// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A received message whose structure cannot be read (a multipart without its boundary or its
// delimiter lines, a uuencoded line with a character outside the format). It is an EVrxError,
// so existing handlers still see it; a caller that keeps such a message as raw text catches
// this type alone and lets file errors and misuse pass.
#include "mailproto/EVrxError.h"

class EVrxFormatError : public EVrxError
{
public:
    using EVrxError::EVrxError;
};
