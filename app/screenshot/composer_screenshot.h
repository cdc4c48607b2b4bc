// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compose window with a message half written (recipients, a subject, a few lines, an
// attachment and the default signature), drawn into a picture. Needs the sample settings and
// mail folder to be in place; writes its sample files into scratchFolder.
#include <QString>
#include <QTextStream>

bool SaveComposerPicture(const QString &scratchFolder, const QString &target, QTextStream &err);
