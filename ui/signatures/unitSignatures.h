// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signatures manager: lists the signatures and creates, deletes and edits them. It is a
// listed work window shown modally over the whole program, and frees itself when closed.
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

class QListWidget;

class TfrmSignatures : public cForm
{
    Q_OBJECT
public:
    explicit TfrmSignatures(QWidget *parent = nullptr);

    // Opens a manager modal to the whole program; it returns at once.
    static TfrmSignatures *ShowModal(QWidget *parent = nullptr);

    void btnNewClick();
    void btnDeleteClick();
    void btnPropsClick();

private:
    QString selectedName() const;
    void reportFailure(const QString &error);

    QListWidget *lstSignatures;
};
