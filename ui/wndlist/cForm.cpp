// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cForm.h"

#include "ui/wndlist/cMenuItem.h"
#include "ui/wndlist/unitWndListProcs.h"

#include <QCloseEvent>

cForm::cForm(const QString &caption, const QIcon &icon, QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    if (!icon.isNull())
        setWindowIcon(icon);
    cWndList::instance().RegisterForm(this, icon);
}

cForm::~cForm()
{
    cWndList::instance().UnregisterForm(this);
}

void cForm::DoSetCaption(const QString &text)
{
    if (fAssociatedMenuItem)
        fAssociatedMenuItem->setText(cMenuItem::MenuText(text));
    setWindowTitle(text);
}

void cForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        cWndList::instance().UnregisterForm(this);
}
