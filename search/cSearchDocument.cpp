// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchDocument.h"

#include "search/SearchText.h"
#include "storage/MessageText.h"
#include "storage/cDateKey.h"
#include "storage/cMailMessage.h"

#include <QFileInfo>

namespace {

QString bodyText(const cMailMessage &m)
{
    QByteArray joined;
    for (const QByteArray &line : m.body)
        joined.append(line).append('\n');
    const QString text = StoredText(joined);
    return m.Html ? HtmlText(text) : text;
}

QString senderText(const cMailMessage &m)
{
    const QByteArray address = m.SenderAddress();
    if (address.isEmpty() || m.From == address)
        return StoredText(m.From.isEmpty() ? address : m.From);
    return StoredText(m.From) + QStringLiteral(" <") + StoredText(address) + u'>';
}

} // namespace

cResultOf<cSearchDocument> cSearchDocument::Read(const QString &path)
{
    cMailMessage m;
    if (cResult read = m.ReadFile(path); !read)
        return read;
    cSearchDocument d;
    d.subject = SpacedIdeographs(StoredText(m.Subject));
    d.sender = senderText(m);
    d.from = SpacedIdeographs(d.sender);
    d.to = SpacedIdeographs(StoredText(m.To));
    d.cc = SpacedIdeographs(StoredText(m.CC));
    d.body = SpacedIdeographs(bodyText(m));
    QStringList names;
    for (const QString &attachment : m.attachments)
        names.append(QFileInfo(attachment).fileName());
    d.attachments = SpacedIdeographs(names.join(u'\n'));
    d.attachmentCount = int(m.attachments.size());
    d.dateText = StoredText(m.DateTime);
    if (const qint64 key = cDateKey::Of(m.DateTime); key != cDateKey::kNone)
        d.dateKey = key;
    d.read = m.Read;
    return d;
}
