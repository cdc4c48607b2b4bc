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
