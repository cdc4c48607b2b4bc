// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What clicking a link in a message does. Only web, mail and news addresses are opened; a
// link whose text reads as an address on another host than the one it leads to is suspicious
// and asked about first (the text is the sender's, the target is where the reader goes).
#include <QString>
#include <QUrl>

enum class eLinkKind { Web, Mail, News, Refused };

struct cLinkCheck
{
    eLinkKind kind = eLinkKind::Refused;
    bool suspicious = false;
    QString shownHost; // the host the text names; empty when it names none
};

cLinkCheck CheckLink(const QUrl &target, const QString &text);
