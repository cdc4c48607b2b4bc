// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads and chooses entries of the main window's message list as the user sees them: by
// shown row, in the order on screen.
#include "storage/cQrzMailStore.h"
#include "ui/main/cMessageList.h"

#include <QStringList>
#include <QWidget>

inline cMessageList *msgList(const QWidget &window)
{
    return window.findChild<cMessageList *>(QStringLiteral("lstMsgs"));
}

inline int rows(const cMessageList *list)
{
    return list->Count();
}

inline QString text(const cMessageList *list, int row, int column)
{
    return list->Model()->index(row, column).data().toString();
}

inline QString caption(const cMessageList *list, int column)
{
    return list->Model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

inline cMessageRef ref(const cMessageList *list, int row)
{
    return list->Model()->Ref(row);
}

// The file of the row's message in the folder tree.
inline QString path(const cMessageList *list, int row)
{
    return cQrzMailStore::PathOf(ref(list, row));
}

inline int icon(const cMessageList *list, int row)
{
    return list->Model()->Icon(row);
}

inline QStringList columnTexts(const cMessageList *list, int column)
{
    QStringList texts;
    for (int row = 0; row < rows(list); ++row)
        texts.append(text(list, row, column));
    return texts;
}

inline QStringList selectedTexts(const cMessageList *list, int column)
{
    QStringList texts;
    for (int row : list->SelectedRows())
        texts.append(text(list, row, column));
    return texts;
}

inline int rowOfPath(const cMessageList *list, const QString &file)
{
    return list->Model()->RowOf(cQrzMailStore::RefOfFile(file));
}

// Adds the row to the selection, as a Ctrl+click does.
inline void addToSelection(cMessageList *list, int row)
{
    list->selectionModel()->select(list->Model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}
