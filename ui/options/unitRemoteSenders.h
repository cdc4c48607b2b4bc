// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The senders whose mail loads remote content ("Always load from ..." in the preview), listed so
// that the reader can take any of them back. A removal is written at once; the list is read
// again from the store after it, so it always shows what the file holds.
#include <QDialog>

class QListWidget;
class QPushButton;

class TfrmRemoteSenders : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRemoteSenders(QWidget *parent = nullptr);

private:
    void FillList();
    void btnRemoveClick();

    QListWidget *lstSenders;
    QPushButton *btnRemove;
};
