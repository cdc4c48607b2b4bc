// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/ListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

void SelectCurrentRow(QAbstractItemView *list)
{
    const QAbstractItemModel *model = list->model();
    QItemSelectionModel *selection = list->selectionModel();
    if (!model || !selection || model->rowCount() == 0 || selection->hasSelection())
        return;
    const QModelIndex current = list->currentIndex();
    list->setCurrentIndex(current.isValid() ? current : model->index(0, 0));
    selection->select(list->currentIndex(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
