// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewDocument.h"

#include "ui/main/RemoteContent.h"

cPreviewDocument::cPreviewDocument(QObject *parent) : QTextDocument(parent) {}

void cPreviewDocument::SetInlineParts(cInlinePartLookup inlinePart)
{
    fInlinePart = std::move(inlinePart);
}

void cPreviewDocument::SetRemoteImages(cRemoteImageLookup remoteImage)
{
    fRemoteImage = std::move(remoteImage);
}

QVariant cPreviewDocument::loadResource(int type, const QUrl &name)
{
    const bool remote = fRemoteImage && type == QTextDocument::ImageResource && IsFetchableImageUrl(name);
    // Kept, so that an image is decoded once, not at every paint.
    const QVariant resource = remote ? QVariant(fRemoteImage(name)) : PreviewResource(type, name, fInlinePart);
    addResource(type, name, resource);
    return resource;
}
