// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/ContactLists.h"

#include "ui/icons/ThemedIcon.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QTreeWidgetItem>

// Outside any namespace, as Q_INIT_RESOURCE needs.
static void initContactImages()
{
    Q_INIT_RESOURCE(contacts);
}

int ContactImageIndex(const QString &email)
{
    return email.isEmpty() ? 1 : 0;
}

QIcon ContactsIcon(const char *name)
{
    static const bool initialised = (initContactImages(), true);
    Q_UNUSED(initialised);
    return ThemedIcon(QLatin1String(name));
}

QIcon ContactImage(int index)
{
    return ContactsIcon(index == 0 ? "ravelin-contact" : "ravelin-contact-no-mail");
}

QListWidgetItem *NewPaneItem(const cContactCard &card)
{
    auto *item = new QListWidgetItem(ContactImage(ContactImageIndex(card[eContactKey::EMail])), card.name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(ContactRole::Email, card[eContactKey::EMail]);
    item->setData(ContactRole::HomePage, card[eContactKey::HomePage]);
    item->setData(ContactRole::StoredName, card.name);
    return item;
}

QTreeWidgetItem *NewBookItem(const cContactCard &card)
{
    auto *item = new QTreeWidgetItem({card.name, card[eContactKey::EMail], card[eContactKey::HomePage]});
    item->setIcon(BookColumn::Name, ContactImage(ContactImageIndex(card[eContactKey::EMail])));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(BookColumn::Name, ContactRole::Email, card[eContactKey::EMail]);
    item->setData(BookColumn::Name, ContactRole::HomePage, card[eContactKey::HomePage]);
    item->setData(BookColumn::Name, ContactRole::StoredName, card.name);
    return item;
}

QString PeopleInBookText(int count)
{
    const char *kind = count == 1 ? QT_TRANSLATE_NOOP("TfrmAddressBook", "person")
                                  : QT_TRANSLATE_NOOP("TfrmAddressBook", "people");
    return QString::number(count) + u' ' + QCoreApplication::translate("TfrmAddressBook", kind)
           + QCoreApplication::translate("TfrmAddressBook", " in your address book");
}
