// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AddressSuggestions.h"

#include "storage/cContactStore.h"
#include "storage/cDateKey.h"
#include "storage/cMailStore.h"
#include "transfer/cAddressCompletion.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

constexpr qint64 kFreshForMs = 5000;

// Seconds on the wall clock, the way listed dates are keyed.
qint64 WallSeconds(qint64 dateKey)
{
    return dateKey / 1000;
}

qint64 NowWallSeconds()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.date().toJulianDay() * 86400 + now.time().msecsSinceStartOfDay() / 1000;
}

cAddressCompletion ReadCompletion(const cMailStore &store)
{
    cAddressCompletion completion;
    for (const cContactCard &card : cContactStore::ReadAllContacts()) {
        completion.AddContact(card.name, card[eContactKey::EMail]);
        completion.AddContact(card.name, card[eContactKey::SecEMail]);
    }
    for (const cStoredEntry &sent : store.List(FolderName(eFolderKind::SentItems))) {
        const qint64 dateKey = sent.entry.dateKey;
        completion.AddSeen(sent.entry.To, dateKey == cDateKey::kNone ? 0 : WallSeconds(dateKey));
    }
    return completion;
}

} // namespace

QStringList SuggestAddresses(const cMailStore &store, const QString &typed)
{
    static cAddressCompletion completion;
    static QElapsedTimer age;
    // The mail folder may have moved since, or another store be asked.
    static std::pair<const cMailStore *, QString> readFrom;
    const std::pair source(&store, store.FolderDirectory(FolderName(eFolderKind::SentItems)));
    if (!age.isValid() || age.elapsed() > kFreshForMs || source != readFrom) {
        completion = ReadCompletion(store);
        readFrom = source;
        age.start();
    }
    return completion.Complete(typed, NowWallSeconds());
}
