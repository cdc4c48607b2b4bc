// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PlainTextView.h"

#include "storage/DisplayText.h"
#include "ui/main/PreviewHtml.h"
#include "ui/main/cPreviewDocument.h"

QString HtmlAsPlainText(const QString &html)
{
    cPreviewDocument document;
    document.setHtml(BoundedPreviewHtml(html));
    // Images stand in the text as object characters, which mean nothing as text.
    return document.toPlainText().remove(QChar::ObjectReplacementCharacter);
}

QString PlainTextOf(const cMailMessage &message, const cHtmlBody &html)
{
    if (message.Html && !html.html.isEmpty())
        return HtmlAsPlainText(html.html);
    return DisplayBody(message.body, DeclaredCharset(message.headerLines));
}
