// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message rules window: lists the rules in the order they run, each with its check box
// for on and off, and adds, edits, deletes and reorders them. Every change is saved through
// the rule store at once; what the store refuses is shown in the window and the list shows
// the file as it is. While the file holds a rule this version cannot read, nothing is changed
// here: a save would write that rule back without what it could not read.
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TfrmRuleEditor;
class cMailStore;

class TfrmRules : public cForm
{
    Q_OBJECT
public:
    // The editor's folder chooser offers the store's folders.
    explicit TfrmRules(const cMailStore &store, QWidget *parent = nullptr);

    void btnNewClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnUpClick();
    void btnDownClick();

    // The editor the last New or Edit opened; it frees itself when closed.
    TfrmRuleEditor *Editor() const;

private:
    void fill(int current);
    void edit(int index);
    void move(int by);
    void itemChanged(QListWidgetItem *item);
    void report(const QString &problem);

    const cMailStore &fStore;
    QListWidget *lstRules;
    QLabel *lblNotes;
    QLabel *lblProblem;
    QList<QPushButton *> fChangeButtons;
    bool fChangeable = true;
    QPointer<TfrmRuleEditor> fEditor;
};
