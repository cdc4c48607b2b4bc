// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cHtmlView.h"

#include "ui/main/MessageZoom.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlTextMap.h"
#include "ui/main/cLitehtmlContainer.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What the reader is told a link leads to: encoded, so no look-alike letters hide the host.
QString shownTarget(const QUrl &target)
{
    return target.isEmpty() ? QString() : QString::fromLatin1(target.toEncoded());
}

QString elementText(const std::shared_ptr<litehtml::element> &element)
{
    litehtml::tstring text;
    element->get_text(text);
    return QString::fromUtf8(text.data(), qsizetype(text.size())).simplified();
}

QUrl hrefOf(const std::shared_ptr<litehtml::element> &anchor)
{
    return anchor ? QUrl(QString::fromUtf8(anchor->get_attr("href", "")).trimmed()) : QUrl();
}

} // namespace

cHtmlView::cHtmlView(QWidget *parent) : QAbstractScrollArea(parent), fMessageFont(font())
{
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar that comes and goes would lay a long message out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

cHtmlView::~cHtmlView() = default;

void cHtmlView::ShowHtml(const QString &html, cInlinePartLookup inlinePart, cRemoteImageLookup remoteImage)
{
    auto layout = std::make_unique<cHtmlLayout>(html, fMessageFont, inlinePart, remoteImage);
    Show(std::move(layout), html, std::move(inlinePart), std::move(remoteImage));
    fAdopted = false;
    Layout();
}

void cHtmlView::Adopt(std::unique_ptr<cHtmlLayout> layout, const QString &html, cInlinePartLookup inlinePart,
                      cRemoteImageLookup remoteImage)
{
    Show(std::move(layout), html, std::move(inlinePart), std::move(remoteImage));
    fAdopted = true;
    Layout();
}

void cHtmlView::Show(std::unique_ptr<cHtmlLayout> layout, const QString &html, cInlinePartLookup inlinePart,
                     cRemoteImageLookup remoteImage)
{
    fHtml = html;
    fInlinePart = std::move(inlinePart);
    fRemoteImage = std::move(remoteImage);
    fLayout = std::move(layout);
    fSelectionStart = fSelectionEnd = 0;
}

void cHtmlView::Clear()
{
    fLayout.reset();
    fAdopted = false;
    fHtml.clear();
    fInlinePart = {};
    fRemoteImage = {};
    fSelectionStart = fSelectionEnd = 0;
    UpdateScrollBars();
    viewport()->update();
}

const cHtmlTextMap &cHtmlView::TextMap() const
{
    static const cHtmlTextMap kNoText;
    return fLayout ? fLayout->TextMap() : kNoText;
}

int cHtmlView::LayoutWidthAt(int viewportWidth) const
{
    return std::max(1, int(viewportWidth / Scale()));
}

qreal cHtmlView::Scale() const
{
    return ZoomScale(fMessageFont, fZoom);
}

void cHtmlView::Layout()
{
    if (fLayout && fLayout->Width() != LayoutWidth()) {
        if (fAdopted)
            emit LayoutWanted();
        else
            fLayout->LayOut(LayoutWidth());
        // The text may have moved between lines; the selection keeps its letters where it can.
        fSelectionStart = std::min(fSelectionStart, TextMap().Text().size());
        fSelectionEnd = std::min(fSelectionEnd, TextMap().Text().size());
    }
    UpdateScrollBars();
    viewport()->update();
}

QSize cHtmlView::DocumentSize() const
{
    if (!fLayout)
        return {};
    const litehtml::document &document = fLayout->Document();
    return QSize(qRound(document.width() * Scale()), qRound(document.height() * Scale()));
}

void cHtmlView::UpdateScrollBars()
{
    const QSize size = DocumentSize();
    const QSize shown = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, size.height() - shown.height()));
    verticalScrollBar()->setPageStep(shown.height());
    verticalScrollBar()->setSingleStep(fontMetrics().lineSpacing() * 2);
    horizontalScrollBar()->setRange(0, std::max(0, size.width() - shown.width()));
    horizontalScrollBar()->setPageStep(shown.width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 4);
}

void cHtmlView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    Layout();
}

void cHtmlView::scrollContentsBy(int, int)
{
    viewport()->update();
}

QPoint cHtmlView::ToDocument(QPoint viewportPoint) const
{
    const QPoint scrolled = viewportPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    return QPoint(int(scrolled.x() / Scale()), int(scrolled.y() / Scale()));
}

