// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of the window list: a menu action standing for an open work window. Triggering it
// shows that window and brings it to the front.
#include <QAction>
#include <QPointer>

class cForm;

class cMenuItem : public QAction
{
    Q_OBJECT
public:
    explicit cMenuItem(cForm *form);

    cForm *AssociatedForm() const { return fAssociatedForm; }

    // A caption as menu text: "&" is a mnemonic marker in menus, so a subject such as
    // "Tom & Jerry" must have it doubled to be shown as typed.
    static QString MenuText(const QString &caption);

public slots:
    void WndList_MenuClickEvent();

private:
    QPointer<cForm> fAssociatedForm;
};
