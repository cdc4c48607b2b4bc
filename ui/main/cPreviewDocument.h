// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document that reads a message's HTML (as text, for "Prefer plain text"). Every resource it asks
// for goes through PreviewResource, never to the file system or the network; the message shown
// decides which cid: parts there are.
#include "ui/main/PreviewResources.h"

#include <QTextDocument>

class cPreviewDocument : public QTextDocument
{
    Q_OBJECT
public:
    explicit cPreviewDocument(QObject *parent = nullptr);

    // Before setting the message's HTML; an empty lookup means the message has no parts.
    void SetInlineParts(cInlinePartLookup inlinePart);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    cInlinePartLookup fInlinePart;
};
