// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewBrowser.h"

#include "ui/main/PreviewHtml.h"

#include <QMouseEvent>
#include <QTextBlock>

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

} // namespace

cPreviewBrowser::cPreviewBrowser(QWidget *parent) : QTextBrowser(parent), fDocument(new cPreviewDocument(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setDocument(fDocument);
    // A scroll bar that comes and goes makes the engine lay a long message out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &target) { emit LinkActivated(target, ActivatedText(target)); });
    connect(this, qOverload<const QUrl &>(&QTextBrowser::highlighted), this, &cPreviewBrowser::Hovered);
}

void cPreviewBrowser::ShowHtml(const QString &html, cInlinePartLookup inlinePart, cRemoteImageLookup remoteImage)
{
    AdoptDocument(PreparedDocument(html, std::move(inlinePart), DocumentStyle()), std::move(remoteImage));
}

cPreviewBrowser::cDocumentStyle cPreviewBrowser::DocumentStyle() const
{
    return {fDocument->defaultFont(), fDocument->defaultStyleSheet()};
}

std::unique_ptr<cPreviewDocument> cPreviewBrowser::PreparedDocument(const QString &html, cInlinePartLookup inlinePart,
                                                                    const cDocumentStyle &style)
{
    auto document = std::make_unique<cPreviewDocument>();
    document->setDefaultFont(style.font);
    document->setDefaultStyleSheet(style.styleSheet);
    document->SetInlineParts(std::move(inlinePart));
    document->setHtml(BoundedPreviewHtml(html));
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
    setFont(font);
    document()->setDefaultFont(font);
    document()->setDefaultStyleSheet(u"pre, tt, code { font-family: '%1'; font-size: %2pt; }"_s.arg(
        fontFamilyForCss(font.family()), QString::number(font.pointSize())));
}
