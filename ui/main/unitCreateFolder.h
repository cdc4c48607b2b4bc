// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks for the name of a new mail folder.
#include <QDialog>

class QLineEdit;

class TfrmCreateFolder : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCreateFolder(QWidget *parent = nullptr);

    QString FolderName() const;

private:
    QLineEdit *edtName;
};
