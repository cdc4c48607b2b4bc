// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AddressSuggestions.h"

#include "storage/MailStorage.h"
#include "storage/cContactStore.h"
#include "storage/cDateKey.h"
#include "storage/cFolderIndex.h"
#include "storage/eFolderKind.h"
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

cAddressCompletion ReadCompletion(const QString &sentFolder)
{
    cAddressCompletion completion;
    for (const cContactCard &card : cContactStore::ReadAllContacts()) {
        completion.AddContact(card.name, card[eContactKey::EMail]);
        completion.AddContact(card.name, card[eContactKey::SecEMail]);
    }
    for (const cIndexEntry &sent : cFolderIndex::List(sentFolder))
        completion.AddSeen(sent.To, sent.dateKey == cDateKey::kNone ? 0 : WallSeconds(sent.dateKey));
    return completion;
}

} // namespace

QStringList SuggestAddresses(const QString &typed)
{
    static cAddressCompletion completion;
    static QElapsedTimer age;
    static QString readFrom;
    const QString sentFolder = MailFolderPath(FolderName(eFolderKind::SentItems));
    if (!age.isValid() || age.elapsed() > kFreshForMs || sentFolder != readFrom) {
        completion = ReadCompletion(sentFolder);
        readFrom = sentFolder;
        age.start();
    }
    return completion.Complete(typed, NowWallSeconds());
}
