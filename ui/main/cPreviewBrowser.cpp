#include "ui/main/cPreviewBrowser.h"

#include "ui/main/PreviewHtml.h"
#include "ui/main/cPreviewDocument.h"

using namespace Qt::StringLiterals;

namespace {

QString fontFamilyForCss(QString family)
{
    return family.remove(u'\'').remove(u'\\');
}

} // namespace

cPreviewBrowser::cPreviewBrowser(QWidget *parent) : QTextBrowser(parent), fDocument(new cPreviewDocument(this))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setDocument(fDocument);
}

void cPreviewBrowser::ShowHtml(const QString &html, cInlinePartLookup inlinePart)
{
    fDocument->clear();
    fDocument->SetInlineParts(std::move(inlinePart));
    setHtml(BoundedPreviewHtml(html));
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
