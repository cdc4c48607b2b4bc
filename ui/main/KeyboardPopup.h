// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pop-up menu from the keyboard: Shift+F10 and the Menu key ask a widget with a custom
// context menu for it, placed at the current item (or the text cursor) instead of the mouse.
class QPoint;
class QWidget;

void AddKeyboardPopup(QWidget *widget);
// Where the pop-up of widget opens from the keyboard, in the coordinates its
// customContextMenuRequested uses (a scroll area's viewport).
QPoint KeyboardPopupPoint(const QWidget *widget);
