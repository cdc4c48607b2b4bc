// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview's document. Every resource it asks for goes through PreviewResource, never to the
// file system or the network; the message shown decides which cid: parts there are. Remote
// images go to a lookup of their own, and only when the reader allowed them for the message.
#include "ui/main/PreviewResources.h"

#include <QImage>
#include <QTextDocument>

// The image fetched for a web address, or a placeholder while it is on its way.
using cRemoteImageLookup = std::function<QImage(const QUrl &url)>;

class cPreviewDocument : public QTextDocument
{
    Q_OBJECT
public:
    explicit cPreviewDocument(QObject *parent = nullptr);

    // Before setting the message's HTML; an empty lookup means the message has no parts.
    void SetInlineParts(cInlinePartLookup inlinePart);
    // Empty (as it starts): nothing remote is asked for.
    void SetRemoteImages(cRemoteImageLookup remoteImage);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    cInlinePartLookup fInlinePart;
    cRemoteImageLookup fRemoteImage;
};
