// SPDX-License-Identifier: GPL-3.0-or-later
#include "address_book_screenshot.h"

#include "storage/cContactStore.h"
#include "storage/cOptions.h"
#include "ui/contacts/unitAddressBook.h"

#include <QApplication>
#include <QDir>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

bool SaveAddressBookPicture(const QString &folder, QTextStream &err)
{
    (void)cOptions::write(Opt::AddressBook_Width, 640);
    (void)cOptions::write(Opt::AddressBook_Height, 340);
    const std::pair<QString, QString> people[] = {
        {u"Margaret Holm"_s, u"margaret@example.org"_s}, {u"Tom Berg"_s, u"tom@example.org"_s},
        {u"Anna Lind"_s, u"anna.lind@example.net"_s},    {u"Erik Sand"_s, u"erik@sand.example"_s},
        {u"Bookshop Orders"_s, QString()}};
    for (const auto &[name, email] : people) {
        if (!cContactStore::WriteNewContact(name, email)) {
            err << "Cannot write the sample contacts\n";
            return false;
        }
    }
    cContactCard margaret = cContactStore::ReadContact(people[0].first);
    margaret[eContactKey::HomePage] = u"https://holm.example.org"_s;
    margaret[eContactKey::Company] = u"ACME Ltd."_s;
    (void)cContactStore::WriteContact(margaret.name, margaret);

    TfrmAddressBook::ShowInstance();
    TfrmAddressBook *book = TfrmAddressBook::Instance();
    auto *list = book->findChild<QTreeWidget *>(u"lstItems"_s);
    list->setCurrentItem(list->topLevelItem(1));
    QApplication::processEvents();
    const QString target = QDir(folder).filePath(u"ravelin-address-book.png"_s);
    const bool saved = book->grab().save(target);
    book->close();
    if (!saved)
        err << "Cannot write the picture " << target << "\n";
    return saved;
}
