// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contact operations that the contacts pane and the address book windows share. They act
// on the contact store, whose change signal the lists follow; nothing is kept in between.
// Mail to contacts opens through the window steps.
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The add-contact dialog, prefilled; the lists are refilled after OK.
void ShowAddContact(QWidget *parent, const QString &name, const QString &address);
// False when the store refused or failed; the user has been told why.
bool RenameContact(QWidget *parent, const QString &oldName, const QString &newName);
// A rename typed into a list: the lists are refilled once the edit has ended, never inside
// its notification.
void RenameInPlace(QWidget *parent, const QString &oldName, const QString &newName);
// Asks first; No changes nothing.
void DeleteContact(QWidget *parent, const QString &name);
void ShowContactProperties(const QString &name);
// The address given, else the contact's e-mail; a blank one is refused with a message.
void SendMailToContact(QWidget *parent, const QString &name, const QString &address);
void VisitContactHomePage(QWidget *parent, const QString &name, const QString &address);
// Every contact list shows the store now.
void ReloadContacts();
// Mail to several contacts at once: their addresses joined, blank ones included.
void SendMailToContacts(QWidget *parent, const QStringList &addresses);

// Opens the address book, or brings it forward when it is open.
void ShowAddressBook();
// The recipient picker over every contact, sorted by name as the pane shows them; the chosen
// addresses in order, none when cancelled.
QStringList PickRecipients(QWidget *parent);
