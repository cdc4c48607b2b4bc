// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What in a message's HTML would reach outside the message: images, backgrounds, style sheets,
// frames, objects, forms, a refresh. The preview loads none of it unless the reader allows
// (then only images); this counts what was held back, for the bar that says so.
#include <QString>
#include <QStringList>
#include <QUrl>

// True for an address outside the message: one with a host, or a scheme other than cid:, data:
// and mid:. A relative name (with no base, it leads nowhere) is not.
bool IsRemoteUrl(const QUrl &url);

// The distinct remote addresses the HTML names in any place that loads something, in order.
QStringList RemoteReferences(const QString &html);

// Only these are fetched once the reader allows: images, over the web. An address without a
// scheme ("//host/x") is one too: the message came with none, so it goes the safe way, https.
bool IsFetchableImageUrl(const QUrl &url);
QUrl FetchedUrl(const QUrl &url);
