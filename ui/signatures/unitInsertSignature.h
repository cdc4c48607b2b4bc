// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signature chooser: every signature by name, with a preview of the one clicked.
#include <QDialog>

class QListWidget;
class QPlainTextEdit;

class TfrmInsertSignature : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInsertSignature(QWidget *parent = nullptr);

    // Empty when no entry is selected.
    QString SelectedName() const;

private:
    void lstSignaturesClick();

    QListWidget *lstSignatures;
    QPlainTextEdit *edtSignature;
};
