// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message's HTML read by litehtml and laid out at a width, with the container that draws it and
// the map of its text. Made in any thread: litehtml keeps no state of its own beyond the document
// and its container, and the container holds only QFont, QFontMetrics and QImage values, so a
// layout made on a worker may be handed to the window's thread and used there alone. The lookups
// are called where the HTML is read (the constructor) and never later.
#include "ui/main/PreviewResources.h"

#include <QFont>
#include <QString>

#include <memory>

class cHtmlTextMap;
class cLitehtmlContainer;
namespace litehtml {
class document;
}

class cHtmlLayout
{
public:
    // The HTML is bounded (BoundedPreviewHtml) before litehtml reads it.
    cHtmlLayout(const QString &html, const QFont &messageFont, cInlinePartLookup inlinePart,
                cRemoteImageLookup remoteImage);
    ~cHtmlLayout();

    // From this many words on, a layout measures where it draws (cLitehtmlContainer::
    // MeasureDrawing), so that a draw visits only what is in sight. That costs about two draws
    // of the whole document, and a draw of a 200 KB newsletter (23,000 words, spaces and breaks)
    // takes 3.5 ms on the build machine; one of 5 MB (600,000) 107 ms.
    static constexpr qsizetype kMeasuredRuns = 50000;

    // Lays the document out at width, unless it already is.
    void LayOut(int width);
    int Width() const { return fWidth; }
    litehtml::document &Document() const { return *fDocument; }
    cLitehtmlContainer &Container() const { return *fContainer; }
    const cHtmlTextMap &TextMap() const { return *fText; }

private:
    std::unique_ptr<cLitehtmlContainer> fContainer; // outlives fDocument
    std::shared_ptr<litehtml::document> fDocument;
    std::unique_ptr<cHtmlTextMap> fText;
    int fWidth = -1;
};
