// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every dialog and work window over the sample settings, each drawn at the size it opens with
// into <folder>/ravelin-<name>.png. One line per picture goes to out: its name, its size, and
// "too large" when it does not fit the screen. Needs the sample mail and settings in place
// (messagePath is a message file of the sample mailbox).
#include <QString>
#include <QTextStream>

bool SaveDialogPictures(const QString &folder, const QString &messagePath, QTextStream &out);
