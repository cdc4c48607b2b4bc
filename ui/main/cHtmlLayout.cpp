// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cHtmlLayout.h"

#include "ui/main/LitehtmlDefaultCss.h"
#include "ui/main/PreviewHtml.h"
#include "ui/main/cHtmlTextMap.h"
#include "ui/main/cLitehtmlContainer.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The default style sheet is parsed once, for every document; documents only read it.
litehtml::context &sharedContext()
{
    static litehtml::context *context = [] {
        auto *made = new litehtml::context;
        made->load_master_stylesheet(kLitehtmlDefaultCss);
        return made;
    }();
    return *context;
}

// litehtml gives a paragraph holding only a line break no height, so the blank lines people
// type between paragraphs would vanish.
QString withBlankLinesKept(const QString &html)
{
    static const QRegularExpression kOnlyBreak(u"<(p|div)(\\s[^>]*)?>\\s*<br\\s*/?>\\s*</\\1\\s*>"_s,
                                               QRegularExpression::CaseInsensitiveOption);
    QString kept = html;
    return kept.replace(kOnlyBreak, u"<\\1\\2>&nbsp;</\\1>"_s);
}

} // namespace

cHtmlLayout::cHtmlLayout(const QString &html, const QFont &messageFont, cInlinePartLookup inlinePart,
                         cRemoteImageLookup remoteImage)
    : fContainer(std::make_unique<cLitehtmlContainer>(messageFont, std::move(inlinePart), std::move(remoteImage))),
      fText(std::make_unique<cHtmlTextMap>())
{
    const QByteArray bounded = withBlankLinesKept(BoundedPreviewHtml(html)).toUtf8();
    fDocument = litehtml::document::createFromUTF8(bounded.constData(), fContainer.get(), &sharedContext());
}

cHtmlLayout::~cHtmlLayout() = default;

void cHtmlLayout::LayOut(int width)
{
    if (width == fWidth)
        return;
    fContainer->SetWidth(width);
    fContainer->ForgetDrawing();
    fDocument->render(width);
    fText = std::make_unique<cHtmlTextMap>(fDocument->root());
    if (fText->RunCount() >= kMeasuredRuns)
        fContainer->MeasureDrawing(*fDocument);
    fWidth = width;
}
