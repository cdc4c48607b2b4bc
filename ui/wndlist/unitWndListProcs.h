// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list of open work windows, in the order they were created. Each cForm registers itself
// when it is made and unregisters when it closes; registering makes its cMenuItem, which the
// list owns and frees on unregistering. The main window shows the items in its window menu:
// it adds each item announced by ItemAdded (with the window's icon) and enables its window
// button while Count() is not zero, so this unit knows no main window.
#include <QIcon>
#include <QList>
#include <QObject>

class cForm;
class cMenuItem;

class cWndList : public QObject
{
    Q_OBJECT
public:
    static cWndList &instance();

    void RegisterForm(cForm *form, const QIcon &icon);
    void UnregisterForm(cForm *form);

    const QList<cMenuItem *> &Items() const { return fItems; }
    int Count() const { return int(fItems.size()); }

signals:
    void ItemAdded(cMenuItem *item, const QIcon &formIcon);
    void CountChanged(int count);

private:
    cWndList() = default;
    QList<cMenuItem *> fItems;
};
