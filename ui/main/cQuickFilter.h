// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search box above the message list: as the user types, the list shows only the entries
// whose Subject or person holds the text, without case; Enter searches every folder for it
// (the window's search takes returnPressed). Escape clears it, and in an empty box goes back to
// the list; Ctrl+Shift+F (Ctrl+F forwards) puts the cursor in it from anywhere in the window.
#include <QLineEdit>

class cMessageList;

class cQuickFilter : public QLineEdit
{
    Q_OBJECT
public:
    cQuickFilter(cMessageList *list, QWidget *window);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    cMessageList *fList;
};
