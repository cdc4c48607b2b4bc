#pragma once
// The contact operations that the main window's contacts pane and the address book windows
// share. They act on the contact store and then refill both contact lists from it; nothing
// is kept in between. App names the main window once (SetContactsMainWindow) before any
// of them runs: its pane is filled, and its new-message builder writes to contacts.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class TfrmMain;

void SetContactsMainWindow(TfrmMain *frmMain);
// Where mail to contacts opens: the main window's new-message builder unless another is given.
void SetContactsNewMessageOpener(std::function<void(const QString &to)> opener);

// The add-contact dialog, prefilled; the lists are refilled after OK.
void ShowAddContact(QWidget *parent, const QString &name, const QString &address);
// False when the store refused or failed; the user has been told why.
bool RenameContact(QWidget *parent, const QString &oldName, const QString &newName, bool reload);
// Asks first; No changes nothing.
void DeleteContact(QWidget *parent, const QString &name);
void ShowContactProperties(const QString &name);
// The address given, else the contact's e-mail; a blank one is refused with a message.
void SendMailToContact(QWidget *parent, const QString &name, const QString &address);
void VisitContactHomePage(QWidget *parent, const QString &name, const QString &address);
void ReloadContacts();
// ReloadContacts once the current event is over (the main window's contacts timer), for
// changes made inside a list's own notification.
void DeferContactsReload();
// Mail to several contacts at once: their addresses joined, blank ones included.
void SendMailToContacts(QWidget *parent, const QStringList &addresses);

// Opens the address book, or brings it forward when it is open.
void ShowAddressBook();
// The recipient picker over the contacts pane's contacts; the chosen addresses in order,
// none when cancelled.
QStringList PickRecipients(QWidget *parent);
