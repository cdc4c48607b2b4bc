// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message's HTML laid out by litehtml at the width of the view and drawn in it, scrolled by
// the bars, the keys and the wheel. It loads what cLitehtmlContainer allows and nothing else;
// the HTML is bounded first (BoundedPreviewHtml) so hostile nesting costs nothing. A link under
// the mouse shows its real target as a tool tip and in LinkHovered; a click is only reported
// (LinkActivated, with the text it was shown as), never followed here.
//
// Text is selected by dragging across it (Ctrl+A: all), copied with Ctrl+C or the context menu,
// and found with Find; what the reader selects is the primary selection too, where there is
// one. The message font is the default font of the HTML; zoom (Ctrl+plus, Ctrl+minus, Ctrl+0,
// Ctrl and the wheel) scales the whole picture, a point of that font a step.
#include "ui/main/PreviewResources.h"

#include <QAbstractScrollArea>
#include <QTextDocument>
#include <QUrl>

#include <memory>

class QPagedPaintDevice;
class cHtmlLayout;
class cHtmlTextMap;
namespace litehtml {
class element;
} // namespace litehtml

class cHtmlView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr int kMinZoom = -6;
    static constexpr int kMaxZoom = 24;

    explicit cHtmlView(QWidget *parent = nullptr);
    ~cHtmlView() override;

    // A message's HTML, the lookup of its cid: parts (empty: it has none) and of its remote
    // images (empty: none are loaded).
    void ShowHtml(const QString &html, cInlinePartLookup inlinePart = {}, cRemoteImageLookup remoteImage = {});
    // Shows layout, read from html elsewhere (a worker thread) in MessageFont(). The view never
    // lays it out again itself (a large message would hold the window for seconds): when its
    // width, zoom or font changes it asks with LayoutWanted and shows the old layout meanwhile.
    // The lookups serve printing.
    void Adopt(std::unique_ptr<cHtmlLayout> layout, const QString &html, cInlinePartLookup inlinePart,
               cRemoteImageLookup remoteImage);
    void Clear();

    // The text shown, as copy would give it.
    QString PlainText() const;
    QString SelectedText() const;
    bool HasSelection() const { return fSelectionStart != fSelectionEnd; }
    void SelectAll();
    void Copy() const;
    // The text the reader last selected by hand (dragging, a double-click, Ctrl+A), which goes
    // to the primary selection where the platform has one (QClipboard::Selection, X11), as in
    // QTextBrowser; a selection made for them (Find, Select all from a menu) does not.
    const QString &OfferedSelection() const { return fOfferedSelection; }
    // The next place the text occurs after the selection (before it, backward), selected and
    // scrolled into view; false when there is none.
    bool Find(const QString &text, QTextDocument::FindFlags flags = {});
    const cHtmlTextMap &TextMap() const;
    // What is shown, laid out; null when nothing is.
    const cHtmlLayout *ShownLayout() const { return fLayout.get(); }
    // Where the text from..to stands in the viewport now; empty when it is not shown.
    QRect TextRect(qsizetype from, qsizetype to) const;

    void SetMessageFont(const QFont &font);
    const QFont &MessageFont() const { return fMessageFont; }
    // The width in document pixels the view lays its document out at now, or would with a
    // viewport that wide.
    int LayoutWidth() const { return LayoutWidthAt(viewport()->width()); }
    int LayoutWidthAt(int viewportWidth) const;
    void ZoomBy(int steps);
    void ZoomReset();
    int Zoom() const { return fZoom; }
    qreal Scale() const;
    // The size of the laid-out document in the view's pixels, zoom included.
    QSize DocumentSize() const;
    // The link under a point of the viewport; empty when there is none.
    QUrl LinkAt(QPoint point) const;

    // The shown HTML in pages at the printer's width, below the header (rich text, the message's
    // header block) on the first, at the zoom of the view.
    void Print(QPagedPaintDevice &printer, const QString &headerHtml) const;

signals:
    void LinkActivated(const QUrl &target, const QString &text);
    // The target as it will be opened; empty when the mouse left the link.
    void LinkHovered(const QString &target);
    void SelectionChanged();
    void ZoomChanged();
    // An adopted layout no longer fits the view: a new one is wanted at LayoutWidth().
    void LayoutWanted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void Show(std::unique_ptr<cHtmlLayout> layout, const QString &html, cInlinePartLookup inlinePart,
              cRemoteImageLookup remoteImage);
    void Layout();
    void UpdateScrollBars();
    // Viewport points and document points, at the zoom and scroll of the view.
    QPoint ToDocument(QPoint viewportPoint) const;
    QRect ToViewport(const QRect &documentRect) const;
    std::shared_ptr<litehtml::element> AnchorAt(QPoint viewportPoint) const;
    void Hover(QPoint viewportPoint);
    void Select(qsizetype start, qsizetype end);
    void OfferSelection();
    void ScrollTo(const QRect &viewportRect);

    std::unique_ptr<cHtmlLayout> fLayout;
    bool fAdopted = false; // fLayout was made elsewhere, and is laid out there again
    // What was shown, to show it again in another font.
    QString fHtml;
    cInlinePartLookup fInlinePart;
    cRemoteImageLookup fRemoteImage;
    QFont fMessageFont;
    int fZoom = 0;
    qsizetype fSelectionStart = 0;
    qsizetype fSelectionEnd = 0;
    bool fSelecting = false;
    QString fOfferedSelection;
    QUrl fPressedLink;
    QString fHovered;
};
