// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's folder commands: create, rename in place, delete and empty a folder,
// empty the Trash, and messages dragged from the list onto a folder of the tree. Only user
// folders can be renamed or deleted; questions come before anything is lost.
#include <QObject>

class QTreeWidgetItem;
class TfrmMain;
class cMainMessageCommands;
struct cMainParts;

class cMainFolderCommands : public QObject
{
    Q_OBJECT
public:
    // Messages dropped on a folder move through the message commands.
    cMainFolderCommands(TfrmMain &window, const cMainParts &parts, cMainMessageCommands &messages);

    void Wire();
    // The store's folders the tree lacks; with userFolders false only the fixed ones made on demand.
    void AddStoreFolders(bool userFolders);
    // After the mail folder moved: the new tree's folders, with its Inbox shown.
    void ShowNewTree();

    void NewFolder();
    void StartRename();
    void DeleteFolder();
    void EmptyFolder();
    void EmptyTrash();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FolderEdited(QTreeWidgetItem *item);
    // The folder a drag of messages from the list would go to at this point; empty where
    // such a drop is not taken.
    QString DropTarget(const class QDropEvent *event) const;

    TfrmMain &fWindow;
    const cMainParts &fParts;
    cMainMessageCommands &fMessages;
};
