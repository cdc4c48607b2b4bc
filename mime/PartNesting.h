// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIME library looks for a part's end among the boundaries of every part around it, so its
// reading time grows with the square of the nesting. Before it sees the bytes, the Content-Type of
// each multipart or attached message nested past kMaxNesting levels is found here, to be renamed:
// the library then reads all below it as one opaque part.
#include <QByteArray>
#include <QList>

// Where in raw each Content-Type field of a part nested too deep starts, ascending.
QList<qsizetype> DeepContentTypes(const QByteArray &raw);
