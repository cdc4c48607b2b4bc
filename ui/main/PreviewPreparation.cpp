// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PreviewPreparation.h"

#include "transfer/MessageHtml.h"
#include "ui/main/PlainTextView.h"
#include "ui/main/RemoteContent.h"

cInlinePartLookup InlinePartLookup(const cHtmlBody &html)
{
    if (html.inlineParts.isEmpty())
        return {};
    return [parts = html.inlineParts](const QString &id) { return parts.value(id); };
}

namespace {

// Answers from the images known; notes every other address asked for.
cRemoteImageLookup noteAsked(const QHash<QUrl, QImage> &known, const std::shared_ptr<QList<QUrl>> &asked)
{
    return [known, asked](const QUrl &url) {
        if (const auto found = known.constFind(url); found != known.constEnd())
            return *found;
        if (!asked->contains(url))
            asked->append(url);
        return RefusedImage();
    };
}

} // namespace

cPreparedPreview PreparedPreview(const cPreviewJob &job, const std::function<bool()> &stale)
{
    cPreparedPreview prepared;
    prepared.html = job.html ? *job.html : MessageHtml(job.message);
    if (stale())
        return prepared;
    if (prepared.html.html.isEmpty() || job.plainText) {
        prepared.plainText = PlainTextOf(job.message, prepared.html);
        return prepared;
    }
    prepared.remoteItems = int(RemoteReferences(prepared.html.html).size());
    if (stale())
        return prepared;
    const auto asked = std::make_shared<QList<QUrl>>();
    const cRemoteImageLookup remote = job.remoteImages ? noteAsked(*job.remoteImages, asked) : cRemoteImageLookup();
    auto layout = std::make_unique<cHtmlLayout>(prepared.html.html, job.font, InlinePartLookup(prepared.html), remote);
    if (stale())
        return prepared;
    layout->LayOut(job.width);
    prepared.layout = std::make_shared<std::unique_ptr<cHtmlLayout>>(std::move(layout));
    prepared.remoteAsked = *asked;
    return prepared;
}
