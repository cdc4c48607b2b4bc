// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MessageZoom.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

qreal pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

eZoomKey ZoomKeyOf(const QKeyEvent &event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier))
        return eZoomKey::None;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return eZoomKey::In;
    case Qt::Key_Minus: return eZoomKey::Out;
    case Qt::Key_0: return eZoomKey::Reset;
    default: return eZoomKey::None;
    }
}

int ZoomWheelSteps(const QWheelEvent &event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier) || event.angleDelta().y() == 0)
        return 0;
    return event.angleDelta().y() > 0 ? 1 : -1;
}

qreal ZoomedPointSize(const QFont &font, int steps)
{
    return std::max<qreal>(pointSize(font) + steps, 1);
}

qreal ZoomScale(const QFont &font, int steps)
{
    return ZoomedPointSize(font, steps) / pointSize(font);
}
