#include "ui/contacts/unitContactsSupport.h"

#include "storage/cContactStore.h"
#include "ui/contacts/ContactLists.h"
#include "ui/contacts/unitAddContact.h"
#include "ui/contacts/unitAddReceipiantsFromAddressBook.h"
#include "ui/contacts/unitAddressBook.h"
#include "ui/contacts/unitContactProperties.h"
#include "ui/main/unitMain.h"
#include "ui/wndlist/DialogParts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

QPointer<TfrmMain> gMainWindow;
std::function<void(const QString &to)> gNewMessageTo;

QString tr(const char *text)
{
    return QCoreApplication::translate("unitContactsSupport", text);
}

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

void fillPane(QListWidget *pane, const QList<cContactCard> &cards)
{
    const QSignalBlocker quiet(pane);
    pane->clear();
    for (const cContactCard &card : cards)
        pane->addItem(NewPaneItem(card));
    pane->sortItems();
}

// A home page is opened by the desktop's handler for its kind: only web addresses, since a
// contact may have come from someone else's file.
bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https" || url.scheme() == u"ftp");
}

} // namespace

void SetContactsMainWindow(TfrmMain *frmMain)
{
    gMainWindow = frmMain;
}

void SetContactsNewMessageOpener(std::function<void(const QString &to)> opener)
{
    gNewMessageTo = std::move(opener);
}

void ShowAddContact(QWidget *parent, const QString &name, const QString &address)
{
    TfrmAddContact dialog(parent, name, address);
    if (dialog.exec() == QDialog::Accepted)
        ReloadContacts();
}

bool RenameContact(QWidget *parent, const QString &oldName, const QString &newName, bool reload)
{
    const cResult renamed = cContactStore::RenameContact(oldName, newName);
    if (!renamed)
        QMessageBox::warning(parent, tr("Cannot rename contact"), renamed.text());
    if (reload)
        ReloadContacts();
    return renamed.ok();
}

void DeleteContact(QWidget *parent, const QString &name)
{
    if (!AskYesNo(parent, tr("Confirmation"), tr("Are you sure you want to permenantly delete this contact?")))
        return;
    if (const cResult deleted = cContactStore::DeleteContact(name); !deleted)
        QMessageBox::warning(parent, tr("Cannot delete contact"), deleted.text());
    ReloadContacts();
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
        QMessageBox::warning(parent, tr("Cannot send mail"),
                             tr("There is no E-Mail address defined for this contact. Please enter one before using "
                                "this function."));
        return;
    }
    if (gNewMessageTo)
        gNewMessageTo(to);
    else if (gMainWindow)
        gMainWindow->NewMessageTo(to);
}

void SendMailToContacts(QWidget *parent, const QStringList &addresses)
{
    SendMailToContact(parent, QString(), JoinAddresses(addresses));
}

void VisitContactHomePage(QWidget *parent, const QString &name, const QString &address)
{
    const QString page = address.isEmpty() ? cContactStore::ReadValue(name, eContactKey::HomePage) : address;
    const QString caption = tr("Cannot visit Home Page");
    if (page.isEmpty()) {
        QMessageBox::warning(parent, caption,
                             tr("There is not home page address defined for this contact. Please enter one before "
                                "using this function."));
        return;
    }
    const QUrl url = QUrl::fromUserInput(page);
    if (!isWebAddress(url)) {
        QMessageBox::warning(parent, caption, tr("\"%1\" is not a web address; only those are opened.").arg(page));
        return;
    }
    QDesktopServices::openUrl(url);
}

void ReloadContacts()
{
    const QList<cContactCard> cards = cContactStore::ReadAllContacts();
    if (gMainWindow)
        fillPane(gMainWindow->ContactsPane(), cards);
    if (TfrmAddressBook *book = TfrmAddressBook::Instance())
        book->FillList(cards);
}

void DeferContactsReload()
{
    if (gMainWindow)
        gMainWindow->ScheduleContactsReload();
    else
        QTimer::singleShot(0, [] { ReloadContacts(); });
}

void ShowAddressBook()
{
    TfrmAddressBook::ShowInstance();
}

QStringList PickRecipients(QWidget *parent)
{
    QList<cPickable> contacts;
    if (gMainWindow) {
        const QListWidget *pane = gMainWindow->ContactsPane();
        for (int row = 0; row < pane->count(); ++row)
            contacts.append({pane->item(row)->text(), pane->item(row)->data(ContactRole::Email).toString()});
    }
    TfrmAddReceipiantsFromAddressBook picker(parent, contacts);
    return picker.exec() == QDialog::Accepted ? picker.ChosenAddresses() : QStringList();
}
