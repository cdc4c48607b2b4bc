#include "ui/main/cQuickFilter.h"

#include "ui/main/cMessageList.h"

#include <QAction>
#include <QShortcut>

cQuickFilter::cQuickFilter(cMessageList *list, QWidget *window)
{
    setPlaceholderText(tr("Filter by subject or sender"));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textChanged, list, &cMessageList::SetFilter);
    auto *clearing = new QAction(this);
    clearing->setShortcut(QKeySequence(Qt::Key_Escape));
    clearing->setShortcutContext(Qt::WidgetShortcut);
    connect(clearing, &QAction::triggered, this, &QLineEdit::clear);
    addAction(clearing);
    auto *focusing = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), window);
    connect(focusing, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}
