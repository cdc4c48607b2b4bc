// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/WindowSize.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace {

QRect availableArea(const QWidget *window)
{
    const QScreen *shown = window->screen();
    return shown ? shown->availableGeometry() : QRect();
}

// The height a layout of wrapped labels needs at width; Qt's minimum size of a window leaves
// it out, so a short window lets a field cover the text above it.
int neededHeight(const QWidget *window, int width)
{
    const QLayout *layout = window->layout();
    const int wanted = layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : 0;
    return std::max(wanted, window->minimumSizeHint().height());
}

} // namespace

QSize FontScaledSize(const QWidget *window, int columns, int lines)
{
    const QFontMetrics metrics = window->fontMetrics();
    return {metrics.averageCharWidth() * columns, metrics.lineSpacing() * lines};
}

void ResizeForFont(QWidget *window, int columns, int lines)
{
    QSize size = FontScaledSize(window, columns, lines).expandedTo(window->minimumSizeHint());
    size.setHeight(std::max(size.height(), neededHeight(window, size.width())));
    // A tenth of the screen is left for the window's frame and title bar.
    if (const QRect area = availableArea(window); area.isValid())
        size = size.boundedTo(area.size() * 0.9);
    window->resize(size);
}

QRect FittedInto(QRect frame, const QRect &area)
{
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(qBound(area.left(), frame.left(), area.right() + 1 - frame.width()));
    frame.moveTop(qBound(area.top(), frame.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

void KeepOnScreen(QWidget *window)
{
    const QRect area = availableArea(window);
    // A maximized window is placed by the desktop.
    if (!area.isValid() || window->isMaximized() || window->isFullScreen())
        return;
    const QRect frame = window->frameGeometry();
    const QRect fitted = FittedInto(frame, area);
    if (fitted.size() != frame.size())
        window->resize(window->size() - (frame.size() - fitted.size()));
    if (fitted.topLeft() != frame.topLeft())
        window->move(fitted.topLeft());
}
