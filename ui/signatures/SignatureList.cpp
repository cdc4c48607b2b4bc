// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/signatures/SignatureList.h"

#include "storage/cSignatureStore.h"
#include "ui/wndlist/ListSelection.h"

#include <QIcon>
#include <QListWidget>

void FillSignatureList(QListWidget *list)
{
    list->clear();
    const QIcon icon = QIcon::fromTheme(QStringLiteral("text-x-generic"));
    for (const QString &name : cSignatureStore::SignatureNames())
        list->addItem(new QListWidgetItem(icon, name));
    SelectCurrentRow(list);
}