QRect cHtmlView::ToViewport(const QRect &documentRect) const
{
    const qreal scale = Scale();
    const QRectF scaled(documentRect.x() * scale, documentRect.y() * scale, documentRect.width() * scale,
                        documentRect.height() * scale);
    return scaled.toAlignedRect().translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

void cHtmlView::paintEvent(QPaintEvent *)
{
    if (!fLayout)
        return;
    QPainter painter(viewport());
    const qreal scale = Scale();
    const QPoint origin = ToDocument(QPoint());
    painter.save();
    painter.scale(scale, scale);
    const litehtml::position clip(0, 0, int(viewport()->width() / scale) + 1, int(viewport()->height() / scale) + 1);
    fLayout->Document().draw(reinterpret_cast<litehtml::uint_ptr>(&painter), -origin.x(), -origin.y(), &clip);
    painter.restore();
    painter.setClipping(false);
    // Over the text rather than behind it: the document paints its own backgrounds.
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(110);
    for (const QRect &box : TextMap().Rects(std::min(fSelectionStart, fSelectionEnd), std::max(fSelectionStart, fSelectionEnd))) {
        if (const QRect shown = ToViewport(box); shown.intersects(viewport()->rect()))
            painter.fillRect(shown, highlight);
    }
}

QString cHtmlView::PlainText() const
{
    return TextMap().Text();
}

QString cHtmlView::SelectedText() const
{
    const qsizetype start = std::min(fSelectionStart, fSelectionEnd);
    return TextMap().Text().mid(start, std::max(fSelectionStart, fSelectionEnd) - start);
}

void cHtmlView::Select(qsizetype start, qsizetype end)
{
    if (start == fSelectionStart && end == fSelectionEnd)
        return;
    fSelectionStart = start;
    fSelectionEnd = end;
    viewport()->update();
    emit SelectionChanged();
}

void cHtmlView::SelectAll()
{
    Select(0, TextMap().Text().size());
}

void cHtmlView::OfferSelection()
{
    if (!HasSelection())
        return;
    fOfferedSelection = SelectedText();
    if (QClipboard *clipboard = QApplication::clipboard(); clipboard->supportsSelection())
        clipboard->setText(fOfferedSelection, QClipboard::Selection);
}

void cHtmlView::Copy() const
{
    if (HasSelection())
        QApplication::clipboard()->setText(SelectedText());
}

QRect cHtmlView::TextRect(qsizetype from, qsizetype to) const
{
    QRect covered;
    for (const QRect &box : TextMap().Rects(from, to))
        covered |= ToViewport(box);
    return covered;
}

bool cHtmlView::Find(const QString &text, QTextDocument::FindFlags flags)
{
    if (text.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = flags.testFlag(QTextDocument::FindCaseSensitively) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const bool backward = flags.testFlag(QTextDocument::FindBackward);
    const qsizetype start = std::min(fSelectionStart, fSelectionEnd);
    const qsizetype end = std::max(fSelectionStart, fSelectionEnd);
    const qsizetype found = backward ? (start == 0 ? -1 : TextMap().Text().lastIndexOf(text, start - 1, cs))
                                     : TextMap().Text().indexOf(text, end, cs);
    if (found < 0)
        return false;
    Select(found, found + text.size());
    ScrollTo(TextRect(found, found + text.size()));
    return true;
}

void cHtmlView::ScrollTo(const QRect &viewportRect)
{
    const QRect shown = viewport()->rect();
    if (viewportRect.isEmpty() || shown.contains(viewportRect))
        return;
    // The hit a third down the view, so what leads to it shows too.
    if (viewportRect.top() < shown.top() || viewportRect.bottom() > shown.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + viewportRect.top() - shown.height() / 3);
    if (viewportRect.left() < shown.left() || viewportRect.right() > shown.right())
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + viewportRect.left() - shown.width() / 3);
}

std::shared_ptr<litehtml::element> cHtmlView::AnchorAt(QPoint viewportPoint) const
{
    if (!fLayout)
        return nullptr;
    const QPoint at = ToDocument(viewportPoint);
    const QPoint client = QPoint(int(viewportPoint.x() / Scale()), int(viewportPoint.y() / Scale()));
    for (auto element = fLayout->Document().root()->get_element_by_point(at.x(), at.y(), client.x(), client.y()); element;
         element = element->parent()) {
        if (qstricmp(element->get_tagName(), "a") == 0 && element->get_attr("href"))
            return element;
    }
    return nullptr;
}

QUrl cHtmlView::LinkAt(QPoint point) const
{
    return hrefOf(AnchorAt(point));
}

void cHtmlView::Hover(QPoint viewportPoint)
{
    const QString target = shownTarget(LinkAt(viewportPoint));
    viewport()->setCursor(target.isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
    if (target == fHovered)
        return;
    fHovered = target;
    viewport()->setToolTip(target);
    emit LinkHovered(target);
}

void cHtmlView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    fPressedLink = LinkAt(at);
    const qsizetype offset = TextMap().OffsetAt(ToDocument(at));
    Select(event->modifiers().testFlag(Qt::ShiftModifier) ? fSelectionStart : offset, offset);
    fSelecting = true;
}

void cHtmlView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    Hover(at);
    if (!fSelecting || !event->buttons().testFlag(Qt::LeftButton))
        return;
    Select(fSelectionStart, TextMap().OffsetAt(ToDocument(at)));
    // Dragging past the edge scrolls on.
    if (at.y() < 0 || at.y() > viewport()->height())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + (at.y() < 0 ? at.y() : at.y() - viewport()->height()));
}

