// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/ContactsPane.h"

#include "storage/cContactStore.h"
#include "ui/contacts/ContactLists.h"
#include "ui/contacts/unitContactsSupport.h"

#include <QMenu>
#include <QShowEvent>

cContactsPane::cContactsPane(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("lstContacts"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setContextMenuPolicy(Qt::CustomContextMenu);
    buildMenus();
    connect(this, &QWidget::customContextMenuRequested, this, &cContactsPane::showMenu);
    connect(this, &QListWidget::itemDoubleClicked, this, &cContactsPane::SendMailToSelected);
    connect(this, &QListWidget::itemChanged, this, &cContactsPane::lstContactsEdited);
    connect(&cContactStore::instance(), &cContactStore::Changed, this, &cContactsPane::fill);
}

void cContactsPane::showEvent(QShowEvent *event)
{
    QListWidget::showEvent(event);
    if (!event->spontaneous())
        fill();
}

void cContactsPane::fill()
{
    const QSignalBlocker quiet(this);
    clear();
    for (const cContactCard &card : cContactStore::ReadAllContacts())
        addItem(NewPaneItem(card));
    sortItems();
}

void cContactsPane::buildMenus()
{
    popContact = new QMenu(this);
    popContact->setObjectName(QStringLiteral("popContact"));
    connect(popContact->addAction(tr("&New contact")), &QAction::triggered, this,
            [this] { ShowAddContact(window(), QString(), QString()); });
    popContact->addSeparator();
    connect(popContact->addAction(tr("Properties")), &QAction::triggered, this,
            [this] { ShowContactProperties(selectedName()); });
    connect(popContact->addAction(tr("Delete")), &QAction::triggered, this,
            [this] { DeleteContact(window(), selectedName()); });
    popContact->addSeparator();
    connect(popContact->addAction(tr("Send Mail")), &QAction::triggered, this, &cContactsPane::SendMailToSelected);
    connect(popContact->addAction(tr("Visit Home Page")), &QAction::triggered, this, [this] {
        if (const QListWidgetItem *item = selectedItem())
            VisitContactHomePage(window(), selectedName(), item->data(ContactRole::HomePage).toString());
    });

    popContactPane = new QMenu(this);
    popContactPane->setObjectName(QStringLiteral("popContactPane"));
    connect(popContactPane->addAction(tr("&Add contact")), &QAction::triggered, this,
            [this] { ShowAddContact(window(), QString(), QString()); });
    connect(popContactPane->addAction(tr("Hide Contacts Pane")), &QAction::triggered, this,
            &cContactsPane::HideRequested);
    connect(popContactPane->addAction(tr("Open Address Book")), &QAction::triggered, this, [] { ShowAddressBook(); });
}

void cContactsPane::showMenu(const QPoint &pos)
{
    QListWidgetItem *item = itemAt(pos);
    if (item && !item->isSelected())
        setCurrentItem(item);
    (item ? popContact : popContactPane)->popup(viewport()->mapToGlobal(pos));
}

void cContactsPane::SendMailToSelected()
{
    QStringList addresses;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            addresses.append(item(row)->data(ContactRole::Email).toString());
    if (addresses.size() == 1)
        SendMailToContact(window(), selectedName(), addresses.first());
    else if (!addresses.isEmpty())
        SendMailToContacts(window(), addresses);
}

void cContactsPane::lstContactsEdited(QListWidgetItem *item)
{
    const QString oldName = item->data(ContactRole::StoredName).toString();
    if (item->text() != oldName)
        RenameInPlace(window(), oldName, item->text());
}

QListWidgetItem *cContactsPane::selectedItem() const
{
    QListWidgetItem *current = currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString cContactsPane::selectedName() const
{
    const QListWidgetItem *item = selectedItem();
    return item ? item->data(ContactRole::StoredName).toString() : QString();
}
