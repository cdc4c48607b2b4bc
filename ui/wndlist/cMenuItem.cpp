// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cMenuItem.h"

#include "ui/wndlist/cForm.h"

using namespace Qt::StringLiterals;

cMenuItem::cMenuItem(cForm *form) : fAssociatedForm(form)
{
    setText(MenuText(form->windowTitle()));
    connect(this, &QAction::triggered, this, &cMenuItem::WndList_MenuClickEvent);
}

QString cMenuItem::MenuText(const QString &caption)
{
    QString text = caption;
    return text.replace(u'&', u"&&"_s);
}

void cMenuItem::WndList_MenuClickEvent()
{
    // The window may be gone already; then the click has nothing to show.
    if (!fAssociatedForm)
        return;
    if (fAssociatedForm->isMinimized())
        fAssociatedForm->showNormal();
    else
        fAssociatedForm->show();
    fAssociatedForm->raise();
    fAssociatedForm->activateWindow();
}
