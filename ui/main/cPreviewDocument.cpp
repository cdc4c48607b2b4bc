// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewDocument.h"

cPreviewDocument::cPreviewDocument(QObject *parent) : QTextDocument(parent) {}

void cPreviewDocument::SetInlineParts(cInlinePartLookup inlinePart)
{
    fInlinePart = std::move(inlinePart);
}

QVariant cPreviewDocument::loadResource(int type, const QUrl &name)
{
    // Kept, so that an image is decoded once.
    const QVariant resource = PreviewResource(type, name, fInlinePart);
    addResource(type, name, resource);
    return resource;
}
