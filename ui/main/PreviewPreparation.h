// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the preview shows of a message, made where it costs the window nothing (a worker thread):
// its HTML read out of the kept original when not known yet, then either its text (the text part,
// or a text rendering of the HTML) or its HTML read and laid out by litehtml (cHtmlLayout), the
// window's longest work for a large message. Remote images come only from the
// images the window already has; the addresses the HTML asked for beyond them are handed back
// for the window to fetch.
#include "mime/cHtmlBody.h"
#include "storage/cMailMessage.h"
#include "ui/main/PreviewResources.h"
#include "ui/main/cHtmlLayout.h"

#include <QHash>
#include <QFont>
#include <QImage>
#include <QList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

struct cPreviewJob
{
    cMailMessage message;
    std::optional<cHtmlBody> html; // none: read from the message in the worker
    bool plainText = false;
    QFont font;     // the message font the view shows
    int width = 1;  // and the width it lays out at
    std::optional<QHash<QUrl, QImage>> remoteImages; // none: nothing remote is loaded
};

struct cPreparedPreview
{
    cHtmlBody html;
    // A layout nobody took goes with the last copy of the result.
    std::shared_ptr<std::unique_ptr<cHtmlLayout>> layout;
    QString plainText; // shown when there is no layout
    int remoteItems = 0;
    QList<QUrl> remoteAsked;
};

// The lookup of html's cid: parts, usable in any thread; empty when it has none.
cInlinePartLookup InlinePartLookup(const cHtmlBody &html);

// stale: whether a newer preparation made this one useless (it then stops early).
cPreparedPreview PreparedPreview(const cPreviewJob &job, const std::function<bool()> &stale);
