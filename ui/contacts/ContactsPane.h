#pragma once
// The main window's contacts pane at work: its pop-ups (popContact on a contact, popContactPane
// on empty space), mail to the selected contacts on a double-click, and renaming in place.
// AttachContactsPane also names the main window to the contact operations and refills the
// lists whenever the window asks (on showing, and by its contacts timer).
#include <QObject>

class QListWidget;
class QListWidgetItem;
class QMenu;
class QPoint;
class TfrmMain;

class cContactsPane : public QObject
{
    Q_OBJECT
public:
    explicit cContactsPane(TfrmMain &frmMain);

    QMenu *ContactMenu() const { return popContact; }
    QMenu *PaneMenu() const { return popContactPane; }

    void SendMailToSelected();

private:
    void buildMenus();
    void showMenu(const QPoint &pos);
    void lstContactsEdited(QListWidgetItem *item);
    QListWidgetItem *selectedItem() const;
    QString selectedName() const;

    TfrmMain &fMain;
    QListWidget *fPane;
    QMenu *popContact = nullptr;
    QMenu *popContactPane = nullptr;
};

cContactsPane *AttachContactsPane(TfrmMain &frmMain);
