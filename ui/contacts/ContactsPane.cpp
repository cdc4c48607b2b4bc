#include "ui/contacts/ContactsPane.h"

#include "ui/contacts/ContactLists.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/main/unitMain.h"

#include <QListWidget>
#include <QMenu>

cContactsPane::cContactsPane(TfrmMain &frmMain) : QObject(&frmMain), fMain(frmMain), fPane(frmMain.ContactsPane())
{
    setObjectName(QStringLiteral("contactsPane"));
    fPane->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fPane->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    fPane->setContextMenuPolicy(Qt::CustomContextMenu);
    buildMenus();
    connect(fPane, &QWidget::customContextMenuRequested, this, &cContactsPane::showMenu);
    connect(fPane, &QListWidget::itemDoubleClicked, this, &cContactsPane::SendMailToSelected);
    connect(fPane, &QListWidget::itemChanged, this, &cContactsPane::lstContactsEdited);
}

void cContactsPane::buildMenus()
{
    QWidget *parent = &fMain;
    popContact = new QMenu(parent);
    popContact->setObjectName(QStringLiteral("popContact"));
    connect(popContact->addAction(tr("&New contact")), &QAction::triggered, this,
            [parent] { ShowAddContact(parent, QString(), QString()); });
    popContact->addSeparator();
    connect(popContact->addAction(tr("Properties")), &QAction::triggered, this,
            [this] { ShowContactProperties(selectedName()); });
    connect(popContact->addAction(tr("Delete")), &QAction::triggered, this,
            [this, parent] { DeleteContact(parent, selectedName()); });
    popContact->addSeparator();
    connect(popContact->addAction(tr("Send Mail")), &QAction::triggered, this, &cContactsPane::SendMailToSelected);
    connect(popContact->addAction(tr("Visit Home Page")), &QAction::triggered, this, [this, parent] {
        if (const QListWidgetItem *item = selectedItem())
            VisitContactHomePage(parent, selectedName(), item->data(ContactRole::HomePage).toString());
    });

    popContactPane = new QMenu(parent);
    popContactPane->setObjectName(QStringLiteral("popContactPane"));
    connect(popContactPane->addAction(tr("&Add contact")), &QAction::triggered, this,
            [parent] { ShowAddContact(parent, QString(), QString()); });
    connect(popContactPane->addAction(tr("Hide Contacts Pane")), &QAction::triggered, &fMain,
            &TfrmMain::HideContactsPane);
    connect(popContactPane->addAction(tr("Open Address Book")), &QAction::triggered, this, [] { ShowAddressBook(); });
}

void cContactsPane::showMenu(const QPoint &pos)
{
    QListWidgetItem *item = fPane->itemAt(pos);
    if (item && !item->isSelected())
        fPane->setCurrentItem(item);
    (item ? popContact : popContactPane)->popup(fPane->viewport()->mapToGlobal(pos));
}

void cContactsPane::SendMailToSelected()
{
    QStringList addresses;
    for (int row = 0; row < fPane->count(); ++row)
        if (fPane->item(row)->isSelected())
            addresses.append(fPane->item(row)->data(ContactRole::Email).toString());
    if (addresses.size() == 1)
        SendMailToContact(&fMain, selectedName(), addresses.first());
    else if (!addresses.isEmpty())
        SendMailToContacts(&fMain, addresses);
}

// Refilled once the edit has ended, never inside its notification.
void cContactsPane::lstContactsEdited(QListWidgetItem *item)
{
    const QString oldName = item->data(ContactRole::StoredName).toString();
    if (item->text() == oldName)
        return;
    (void)RenameContact(&fMain, oldName, item->text(), false);
    DeferContactsReload();
}

QListWidgetItem *cContactsPane::selectedItem() const
{
    QListWidgetItem *current = fPane->currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QListWidgetItem *> selected = fPane->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString cContactsPane::selectedName() const
{
    const QListWidgetItem *item = selectedItem();
    return item ? item->data(ContactRole::StoredName).toString() : QString();
}

cContactsPane *AttachContactsPane(TfrmMain &frmMain)
{
    SetContactsMainWindow(&frmMain);
    QObject::connect(&frmMain, &TfrmMain::ContactsReloadRequested, &frmMain, [] { ReloadContacts(); });
    return new cContactsPane(frmMain);
}
