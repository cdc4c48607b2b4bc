// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder chooser of "Copy message to..." and "Move message to...": the folder tree as
// the main window shows it. OK stays disabled until a folder is chosen, so the command always
// has a target.
#include <QDialog>

class QPushButton;
class QTreeWidget;

class TfrmSelectFolder : public QDialog
{
    Q_OBJECT
public:
    enum class eAction { Copy, Move };
    TfrmSelectFolder(eAction action, const QStringList &folders, QWidget *parent = nullptr);

    // Empty until a folder is chosen.
    QString SelectedFolder() const;

private:
    QTreeWidget *lstFolders;
    QPushButton *btnOK;
};
