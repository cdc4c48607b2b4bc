// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mail whose header block runs straight into the text, without the blank line between them,
// would have its first text lines read as broken header fields and dropped. The blank line is
// put back before the first line that cannot be a header field.
#include <QByteArray>
#include <QList>

QByteArray WithHeaderEnd(const QByteArray &raw);

// The lines of the header block as they stand, its closing empty line included; none when
// the message has no empty line to end it.
QList<QByteArray> HeaderLines(const QByteArray &raw);
