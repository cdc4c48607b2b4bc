// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question before the Trash folder is emptied. Its "Don't ask me this again" box decides
// the TrashPrompt option whichever way the window closes.
#include <QDialog>

class QCheckBox;

class TfrmEmptyTrash : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmEmptyTrash(QWidget *parent = nullptr);

    // True when the Trash may be emptied: asked when TrashPrompt is on, else at once.
    static bool ConfirmEmptyTrash(QWidget *parent = nullptr);

    void done(int result) override;

private:
    QCheckBox *chkTrashPrompt;
};
