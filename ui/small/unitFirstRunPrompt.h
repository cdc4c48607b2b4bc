// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first-run prompt: asks for the folder that will hold the mail, before the main window
// shows. Next stores the choice (MailFolder, MailAttchFolder) and sets MailRoot; the caller
// then makes the folder tree.
#include <QDialog>

class QLineEdit;
class QPushButton;

class TfrmFirstRunPrompt : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmFirstRunPrompt(QWidget *parent = nullptr);

private slots:
    void edtFolderChange(const QString &text);
    void btnBrowseDirClick();
    void btnNextClick();

private:
    QLineEdit *edtFolder;
    QPushButton *btnBrowseDir;
    QPushButton *btnCancel;
    QPushButton *btnNext;
};

// Shows the prompt; true when a folder was chosen and stored.
[[nodiscard]] bool RunFirstRunPrompt(QWidget *parent = nullptr);