void cHtmlView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    if (std::exchange(fSelecting, false))
        OfferSelection();
    const auto anchor = AnchorAt(event->position().toPoint());
    // A click, not a drag that ends on a link.
    if (!HasSelection() && !fPressedLink.isEmpty() && hrefOf(anchor) == fPressedLink)
        emit LinkActivated(fPressedLink, elementText(anchor));
    fPressedLink.clear();
}

void cHtmlView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseDoubleClickEvent(event);
    const QString &text = TextMap().Text();
    qsizetype start = TextMap().OffsetAt(ToDocument(event->position().toPoint()));
    qsizetype end = start;
    while (start > 0 && text.at(start - 1).isLetterOrNumber())
        --start;
    while (end < text.size() && text.at(end).isLetterOrNumber())
        ++end;
    Select(start, end);
    OfferSelection();
}

void cHtmlView::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const int key = event->key();
    if (const eZoomKey zoom = ZoomKeyOf(*event); zoom != eZoomKey::None) {
        zoom == eZoomKey::Reset ? ZoomReset() : ZoomBy(zoom == eZoomKey::In ? 1 : -1);
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        OfferSelection();
    } else if (key == Qt::Key_Home && control) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (key == Qt::Key_End && control) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else if (key == Qt::Key_Space) {
        verticalScrollBar()->triggerAction(event->modifiers().testFlag(Qt::ShiftModifier) ? QAbstractSlider::SliderPageStepSub
                                                                                            : QAbstractSlider::SliderPageStepAdd);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void cHtmlView::wheelEvent(QWheelEvent *event)
{
    if (const int steps = ZoomWheelSteps(*event))
        return ZoomBy(steps);
    QAbstractScrollArea::wheelEvent(event);
}

void cHtmlView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("&Copy"), this, &cHtmlView::Copy)->setEnabled(HasSelection());
    if (const QUrl link = LinkAt(event->pos()); !link.isEmpty())
        menu.addAction(tr("Copy &link address"), this, [link] { QApplication::clipboard()->setText(shownTarget(link)); });
    menu.addSeparator();
    menu.addAction(tr("Select &all"), this, &cHtmlView::SelectAll);
    menu.exec(event->globalPos());
}

void cHtmlView::SetMessageFont(const QFont &font)
{
    fMessageFont = font;
    // litehtml takes its fonts as it reads the HTML.
    if (fAdopted)
        emit LayoutWanted();
    else if (fLayout)
        ShowHtml(QString(fHtml), fInlinePart, fRemoteImage);
}

void cHtmlView::ZoomBy(int steps)
{
    const int zoom = std::clamp(fZoom + steps, kMinZoom, kMaxZoom);
    if (zoom == fZoom)
        return;
    fZoom = zoom;
    Layout();
    emit ZoomChanged();
}

void cHtmlView::ZoomReset()
{
    ZoomBy(-fZoom);
}

void cHtmlView::Print(QPagedPaintDevice &printer, const QString &headerHtml) const
{
    QPainter painter(&printer);
    const QSize area(printer.width(), printer.height());
    // Pixels of HTML are a 96th of an inch on paper too.
    const qreal scale = Scale() * printer.logicalDpiY() / 96.0;
    int headerHeight = 0;
    if (!headerHtml.isEmpty()) {
        QTextDocument header;
        header.documentLayout()->setPaintDevice(&printer);
        header.setDefaultFont(fMessageFont);
        header.setHtml(headerHtml + u"<hr>"_s);
        header.setTextWidth(area.width());
        header.drawContents(&painter);
        headerHeight = qCeil(header.size().height());
    }
    if (fHtml.isEmpty())
        return;
    cHtmlLayout layout(fHtml, fMessageFont, fInlinePart, fRemoteImage);
    const int width = std::max(1, int(area.width() / scale));
    layout.LayOut(width);
    litehtml::document &document = layout.Document();
    int offset = headerHeight;
    for (int top = 0; top < document.height();) {
        const int pageHeight = std::max(1, int((area.height() - offset) / scale));
        int bottom = layout.TextMap().PageBreak(top, top + pageHeight);
        if (bottom <= top)
            bottom = top + pageHeight;
        painter.save();
        painter.translate(0, offset);
        painter.scale(scale, scale);
        layout.Container().SetPageClip(QRect(0, 0, std::max(width, document.width()), bottom - top));
        const litehtml::position clip(0, 0, std::max(width, document.width()), bottom - top);
        document.draw(reinterpret_cast<litehtml::uint_ptr>(&painter), 0, -top, &clip);
        painter.restore();
        top = bottom;
        offset = 0;
        if (top < document.height())
            printer.newPage();
    }
}
