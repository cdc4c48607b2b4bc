// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cQuickFilter.h"

#include "ui/main/cMessageList.h"

#include <QKeyEvent>
#include <QShortcut>

cQuickFilter::cQuickFilter(cMessageList *list, QWidget *window) : fList(list)
{
    setPlaceholderText(tr("Filter by subject or sender"));
    setToolTip(tr("Press Enter to search all folders"));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, list, &cMessageList::SetFilter);
    auto *focusing = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), window);
    connect(focusing, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void cQuickFilter::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !text().isEmpty())
        clear();
    else if (event->key() == Qt::Key_Escape)
        fList->setFocus(Qt::ShortcutFocusReason);
    else
        QLineEdit::keyPressEvent(event);
}
