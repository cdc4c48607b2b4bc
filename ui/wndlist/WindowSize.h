// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening sizes of windows: given in characters and lines of the window's own font, so that a
// window grows with the font, never smaller than its layout needs at that width (wrapped labels
// included) and never larger than the screen it opens on.
#include <QRect>
#include <QSize>

class QWidget;

// columns average characters wide, lines lines of text tall, in the window's font.
QSize FontScaledSize(const QWidget *window, int columns, int lines);
// Resizes window to FontScaledSize, grown to what its layout needs, but to no more than nine
// tenths of its screen.
void ResizeForFont(QWidget *window, int columns, int lines);
// frame moved (and shrunk when larger) so that it lies within area.
QRect FittedInto(QRect frame, const QRect &area);
// Moves window, shrinking it where it can, so that its frame lies on its screen; a maximized
// window is left as it is.
void KeepOnScreen(QWidget *window);
