// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the preview may load for a message: only what the message holds. A cid: image comes from
// the message's own parts, a data: image from the URL itself, each within kMaxInlineImageBytes
// and kMaxInlineImagePixels and only in a plain bitmap format. Anything else (a local path, a
// device, a remote address, another scheme) is refused without being touched. A refused image is
// a blank placeholder, never nothing: given nothing, the rich-text engine reads the name as a file.
#include <QByteArray>
#include <QImage>
#include <QUrl>
#include <QVariant>

#include <functional>

inline constexpr qsizetype kMaxInlineImageBytes = 4 * 1024 * 1024;
inline constexpr qint64 kMaxInlineImagePixels = qint64(4096) * 4096;

// The bytes of the message's part with this Content-ID; empty when it has none.
using cInlinePartLookup = std::function<QByteArray(const QString &contentId)>;
// The image fetched for a web address, or a placeholder while it is on its way.
using cRemoteImageLookup = std::function<QImage(const QUrl &url)>;

// The resource for a QTextDocument::ResourceType; inlinePart may be empty (no parts).
QVariant PreviewResource(int type, const QUrl &url, const cInlinePartLookup &inlinePart);
QImage RefusedImage();
// The image in bytes when it is a plain bitmap within the caps above, else RefusedImage().
QImage BoundedImage(const QByteArray &bytes);
