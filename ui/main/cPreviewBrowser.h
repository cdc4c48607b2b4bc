// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message preview. Message content never makes the program fetch anything: its HTML is
// bounded first (BoundedPreviewHtml), its document loads only what the message holds
// (cPreviewDocument) and remote images only through the lookup given for them, the browser
// itself never goes to another source, and a clicked link is only reported (LinkActivated,
// with the text it was shown as), never followed inside the preview. A link under the mouse
// shows its real target as a tool tip and in LinkHovered.
#include "ui/main/PreviewResources.h"
#include "ui/main/cPreviewDocument.h"

#include <QTextBrowser>

#include <memory>

class cPreviewBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit cPreviewBrowser(QWidget *parent = nullptr);

    // A message's HTML, the lookup of its cid: parts (empty: it has none) and of its remote
    // images (empty: none are loaded).
    void ShowHtml(const QString &html, cInlinePartLookup inlinePart = {}, cRemoteImageLookup remoteImage = {});

    // The default font and style sheet of message text, for a document made elsewhere; scale
    // applies the zoom to the sizes the message sets itself.
    struct cDocumentStyle
    {
        QFont font;
        QString styleSheet;
        qreal scale = 1;
    };
    const cDocumentStyle &DocumentStyle() const { return fStyle; }
    // The document ShowHtml shows, made in any thread (a large message's parse takes seconds);
    // the lookups are called in that thread. It belongs to no one. Backgrounds are taken in as
    // the HTML is read, so remote ones come from remoteImage there, and never later.
    static std::unique_ptr<cPreviewDocument> PreparedDocument(const QString &html, cInlinePartLookup inlinePart,
                                                              const cDocumentStyle &style,
                                                              cRemoteImageLookup remoteImage = {});
    // Shows a document PreparedDocument made, already moved to this thread, and keeps it.
    void AdoptDocument(std::unique_ptr<cPreviewDocument> document, cRemoteImageLookup remoteImage = {});
    QVariant loadResource(int type, const QUrl &name) override;
    // The font of message text, fixed-pitch text included.
    void SetMessageFont(const QFont &font);
    // Ctrl+plus, Ctrl+minus and Ctrl+0 (or Ctrl and the wheel) make message text larger,
    // smaller and as set, a point a step, within kMinZoom and kMaxZoom steps.
    void ZoomBy(int steps);
    void ZoomReset();
    int Zoom() const { return fZoom; }
    static constexpr int kMinZoom = -6;
    static constexpr int kMaxZoom = 24;

signals:
    void LinkActivated(const QUrl &target, const QString &text);
    // The target as it will be opened; empty when the mouse left the link.
    void LinkHovered(const QString &target);
    // Sizes set by the message itself follow only when its HTML is shown again.
    void ZoomChanged();

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void Hovered(const QUrl &target);
    QString ActivatedText(const QUrl &target) const;

    void ApplyStyle();

    cPreviewDocument *fDocument;
    QFont fMessageFont;
    bool fFontSet = false;
    int fZoom = 0;
    cDocumentStyle fStyle;
    QPoint fPressedAt;
};
