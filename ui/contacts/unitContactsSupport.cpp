// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/unitContactsSupport.h"

#include "storage/cContactStore.h"
#include "ui/contacts/unitAddContact.h"
#include "ui/contacts/unitAddReceipiantsFromAddressBook.h"
#include "ui/contacts/unitAddressBook.h"
#include "ui/contacts/unitContactProperties.h"
#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(unitContactsSupport)
};

// Characters of code 32 and below around the text go.
QString withoutBlanksAround(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 32)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(start, end - start);
}

// A home page is opened by the desktop's handler for its kind: only web addresses, since a
// contact may have come from someone else's file.
bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https" || url.scheme() == u"ftp");
}

} // namespace

void ShowAddContact(QWidget *parent, const QString &name, const QString &address)
{
    TfrmAddContact dialog(parent, name, address);
    dialog.exec();
}

bool RenameContact(QWidget *parent, const QString &oldName, const QString &newName)
{
    const cResult renamed = cContactStore::RenameContact(oldName, newName);
    if (!renamed)
        QMessageBox::warning(parent, cTexts::tr("Cannot rename contact"), renamed.text());
    return renamed.ok();
}

void RenameInPlace(QWidget *parent, const QString &oldName, const QString &newName)
{
    {
        const QSignalBlocker quiet(cContactStore::instance());
        (void)RenameContact(parent, oldName, newName);
    }
    // A refused name is put back too: the lists show the names as stored.
    QTimer::singleShot(0, &cContactStore::instance(), ReloadContacts);
}

void DeleteContact(QWidget *parent, const QString &name)
{
    if (!AskYesNo(parent, cTexts::tr("Confirmation"), cTexts::tr("Are you sure you want to permenantly delete this contact?")))
        return;
    if (const cResult deleted = cContactStore::DeleteContact(name); !deleted)
        QMessageBox::warning(parent, cTexts::tr("Cannot delete contact"), deleted.text());
}

void ShowContactProperties(const QString &name)
{
    auto *properties = new TfrmContactProperties;
    properties->Load(name);
    properties->show();
}

void SendMailToContact(QWidget *parent, const QString &name, const QString &address)
{
    const QString to = address.isEmpty() ? cContactStore::ReadValue(name, eContactKey::EMail) : address;
    if (withoutBlanksAround(to).isEmpty()) {
        QMessageBox::warning(parent, cTexts::tr("Cannot send mail"),
                             cTexts::tr("There is no E-Mail address defined for this contact. Please enter one before using "
                                "this function."));
        return;
    }
    RunStep(WindowSteps().NewMessageTo, to);
}

void SendMailToContacts(QWidget *parent, const QStringList &addresses)
{
    SendMailToContact(parent, QString(), JoinAddresses(addresses));
}

void VisitContactHomePage(QWidget *parent, const QString &name, const QString &address)
{
    const QString page = address.isEmpty() ? cContactStore::ReadValue(name, eContactKey::HomePage) : address;
    const QString caption = cTexts::tr("Cannot visit Home Page");
    if (page.isEmpty()) {
        QMessageBox::warning(parent, caption,
                             cTexts::tr("There is not home page address defined for this contact. Please enter one before "
                                "using this function."));
        return;
    }
    const QUrl url = QUrl::fromUserInput(page);
    if (!isWebAddress(url)) {
        QMessageBox::warning(parent, caption, cTexts::tr("\"%1\" is not a web address; only those are opened.").arg(page));
        return;
    }
    QDesktopServices::openUrl(url);
}

void ReloadContacts()
{
    emit cContactStore::instance().Changed();
}

void ShowAddressBook()
{
    TfrmAddressBook::ShowInstance();
}

QStringList PickRecipients(QWidget *parent)
{
    QList<cPickable> contacts;
    for (const cContactCard &card : cContactStore::ReadAllContacts())
        contacts.append({card.name, card[eContactKey::EMail]});
    std::stable_sort(contacts.begin(), contacts.end(),
                     [](const cPickable &a, const cPickable &b) { return a.name < b.name; });
    TfrmAddReceipiantsFromAddressBook picker(parent, contacts);
    return picker.exec() == QDialog::Accepted ? picker.ChosenAddresses() : QStringList();
}
