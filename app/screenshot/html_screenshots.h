// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real HTML mail shown in the main window's preview: each message (an .eml file) is stored as
// mail comes in, in a folder of its own named after the file, and the window is drawn with it
// selected into ravelin-html-<name>.png in the given folder. Remote content stays blocked, as
// for any message; the message's own cid: images show.
#include "ui/main/unitMain.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

bool SaveHtmlPictures(TfrmMain &window, const QStringList &messages, const QString &folder, QTextStream &err,
                      QTextStream &out);
