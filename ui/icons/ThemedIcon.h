// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's images by freedesktop icon name: the desktop's icon theme first, so the program
// fits the user's desktop, else the SVG drawing bundled with the program (":/icons/<name>.svg"),
// so it looks whole on a bare system. Images no theme has carry names starting "ravelin-".
#include <QIcon>
#include <QString>

QIcon ThemedIcon(const QString &name);
// The bundled drawing alone, whatever the theme holds.
QIcon BundledIcon(const QString &name);
