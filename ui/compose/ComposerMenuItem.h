// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One named menu item of the composer, found by tests through its object name.
#include <QAction>
#include <QKeySequence>
#include <QMenu>

inline QAction *AddMenuItem(QMenu *menu, const QString &text, const char *name, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}
