// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAddressCompletion.h"

#include "mailproto/TVrxAddressList.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr double kSecondsPerDay = 86400.0;
// A use a month ago counts half as much as one today.
constexpr double kHalfWeightDays = 30.0;

// Lower case without accents, so "jose" finds "José".
QString Folded(const QString &text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD))
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    return folded.toCaseFolded();
}

QString Mailbox(const QString &name, const QString &address)
{
    if (name.isEmpty() || name == address)
        return address;
    static const QRegularExpression special(QStringLiteral(R"([,;:<>@"()\[\]\\.])"));
    const QString shownName = name.contains(special)
                                  ? u'"' + QString(name).replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\"")) + u'"'
                                  : name;
    return shownName + QStringLiteral(" <") + address + u'>';
}

} // namespace

cAddressCompletion::cEntry &cAddressCompletion::EntryFor(const QString &address)
{
    cEntry &entry = fEntries[address.toCaseFolded()];
    if (entry.address.isEmpty()) {
        entry.address = address;
        entry.keys = {Folded(address)};
    }
    return entry;
}

void cAddressCompletion::SetName(cEntry &entry, const QString &name)
{
    static const QRegularExpression separators(QStringLiteral(R"([\s,."'()-]+)"));
    entry.name = name.simplified();
    entry.keys = QStringList{Folded(entry.address), Folded(entry.name)}
                 + Folded(entry.name).split(separators, Qt::SkipEmptyParts);
}

void cAddressCompletion::AddContact(const QString &name, const QString &address)
{
    const QString bare = address.trimmed();
    if (bare.isEmpty())
        return;
    cEntry &entry = EntryFor(bare);
    SetName(entry, name);
    entry.inAddressBook = true;
}

void cAddressCompletion::AddSeen(const QByteArray &field, qint64 when)
{
    for (const QByteArray &mailbox : TVrxAddressList::Mailboxes(field)) {
        const QString address = QString::fromUtf8(TVrxAddressList::AddressOf(mailbox));
        if (!address.contains(u'@'))
            continue;
        cEntry &entry = EntryFor(address);
        ++entry.uses;
        entry.lastUse = std::max(entry.lastUse, when);
        if (entry.name.isEmpty() && !entry.inAddressBook)
            SetName(entry, QString::fromUtf8(TVrxAddressList::DisplayNameOf(mailbox)));
    }
}

double cAddressCompletion::Score(const cEntry &entry, qint64 now) const
{
    const double ageDays = std::max<qint64>(0, now - entry.lastUse) / kSecondsPerDay;
    const double recency = entry.uses > 0 ? 1.0 / (1.0 + ageDays / kHalfWeightDays) : 0.0;
    return entry.uses * recency + (entry.inAddressBook ? 1.0 : 0.0);
}

bool cAddressCompletion::Matches(const cEntry &entry, const QString &foldedTyped)
{
    return std::any_of(entry.keys.cbegin(), entry.keys.cend(), [&](const QString &key) { return key.startsWith(foldedTyped); });
}

QStringList cAddressCompletion::Complete(const QString &typed, qint64 now, int limit) const
{
    const QString foldedTyped = Folded(typed.trimmed());
    if (foldedTyped.isEmpty())
        return {};
    QList<const cEntry *> found;
    for (const cEntry &entry : fEntries)
        if (Matches(entry, foldedTyped))
            found.append(&entry);
    std::sort(found.begin(), found.end(), [&](const cEntry *a, const cEntry *b) {
        const double scoreA = Score(*a, now), scoreB = Score(*b, now);
        return scoreA != scoreB ? scoreA > scoreB : a->address < b->address;
    });
    QStringList mailboxes;
    for (const cEntry *entry : found.first(std::min<qsizetype>(limit, found.size())))
        mailboxes.append(Mailbox(entry->name, entry->address));
    return mailboxes;
}
