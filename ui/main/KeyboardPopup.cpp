// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/KeyboardPopup.h"

#include <QAbstractItemView>
#include <QShortcut>
#include <QTextEdit>

QPoint KeyboardPopupPoint(const QWidget *widget)
{
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
        const QRect item = view->visualRect(view->currentIndex());
        return item.isValid() ? item.center() : QPoint(0, 0);
    }
    if (const auto *text = qobject_cast<const QTextEdit *>(widget))
        return text->cursorRect().center();
    return widget->rect().center();
}

void AddKeyboardPopup(QWidget *widget)
{
    for (const QKeySequence &keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(keys, widget, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, widget,
                         [widget] { emit widget->customContextMenuRequested(KeyboardPopupPoint(widget)); });
    }
}
