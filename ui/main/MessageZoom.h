// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the reader zooms message text, alike in every view of it: Ctrl+plus, Ctrl+minus and
// Ctrl+0, or Ctrl and the wheel, move the message font a point a step.
#include <QFont>

class QKeyEvent;
class QWheelEvent;

enum class eZoomKey { None, In, Out, Reset };

eZoomKey ZoomKeyOf(const QKeyEvent &event);
// The steps a turn of the wheel zooms by; 0 when it scrolls instead.
int ZoomWheelSteps(const QWheelEvent &event);
// The point size of font zoomed by steps, never below one point.
qreal ZoomedPointSize(const QFont &font, int steps);
// The ratio of that size to the font's own.
qreal ZoomScale(const QFont &font, int steps);
