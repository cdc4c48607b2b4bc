#pragma once
// The message preview. Message content never makes the program fetch anything: its HTML is
// bounded first (BoundedPreviewHtml), its document loads only what the message holds
// (cPreviewDocument), the browser itself never goes to another source, and a clicked link is
// only reported (anchorClicked), never followed inside the preview.
#include "ui/main/PreviewResources.h"

#include <QTextBrowser>

class cPreviewDocument;

class cPreviewBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit cPreviewBrowser(QWidget *parent = nullptr);

    // A message's HTML and the lookup of its cid: parts (empty: it has none).
    void ShowHtml(const QString &html, cInlinePartLookup inlinePart = {});
    QVariant loadResource(int type, const QUrl &name) override;
    // The font of message text, fixed-pitch text included.
    void SetMessageFont(const QFont &font);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    cPreviewDocument *fDocument;
};
