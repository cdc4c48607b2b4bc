// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files sent uuencoded inside plain text ("begin 644 name" ... "end"), as older mailers do: each
// block is taken out of the text and becomes a part of its own. A block that does not decode
// stays in the text as it came.
#include "mime/cDecodedMail.h"

#include <QByteArray>
#include <QList>

QList<cDecodedPart> TakeUUBlocks(QList<QByteArray> &lines);
