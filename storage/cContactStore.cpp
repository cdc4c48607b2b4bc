// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cContactStore.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "storage/cIniSection.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QRegularExpression>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cContactStore)
};

constexpr std::array<const char *, kContactKeyCount> kKeyNames = {
    "FullName", "EMail",       "SecEMail",  "HomePage",       "HomeAddress",         "StateProvince",      "Country",
    "PhoneNumber", "FaxNumber", "Company", "CompanyAddress", "CompanyStateCountry", "CompanyPhoneNumber", "CompanyFaxNumber"};

// The add-contact dialog's spelling; keys match without regard to case, so it is the same key.
const QByteArray kNewContactEmailKey = QByteArrayLiteral("Email");

cIniFile contactsFile()
{
    return cIniFile(ContactsFilePath());
}

cResult failureOf(const cIniFile &file)
{
    return cResult::Failed(eFailure::FileSystem, file.errorString());
}

cResult unstorableName(const QString &name)
{
    return cResult::Failed(eFailure::Refused,
                           cTexts::tr("Cannot store the contact name \"%1\": it is blank, has blanks around it, "
                                          "or holds a line break or \"]\".")
                               .arg(name));
}

cResult announced(cResult result)
{
    emit cContactStore::instance().Changed();
    return result;
}

cResult written(bool ok, const cIniFile &file)
{
    return announced(ok ? cResult::Ok() : failureOf(file));
}

QList<cIniValue> valuesOf(const cContactCard &card, bool withEmpty)
{
    QList<cIniValue> values;
    for (std::size_t i = 0; i < kContactKeyCount; ++i)
        if (withEmpty || !card.values[i].isEmpty())
            values.append({card.name, kKeyNames[i], card.values[i].toUtf8()});
    return values;
}

cContactCard cardOf(const QString &name, const cIniSection &section)
{
    cContactCard card;
    card.name = name;
    for (std::size_t i = 0; i < kContactKeyCount; ++i)
        card.values[i] = section.text(kKeyNames[i]);
    return card;
}

} // namespace

cContactStore &cContactStore::instance()
{
    static cContactStore store;
    return store;
}

QByteArray ContactKeyName(eContactKey key)
{
    return kKeyNames[static_cast<std::size_t>(key)];
}

QStringList cContactStore::ContactNames()
{
    return contactsFile().readSections();
}

cContactCard cContactStore::ReadContact(const QString &name)
{
    return cardOf(name, contactsFile().readSection(name));
}

QList<cContactCard> cContactStore::ReadAllContacts()
{
    QFile file(ContactsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<std::pair<QString, cIniSection>> sections;
    QSet<QString> seen;
    qsizetype current = -1; // a later section of a name already seen is not read
    QString name;
    QByteArray key, value;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (cIniSection::parseSectionName(line, &name)) {
            current = -1;
            if (!seen.contains(name.toCaseFolded())) {
                seen.insert(name.toCaseFolded());
                current = sections.size();
                sections.append({name, {}});
            }
        } else if (current >= 0 && cIniSection::parseKeyValue(line, &key, &value)) {
            sections[current].second.append(key, value);
        }
    }
    QList<cContactCard> cards;
    for (const auto &[sectionName, section] : sections)
        cards.append(cardOf(sectionName, section));
    return cards;
}

QString cContactStore::ReadValue(const QString &name, eContactKey key)
{
    return contactsFile().readString(name, ContactKeyName(key));
}

cResult cContactStore::WriteNewContact(const QString &name, const QString &email)
{
    if (!IsStorableName(name))
        return unstorableName(name);
    cIniFile file = contactsFile();
    return written(file.writeString(name, kNewContactEmailKey, email), file);
}

cResult cContactStore::WriteContact(const QString &name, const cContactCard &card)
{
    cContactCard named = card;
    named.name = name;
    cIniFile file = contactsFile();
    return written(file.writeValues(valuesOf(named, true)), file);
}

cResult cContactStore::ImportContacts(const QList<cContactCard> &cards, const QList<cContactCard> &replaced)
{
    QList<cIniValue> values;
    for (const cContactCard &card : replaced)
        values += valuesOf(card, true);
    for (const cContactCard &card : cards) {
        if (!IsStorableName(card.name))
            return unstorableName(card.name);
        const QList<cIniValue> own = valuesOf(card, false);
        // A card with nothing but a name still makes a section.
        values += own.isEmpty() ? QList<cIniValue>{{card.name, kNewContactEmailKey, {}}} : own;
    }
    if (values.isEmpty())
        return cResult::Ok();
    cIniFile file = contactsFile();
    return written(file.writeValues(values), file);
}

cResult cContactStore::RenameContact(const QString &oldName, const QString &newName)
{
    if (oldName.compare(newName, Qt::CaseInsensitive) != 0) {
        if (!IsStorableName(newName))
            return unstorableName(newName);
        if (ContactNames().contains(newName, Qt::CaseInsensitive))
            return cResult::Failed(eFailure::Refused,
                                   cTexts::tr("Cannot rename the contact \"%1\" to \"%2\": a contact of that name "
                                                  "exists in \"%3\".")
                                       .arg(oldName, newName, ContactsFilePath()));
    }
    return announced(RenameIniSection(ContactsFilePath(), oldName, newName));
}

cResult cContactStore::DeleteContact(const QString &name)
{
    cIniFile file = contactsFile();
    return written(file.eraseSection(name), file);
}

bool cContactStore::IsStorableName(const QString &name)
{
    return !name.isEmpty() && name.trimmed() == name && !name.contains(QLatin1Char('\n'))
        && !name.contains(QLatin1Char('\r')) && !name.contains(QLatin1Char(']'));
}

QString cContactStore::StorableName(const QString &name)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    QString storable = name;
    storable.replace(lineBreaks, QStringLiteral(" ")).replace(QLatin1Char(']'), QLatin1Char(')'));
    return storable.trimmed();
}

QString AppendAddress(const QString &text, const QString &address)
{
    return text.isEmpty() ? address : text + QStringLiteral(", ") + address;
}

QString JoinAddresses(const QStringList &addresses)
{
    QString text;
    for (const QString &address : addresses)
        text = AppendAddress(text, address);
    return text;
}
