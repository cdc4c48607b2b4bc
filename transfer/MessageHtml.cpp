// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/MessageHtml.h"

#include "mime/cMimeReader.h"
#include "storage/DisplayText.h"
#include "storage/cOriginalStore.h"

#include <QFileInfo>

namespace {

// Parsing an original again costs time on every selection: only mail that stored HTML as its
// text or as a part needs it.
bool mayHoldHtml(const cMailMessage &message)
{
    if (message.Html)
        return true;
    for (const QString &path : message.attachments)
        if (path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)
            || path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

cHtmlBody MessageHtml(const cMailMessage &message)
{
    if (!message.Original.isEmpty() && mayHoldHtml(message)) {
        const cResultOf<QByteArray> original = cOriginalStore::Read(message.Original);
        if (original) {
            cHtmlBody body = cMimeReader::ReadHtml(original.value());
            if (!body.html.isEmpty())
                return body;
        }
    }
    if (!message.Html)
        return {};
    return {DisplayBody(message.body, DeclaredCharset(message.headerLines)), {}};
}

qint64 MessageHtmlBytes(const cMailMessage &message)
{
    qint64 bytes = 0;
    if (!message.Original.isEmpty() && mayHoldHtml(message))
        bytes += QFileInfo(cOriginalStore::PathOf(message.Original)).size();
    if (message.Html) {
        for (const QByteArray &line : message.body)
            bytes += line.size() + 1;
    }
    return bytes;
}
