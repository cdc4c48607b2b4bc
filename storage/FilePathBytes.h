// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names on Linux are bytes. Qt reads them as UTF-8 and turns any other byte into U+FFFD,
// so a name in a legacy charset (a Latin-1 "caf\xe9.txt") could be neither opened nor kept.
// These keep every byte: one that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80..U+DCFF and goes back to itself. Qt's own file classes cannot open such a path: open
// it by PathBytes.
#include <QByteArray>
#include <QString>

QString PathFromBytes(QByteArrayView bytes);
QByteArray PathBytes(QStringView path);
