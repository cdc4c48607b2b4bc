// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ContactImport.h"

#include <QHash>

namespace {

using K = eContactKey;

QString keyOf(const QString &name)
{
    return name.toCaseFolded();
}

// Where the card of a name stands in the plan: the book, or a list of the plan.
struct cPlanned
{
    cContactCard card;
    QList<cContactCard> *list = nullptr;
};

void putInPlace(QList<cContactCard> *list, const cContactCard &card)
{
    for (cContactCard &planned : *list)
        if (keyOf(planned.name) == keyOf(card.name)) {
            planned = card;
            return;
        }
    list->append(card);
}

} // namespace

cContactCard MergedContact(const cContactCard &existing, const cContactCard &incoming)
{
    cContactCard merged = existing;
    for (const K key : {K::EMail, K::SecEMail}) {
        const QString &address = incoming[key];
        if (address.isEmpty() || address.compare(merged[K::EMail], Qt::CaseInsensitive) == 0
            || address.compare(merged[K::SecEMail], Qt::CaseInsensitive) == 0)
            continue;
        if (merged[K::EMail].isEmpty())
            merged[K::EMail] = address;
        else if (merged[K::SecEMail].isEmpty())
            merged[K::SecEMail] = address;
    }
    for (std::size_t i = 0; i < kContactKeyCount; ++i) {
        const K key = static_cast<K>(i);
        if (key != K::EMail && key != K::SecEMail && merged[key].isEmpty())
            merged[key] = incoming[key];
    }
    return merged;
}

QString FreeContactName(const QString &name, const QStringList &taken)
{
    QString candidate = name;
    for (int n = 2; taken.contains(candidate, Qt::CaseInsensitive); ++n)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return candidate;
}

cContactImportPlan PlanContactImport(const QList<cContactCard> &cards, const QList<cContactCard> &book,
                                     const cDuplicateQuestion &ask)
{
    cContactImportPlan plan;
    QHash<QString, cPlanned> known;
    QStringList names;
    for (const cContactCard &card : book) {
        known.insert(keyOf(card.name), {card, &plan.replaced});
        names.append(card.name);
    }
    for (cContactCard card : cards) {
        const auto found = known.find(keyOf(card.name));
        if (found == known.end()) {
            known.insert(keyOf(card.name), {card, &plan.added});
            names.append(card.name);
            plan.added.append(card);
            continue;
        }
        const eDuplicateChoice choice = ask(card, found->card);
        switch (choice) {
        case eDuplicateChoice::Skip: ++plan.skipped; break;
        case eDuplicateChoice::KeepBoth:
            card.name = FreeContactName(card.name, names);
            known.insert(keyOf(card.name), {card, &plan.added});
            names.append(card.name);
            plan.added.append(card);
            break;
        case eDuplicateChoice::Replace:
        case eDuplicateChoice::Merge: {
            cContactCard settled = choice == eDuplicateChoice::Replace ? card : MergedContact(found->card, card);
            settled.name = found->card.name; // the contact keeps its name as the book spells it
            found->card = settled;
            putInPlace(found->list, settled);
            break;
        }
        }
    }
    return plan;
}
