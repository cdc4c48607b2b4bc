// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contacts pane that app hands to the main window: every contact by name, sorted, with its
// pop-ups (popContact on a contact, popContactPane on empty space), mail to the selected
// contacts on a double-click, and renaming in place. It fills itself on showing and whenever
// the contact store changes; "Hide Contacts Pane" is the main window's to do.
#include <QListWidget>

class QMenu;
class QPoint;

class cContactsPane : public QListWidget
{
    Q_OBJECT
public:
    explicit cContactsPane(QWidget *parent = nullptr);

    QMenu *ContactMenu() const { return popContact; }
    QMenu *PaneMenu() const { return popContactPane; }

    void SendMailToSelected();

signals:
    void HideRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void buildMenus();
    void showMenu(const QPoint &pos);
    void lstContactsEdited(QListWidgetItem *item);
    QListWidgetItem *selectedItem() const;
    QString selectedName() const;

    QMenu *popContact = nullptr;
    QMenu *popContactPane = nullptr;
};
