// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/unitSelectFolder.h"

#include "storage/cMailStore.h"
#include "ui/main/MainIcons.h"
#include "ui/wndlist/DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfrmSelectFolder::TfrmSelectFolder(eAction action, const QStringList &folders, QWidget *parent) : QDialog(parent)
{
    const bool copy = action == eAction::Copy;
    setObjectName(QStringLiteral("frmSelectFolder"));
    setWindowTitle(copy ? tr("Copy message") : tr("Move message"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MakeNote(copy ? tr("Copy the selected message to:") : tr("Move the selected message to:")));
    lstFolders = new QTreeWidget;
    lstFolders->setObjectName(QStringLiteral("lstFolders"));
    lstFolders->setHeaderHidden(true);
    lstFolders->setRootIsDecorated(false);
    for (const QString &folder : folders)
        (new QTreeWidgetItem(lstFolders, {folder}))->setIcon(0, FolderIcon(cMailStore::KindOf(folder)));
    layout->addWidget(lstFolders);
    const cDialogButtons buttons = MakeDialogButtons(this, tr("&OK"));
    btnOK = buttons.ok;
    btnOK->setEnabled(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    // Only a folder the user chose counts; the tree's current row alone is no choice.
    connect(lstFolders, &QTreeWidget::itemSelectionChanged, this,
            [this] { btnOK->setEnabled(!lstFolders->selectedItems().isEmpty()); });
    connect(lstFolders, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons.box);
}

QString TfrmSelectFolder::SelectedFolder() const
{
    const QList<QTreeWidgetItem *> chosen = lstFolders->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text(0);
}
