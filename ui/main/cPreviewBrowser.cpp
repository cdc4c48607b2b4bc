// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewBrowser.h"

#include "ui/main/MessageZoom.h"
#include "ui/main/PreviewHtml.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QTextBlock>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString fontFamilyForCss(QString family)
{
    return family.remove(u'\'').remove(u'\\');
}

// The run of text linked to href that holds position, in the block of position.
QString anchorText(const QTextCursor &at, const QUrl &href)
{
    QString run;
    bool holdsPosition = false;
    for (auto it = at.block().begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.charFormat().isAnchor() || QUrl(fragment.charFormat().anchorHref()) != href) {
            if (holdsPosition)
                break;
            run.clear();
            continue;
        }
        run += fragment.text();
        holdsPosition = holdsPosition
                        || (fragment.position() <= at.position() && at.position() <= fragment.position() + fragment.length());
    }
    return holdsPosition ? run : QString();
}

// What the reader is told a link leads to: encoded, so no look-alike letters hide the host.
QString shownTarget(const QUrl &target)
{
    return target.isEmpty() ? QString() : QString::fromLatin1(target.toEncoded());
}

// Text whose size the message sets grows and shrinks with the zoom like the rest.
void scaleSetSizes(QTextDocument &document, qreal scale)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.hasProperty(QTextFormat::FontPointSize))
                format.setFontPointSize(format.fontPointSize() * scale);
            else if (format.hasProperty(QTextFormat::FontPixelSize))
                format.setProperty(QTextFormat::FontPixelSize, qRound(format.intProperty(QTextFormat::FontPixelSize) * scale));
            else
                continue;
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

} // namespace

cPreviewBrowser::cPreviewBrowser(QWidget *parent)
    : QTextBrowser(parent), fDocument(new cPreviewDocument(this)), fMessageFont(font())
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setDocument(fDocument);
    // A scroll bar that comes and goes makes the engine lay a long message out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &target) { emit LinkActivated(target, ActivatedText(target)); });
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this, &cPreviewBrowser::Hovered);
    fStyle.font = font();
}

void cPreviewBrowser::ShowHtml(const QString &html, cInlinePartLookup inlinePart, cRemoteImageLookup remoteImage)
{
    AdoptDocument(PreparedDocument(html, std::move(inlinePart), DocumentStyle(), remoteImage), remoteImage);
}

std::unique_ptr<cPreviewDocument> cPreviewBrowser::PreparedDocument(const QString &html, cInlinePartLookup inlinePart,
                                                                    const cDocumentStyle &style,
                                                                    cRemoteImageLookup remoteImage)
{
    auto document = std::make_unique<cPreviewDocument>();
    document->setDefaultFont(style.font);
    document->setDefaultStyleSheet(style.styleSheet);
    document->SetInlineParts(std::move(inlinePart));
    document->SetRemoteImages(std::move(remoteImage));
    document->setHtml(BoundedPreviewHtml(html));
    if (style.scale != 1)
        scaleSetSizes(*document, style.scale);
    return document;
}

void cPreviewBrowser::AdoptDocument(std::unique_ptr<cPreviewDocument> document, cRemoteImageLookup remoteImage)
{
    document->SetRemoteImages(std::move(remoteImage));
    document->setParent(this);
    cPreviewDocument *shown = fDocument;
    fDocument = document.release();
    setDocument(fDocument);
    delete shown;
}

void cPreviewBrowser::mousePressEvent(QMouseEvent *event)
{
    fPressedAt = event->position().toPoint();
    QTextBrowser::mousePressEvent(event);
}

// A click names the link under the mouse; a key names the link the cursor selected.
QString cPreviewBrowser::ActivatedText(const QUrl &target) const
{
    const QString clicked = anchorText(cursorForPosition(fPressedAt), target);
    return clicked.isEmpty() ? textCursor().selectedText() : clicked;
}

void cPreviewBrowser::Hovered(const QUrl &target)
{
    viewport()->setToolTip(shownTarget(target));
    emit LinkHovered(shownTarget(target));
}

// Only a source (history, reload) would ask the browser rather than its document.
QVariant cPreviewBrowser::loadResource(int type, const QUrl &name)
{
    return PreviewResource(type, name, {});
}

void cPreviewBrowser::doSetSource(const QUrl &, QTextDocument::ResourceType) {}

void cPreviewBrowser::SetMessageFont(const QFont &font)
{
    fMessageFont = font;
    fFontSet = true;
    ApplyStyle();
}

void cPreviewBrowser::ZoomBy(int steps)
{
    const int zoom = std::clamp(fZoom + steps, kMinZoom, kMaxZoom);
    if (zoom == fZoom)
        return;
    fZoom = zoom;
    ApplyStyle();
    emit ZoomChanged();
}

void cPreviewBrowser::ZoomReset()
{
    ZoomBy(-fZoom);
}

void cPreviewBrowser::ApplyStyle()
{
    const qreal zoomed = ZoomedPointSize(fMessageFont, fZoom);
    fStyle.font = fMessageFont;
    fStyle.font.setPointSizeF(zoomed);
    fStyle.scale = ZoomScale(fMessageFont, fZoom);
    // Until a message font is set, fixed-pitch text keeps the engine's own font.
    if (fFontSet)
        fStyle.styleSheet = u"pre, tt, code { font-family: '%1'; font-size: %2pt; }"_s.arg(
            fontFamilyForCss(fStyle.font.family()), QString::number(zoomed));
    setFont(fStyle.font);
    fDocument->setDefaultFont(fStyle.font);
    fDocument->setDefaultStyleSheet(fStyle.styleSheet);
}

void cPreviewBrowser::keyPressEvent(QKeyEvent *event)
{
    switch (ZoomKeyOf(*event)) {
    case eZoomKey::In: return ZoomBy(1);
    case eZoomKey::Out: return ZoomBy(-1);
    case eZoomKey::Reset: return ZoomReset();
    case eZoomKey::None: return QTextBrowser::keyPressEvent(event);
    }
}

void cPreviewBrowser::wheelEvent(QWheelEvent *event)
{
    if (const int steps = ZoomWheelSteps(*event))
        return ZoomBy(steps);
    QTextBrowser::wheelEvent(event);
}
