// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Following a link the reader clicked in a message (CheckLink decides): web and news addresses
// go to the desktop, mailto: to a new message of ours, a suspicious link only after the reader
// agreed, and anything else nowhere.
#include <QString>
#include <QUrl>

class QWidget;

// A note for the status bar when the link was not opened; empty when it was.
QString FollowMessageLink(QWidget *parent, const QUrl &target, const QString &text);
