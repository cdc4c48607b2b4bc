// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTML text of a received message and the parts its cid: links name, for a reader that
// shows HTML. A message whose only text is plain has none.
#include <QByteArray>
#include <QHash>
#include <QString>

struct cHtmlBody
{
    QString html; // empty when the message holds no HTML text
    // Decoded bytes of every part that has a Content-ID, by that id without its angle brackets.
    QHash<QString, QByteArray> inlineParts;
};
