// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the preview shows of a message, made where it costs the window nothing (a worker thread):
// its HTML read out of the kept original when not known yet, then either its text (the text part,
// or a text rendering of the HTML) or its HTML as a document. Remote images come only from the
// images the window already has; the addresses the HTML asked for beyond them are handed back
// for the window to fetch.
#include "mime/cHtmlBody.h"
#include "storage/cMailMessage.h"
#include "ui/main/cPreviewBrowser.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QThread;

struct cPreviewJob
{
    cMailMessage message;
    std::optional<cHtmlBody> html; // none: read from the message in the worker
    bool plainText = false;
    cPreviewBrowser::cDocumentStyle style;
    std::optional<QHash<QUrl, QImage>> remoteImages; // none: nothing remote is loaded
};

struct cDeleteLater
{
    void operator()(QObject *object) const;
};

struct cPreparedPreview
{
    cHtmlBody html;
    // A document nobody took goes with the last copy of the result.
    std::shared_ptr<std::unique_ptr<cPreviewDocument, cDeleteLater>> document;
    QString plainText; // shown when there is no document
    int remoteItems = 0;
    QList<QUrl> remoteAsked;
};

// The lookup of html's cid: parts, usable in any thread; empty when it has none.
cInlinePartLookup InlinePartLookup(const cHtmlBody &html);

// stale: whether a newer preparation made this one useless (it then stops early); the document
// is handed to the thread home.
cPreparedPreview PreparedPreview(const cPreviewJob &job, const std::function<bool()> &stale, QThread *home);
