// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Received format=flowed text (RFC 3676) as the reader should see it: soft line breaks (a line
// ending in a space) joined into one line, quote levels kept and written as ">" marks, and
// space-stuffing removed. Lines of another quote level never join; the signature separator
// "-- " always ends its line.
#include <QString>

// delSp: the part's "delsp=yes" (RFC 3676 section 4.2), the space before a soft break is not text.
QString UnflowedText(const QString &text, bool delSp);
