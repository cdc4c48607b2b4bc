// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's folder picker.
#include <QString>

class QWidget;

// The chosen folder, or empty when the picker was cancelled.
QString BrowseForFolder(QWidget *parent, const QString &prompt, const QString &startFolder = {});
