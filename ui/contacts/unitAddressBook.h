// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The address book: every contact in a list (name, e-mail, home page) that can be sorted by a
// click on a column and renamed in place, with the contact commands in a menu, a toolbar and a
// pop-up, vCard import and export, and a count of the people in it. There is at most one;
// ShowInstance makes it or brings it forward, and closing it saves its window state and frees
// it. Its list is filled on showing and whenever the contact store changes.
#include "storage/cContactStore.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

#include <QList>

class QAction;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class cStatusPanel;

class TfrmAddressBook : public cForm
{
    Q_OBJECT
public:
    // The open address book; null when there is none.
    static TfrmAddressBook *Instance();
    static void ShowInstance();

    ~TfrmAddressBook() override;

    void FillList(const QList<cContactCard> &cards);
    QString StatusText() const;
    bool IsToolbarExpanded() const;

    void tb_AddContactClick();
    void tb_PropsClick();
    void tb_DeleteClick();
    void tb_SendMailClick();
    void tb_VisitSiteClick();
    void tb_AboutClick();
    void mnuFile_ImportClick();
    void mnuFile_ExportClick();
    void mnuFile_CloseClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    TfrmAddressBook();

    void fill();
    void buildList();
    void buildCommands();
    QAction *addCommand(const QString &text, const char *name, void (TfrmAddressBook::*handler)(), bool needsItem);
    void applyWindowState();
    void saveWindowState() const;
    void sortByColumn(int column, Qt::SortOrder order);

    void lstItemsChange();
    void lstItemsEdited(QTreeWidgetItem *item, int column);
    void lstItemsHeaderClick(int column);
    void showContactMenu(const QPoint &pos);
    QTreeWidgetItem *selectedItem() const;
    QString selectedName() const;

    QTreeWidget *lstItems = nullptr;
    QToolBar *DFSToolBar = nullptr;
    QMenu *popContact = nullptr;
    cStatusPanel *fStatus = nullptr;
    QList<QAction *> fNeedsItem;
    int fSortColumn = -1;
    Qt::SortOrder fSortOrder = Qt::AscendingOrder;
};
