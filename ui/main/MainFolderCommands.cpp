// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainFolderCommands.h"

#include "storage/cMailStore.h"
#include "ui/main/MainMessageCommands.h"
#include "ui/main/cMainSearch.h"
#include "ui/main/cMessageList.h"
#include "ui/main/unitCreateFolder.h"
#include "ui/main/unitMain.h"
#include "ui/wndlist/cWindowSteps.h"
#include "ui/wndlist/DialogParts.h"

#include <QApplication>
#include <QDropEvent>
#include <QMessageBox>
#include <QTreeWidget>

namespace {

QString folderNameOf(const QTreeWidgetItem *item)
{
    return item ? TfrmMain::FolderItemName(item) : QString();
}

bool isUserFolder(const QTreeWidgetItem *item)
{
    // A search's item names no folder.
    return item && !folderNameOf(item).isEmpty() && cMailStore::KindOf(folderNameOf(item)) == eFolderKind::User;
}

} // namespace

cMainFolderCommands::cMainFolderCommands(TfrmMain &window, const cMainParts &parts, cMainMessageCommands &messages)
    : QObject(&window), fWindow(window), fParts(parts), fMessages(messages)
{
}

void cMainFolderCommands::Wire()
{
    using enum eMainCommand;
    fWindow.WireCommand(mnuFile_Folder_New, [this] { NewFolder(); });
    for (eMainCommand id : {mnuFile_Folder_Rename, popFolders_Rename})
        fWindow.WireCommand(id, [this] { StartRename(); });
    for (eMainCommand id : {mnuFile_Folder_Delete, popFolders_Delete})
        fWindow.WireCommand(id, [this] { DeleteFolder(); });
    for (eMainCommand id : {mnuFile_Folder_Empty, popFolders_Empty})
        fWindow.WireCommand(id, [this] { EmptyFolder(); });
    fWindow.WireCommand(tbEmptyTrash, [this] { EmptyTrash(); });
    connect(fParts.lstFolders, &QTreeWidget::itemChanged, this, &cMainFolderCommands::FolderEdited);
    fParts.lstFolders->setAcceptDrops(true);
    fParts.lstFolders->viewport()->installEventFilter(this);
}

void cMainFolderCommands::AddStoreFolders(bool userFolders)
{
    for (const QString &folder : fWindow.Store().Folders()) {
        const eFolderKind kind = cMailStore::KindOf(folder);
        if ((userFolders || kind != eFolderKind::User)
            && fParts.lstFolders->findItems(folder, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            fWindow.AddFolderItem(folder, kind);
    }
}

void cMainFolderCommands::ShowNewTree()
{
    QTreeWidget &tree = *fParts.lstFolders;
    while (cMainSearch::FirstSearchRow(tree) > int(kFixedFolderKinds.size()))
        delete tree.takeTopLevelItem(cMainSearch::FirstSearchRow(tree) - 1);
    AddStoreFolders(true);
    fWindow.SelectFolder(FolderName(eFolderKind::Inbox));
    fWindow.LoadMessageList(FolderName(eFolderKind::Inbox));
}

void cMainFolderCommands::NewFolder()
{
    TfrmCreateFolder dialog(&fWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = dialog.FolderName();
    if (const cResult created = fWindow.Store().CreateFolder(name); !created) {
        QMessageBox::critical(&fWindow, tr("Cannot create folder"), created.text());
        return;
    }
    fWindow.AddFolderItem(name, eFolderKind::User);
}

void cMainFolderCommands::StartRename()
{
    if (QTreeWidgetItem *item = fParts.lstFolders->currentItem(); isUserFolder(item))
        fParts.lstFolders->editItem(item);
}

void cMainFolderCommands::FolderEdited(QTreeWidgetItem *item)
{
    const QString oldName = folderNameOf(item);
    const QString newName = item->text(0);
    if (newName == oldName || !isUserFolder(item))
        return;
    if (const cResult renamed = fWindow.Store().RenameFolder(oldName, newName); !renamed) {
        item->setText(0, oldName);
        QMessageBox::critical(&fWindow, tr("Cannot rename folder"), renamed.text());
        return;
    }
    TfrmMain::SetFolderItemName(item, newName);
    // The entries name files under the old folder path.
    if (item == fParts.lstFolders->currentItem())
        fWindow.LoadMessageList(newName);
}

void cMainFolderCommands::DeleteFolder()
{
    QTreeWidgetItem *item = fParts.lstFolders->currentItem();
    if (fWindow.Search().DeleteSaved(item) || !isUserFolder(item)
        || !AskYesNo(&fWindow, tr("Confirmation"),
                     tr("All messages in this folder will be lost. Are you certain you wish to delete this folder?")))
        return;
    if (const cResult removed = fWindow.Store().RemoveFolder(folderNameOf(item)); !removed) {
        // Its messages may be gone even so.
        fWindow.RefreshMessageList();
        QMessageBox::critical(&fWindow, tr("Cannot remove folder"), removed.text());
        return;
    }
    delete item;
    fWindow.SelectFolder(FolderName(eFolderKind::Inbox));
}

void cMainFolderCommands::EmptyFolder()
{
    const QString folder = fWindow.ShownFolder();
    if (folder.isEmpty()
        || !AskYesNo(&fWindow, tr("Confirmation"),
                     tr("All messages in this folder will be lost. Are you certain you wish to empty this folder?")))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cResult cleared;
    fWindow.ChangeQuietly([this, &folder, &cleared] { cleared = fWindow.Store().EmptyFolder(folder); });
    QApplication::restoreOverrideCursor();
    // Listing again shows what is left, if anything could not be deleted.
    fWindow.LoadMessageList(folder);
    if (!cleared)
        QMessageBox::warning(&fWindow, tr("Cannot empty the folder"), cleared.text());
}

void cMainFolderCommands::EmptyTrash()
{
    const auto &confirm = WindowSteps().ConfirmEmptyTrash;
    if (!confirm || !confirm(&fWindow))
        return;
    const QString trash = FolderName(eFolderKind::Trash);
    const cResult cleared = fWindow.Store().EmptyFolder(trash);
    if (!cleared)
        QMessageBox::warning(&fWindow, tr("Cannot empty the folder"), cleared.text());
}

QString cMainFolderCommands::DropTarget(const QDropEvent *event) const
{
    if (cMessageList::DraggedMessages(event->mimeData()).isEmpty())
        return {};
    const QString folder = folderNameOf(fParts.lstFolders->itemAt(event->position().toPoint()));
    return folder == fWindow.ShownFolder() ? QString() : folder;
}

bool cMainFolderCommands::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        drag->setAccepted(!DropTarget(drag).isEmpty());
        if (drag->isAccepted())
            drag->setDropAction(Qt::MoveAction);
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString folder = DropTarget(drop);
        if (folder.isEmpty())
            return true;
        drop->setDropAction(Qt::MoveAction);
        drop->accept();
        fMessages.TransferSelectedTo(folder, true);
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}
