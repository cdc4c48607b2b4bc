// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewBrowser.h"

#include "ui/main/MessageZoom.h"
#include "ui/main/PreviewResources.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

cPreviewBrowser::cPreviewBrowser(QWidget *parent) : QTextBrowser(parent), fMessageFont(font())
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // A scroll bar that comes and goes makes the engine lay a long message out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

// Only a source (history, reload) would ask the browser for a resource; text has none.
QVariant cPreviewBrowser::loadResource(int type, const QUrl &name)
{
    return PreviewResource(type, name, {});
}

void cPreviewBrowser::doSetSource(const QUrl &, QTextDocument::ResourceType) {}

void cPreviewBrowser::SetMessageFont(const QFont &font)
{
    fMessageFont = font;
    ApplyStyle();
}

void cPreviewBrowser::ZoomBy(int steps)
{
    const int zoom = std::clamp(fZoom + steps, kMinZoom, kMaxZoom);
    if (zoom == fZoom)
        return;
    fZoom = zoom;
    ApplyStyle();
    emit ZoomChanged();
}

void cPreviewBrowser::ZoomReset()
{
    ZoomBy(-fZoom);
}

void cPreviewBrowser::ApplyStyle()
{
    QFont zoomed = fMessageFont;
    zoomed.setPointSizeF(ZoomedPointSize(fMessageFont, fZoom));
    setFont(zoomed);
    document()->setDefaultFont(zoomed);
}

void cPreviewBrowser::keyPressEvent(QKeyEvent *event)
{
    switch (ZoomKeyOf(*event)) {
    case eZoomKey::In: return ZoomBy(1);
    case eZoomKey::Out: return ZoomBy(-1);
    case eZoomKey::Reset: return ZoomReset();
    case eZoomKey::None: return QTextBrowser::keyPressEvent(event);
    }
}

void cPreviewBrowser::wheelEvent(QWheelEvent *event)
{
    if (const int steps = ZoomWheelSteps(*event))
        return ZoomBy(steps);
    QTextBrowser::wheelEvent(event);
}
