// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contacts: "Ravelin2 contacts.ini" holds one section per contact, named after its display
// name, which is its only identity. Names compare without regard to case; store order is
// section order, and a new contact goes to the end. Nothing is kept in memory: every call
// reads or writes the file, and a write replaces it whole or not at all. Views follow Changed.
#include "storage/cResult.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

// The fourteen keys of a contact section, in the order the properties window shows them.
enum class eContactKey {
    FullName,
    EMail,
    SecEMail,
    HomePage,
    HomeAddress,
    StateProvince,
    Country,
    PhoneNumber,
    FaxNumber,
    Company,
    CompanyAddress,
    CompanyStateCountry,
    CompanyPhoneNumber,
    CompanyFaxNumber,
    Count
};
inline constexpr std::size_t kContactKeyCount = static_cast<std::size_t>(eContactKey::Count);

QByteArray ContactKeyName(eContactKey key);

// A contact's name and values as read from or written to its section; absent keys are empty.
struct cContactCard
{
    QString name;
    std::array<QString, kContactKeyCount> values;

    QString &operator[](eContactKey key) { return values[static_cast<std::size_t>(key)]; }
    const QString &operator[](eContactKey key) const { return values[static_cast<std::size_t>(key)]; }
    friend bool operator==(const cContactCard &, const cContactCard &) = default;
};

class cContactStore : public QObject
{
    Q_OBJECT
public:
    // The one object that announces changes; the calls themselves are static.
    static cContactStore &instance();

    // Display names in file order, each once.
    static QStringList ContactNames();
    static cContactCard ReadContact(const QString &name);
    // Every contact in file order, from one reading of the file (the lists show them all).
    static QList<cContactCard> ReadAllContacts();
    static QString ReadValue(const QString &name, eContactKey key);

    // The add-contact dialog: the e-mail goes into the named section, which is added at the
    // end unless a contact of that name (in any case) exists, whose other keys then stay.
    static cResult WriteNewContact(const QString &name, const QString &email);
    // All fourteen keys into the named section, empty ones included.
    static cResult WriteContact(const QString &name, const cContactCard &card);
    // Cards brought in from elsewhere: a name the store has (in any case) gets the card's
    // non-empty values, any other is added at the end; each of replaced gets all fourteen keys,
    // empty ones included. One write for all of them.
    static cResult ImportContacts(const QList<cContactCard> &cards, const QList<cContactCard> &replaced = {});

    // Renames the first section of the old name. A name another contact has is refused:
    // reads through that name could never reach the renamed one again.
    static cResult RenameContact(const QString &oldName, const QString &newName);
    static cResult DeleteContact(const QString &name);

    // Whether a name reads back as itself as a section header: not blank, no line break or
    // "]", no blanks around it.
    static bool IsStorableName(const QString &name);
    // The nearest storable name: blanks around it and line breaks go, "]" becomes ")".
    static QString StorableName(const QString &name);

signals:
    // After every write of the file, whether it worked or not: lists show the file as it is.
    void Changed();
};

// The address joining rule of the recipient fields and of mail to several contacts: the
// address alone while the text is empty, else the text, ", " and the address.
QString AppendAddress(const QString &text, const QString &address);
QString JoinAddresses(const QStringList &addresses);
