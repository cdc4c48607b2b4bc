// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/unitWndListProcs.h"

#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h"

cWndList &cWndList::instance()
{
    static cWndList list;
    return list;
}

void cWndList::RegisterForm(cForm *form, const QIcon &icon)
{
    auto *item = new cMenuItem(form);
    form->fAssociatedMenuItem = item;
    fItems.append(item);
    emit ItemAdded(item, icon);
    emit CountChanged(Count());
}

void cWndList::UnregisterForm(cForm *form)
{
    cMenuItem *item = form->fAssociatedMenuItem;
    if (!item)
        return;
    form->fAssociatedMenuItem = nullptr;
    fItems.removeOne(item);
    // Deleting the action takes it out of every menu that shows it.
    delete item;
    emit CountChanged(Count());
}
