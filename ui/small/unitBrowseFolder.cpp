// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/unitBrowseFolder.h"

#include <QFileDialog>

QString BrowseForFolder(QWidget *parent, const QString &prompt, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, prompt, startFolder);
}
