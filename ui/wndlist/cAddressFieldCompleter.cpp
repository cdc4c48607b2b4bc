// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cAddressFieldCompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

cAddressFieldCompleter::cAddressFieldCompleter(QLineEdit *field, cSuggest suggest)
    : QObject(field), fField(field), fSuggest(std::move(suggest)), fModel(new QStringListModel(this)),
      fCompleter(new QCompleter(fModel, this))
{
    fCompleter->setWidget(field);
    fCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    fCompleter->popup()->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, &cAddressFieldCompleter::fieldEdited);
    connect(fCompleter, qOverload<const QString &>(&QCompleter::activated), this, &cAddressFieldCompleter::choose);
}

qsizetype cAddressFieldCompleter::EntryStart(const QString &text, qsizetype cursor)
{
    qsizetype start = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < std::min(cursor, text.size()); ++i) {
        if (text[i] == u'"')
            quoted = !quoted;
        else if (!quoted && (text[i] == u',' || text[i] == u';'))
            start = i + 1;
    }
    while (start < cursor && start < text.size() && text[start].isSpace())
        ++start;
    return start;
}

QString cAddressFieldCompleter::WithChosen(const QString &text, qsizetype &cursor, const QString &mailbox)
{
    const qsizetype start = EntryStart(text, cursor);
    qsizetype end = cursor;
    while (end < text.size() && text[end] != u',' && text[end] != u';')
        ++end;
    const QString rest = text.mid(end + 1).trimmed();
    const QString chosen = text.left(start) + mailbox + QStringLiteral(", ");
    cursor = chosen.size();
    return rest.isEmpty() ? chosen : chosen + rest;
}

void cAddressFieldCompleter::fieldEdited()
{
    const QString text = fField->text();
    const qsizetype cursor = fField->cursorPosition();
    const QString typed = text.mid(EntryStart(text, cursor), cursor - EntryStart(text, cursor)).trimmed();
    const QStringList found = fSuggest && !typed.isEmpty() ? fSuggest(typed) : QStringList();
    fModel->setStringList(found);
    if (found.isEmpty()) {
        fCompleter->popup()->hide();
        return;
    }
    fCompleter->complete();
    fCompleter->popup()->setCurrentIndex(fModel->index(0));
}

void cAddressFieldCompleter::choose(const QString &mailbox)
{
    qsizetype cursor = fField->cursorPosition();
    fField->setText(WithChosen(fField->text(), cursor, mailbox));
    fField->setCursorPosition(int(cursor));
}

bool cAddressFieldCompleter::eventFilter(QObject *watched, QEvent *event)
{
    // Tab takes the highlighted address, as Enter does, instead of leaving the field.
    if (watched == fCompleter->popup() && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab) {
        const QModelIndex current = fCompleter->popup()->currentIndex();
        if (current.isValid()) {
            fCompleter->popup()->hide();
            choose(current.data().toString());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
