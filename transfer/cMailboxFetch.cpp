// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cMailboxFetch.h"

#include "mailproto/TVrxPOP.h"

#include <QCoreApplication>
#include <QDateTime>

#include <chrono>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cMailboxFetch)
};
constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
// Progress is relative to this many bytes when the server did not give a size.
constexpr qint64 kUnknownSize = 100;
} // namespace

cMailboxFetch::cMailboxFetch(TVrxPOP &pop, const cAccount &account, qint64 maxMessageSize, cSteps steps)
    : fPop(pop), fAccount(account), fMaxMessageSize(maxMessageSize), fSteps(std::move(steps)),
      fState(account.userId, account.pop3Server, account.Pop3PortNumber())
{
}

QString cMailboxFetch::Tagged(const QString &text) const
{
    return QStringLiteral("(%1) %2").arg(fAccount.section, text);
}

qint64 cMailboxFetch::Prepare(const QMap<qint64, QByteArray> &ids)
{
    if (cResult loaded = fState.Load(); !loaded)
        fSteps.Error(Tagged(loaded.text()));
    fIds = ids;
    fState.KeepOnly(QSet<QByteArray>(ids.cbegin(), ids.cend()));
    fSizes = fPop.Sizes();
    if (!fPop.Connected())
        return 0;
    Plan();
    // What the journal proved or the server dropped is written down before anything is deleted.
    (void)Commit();
    return fToFetch.size();
}

bool cMailboxFetch::DueForDeletion(const QByteArray &uid) const
{
    if (!fAccount.leaveMailOnServer)
        return true;
    const std::optional<qint64> storedAt = fState.StoredAt(uid);
    return fAccount.removeAfterDays > 0 && storedAt
           && QDateTime::currentSecsSinceEpoch() - *storedAt >= fAccount.removeAfterDays * kSecondsPerDay;
}

void cMailboxFetch::Plan()
{
    QSet<QByteArray> planned;
    for (auto it = fIds.cbegin(); it != fIds.cend(); ++it) {
        const qint64 number = it.key();
        // A server that gives two messages one id would otherwise have us store both.
        if (planned.contains(it.value()))
            continue;
        planned.insert(it.value());
        if (fState.Knows(it.value())) {
            if (DueForDeletion(it.value()))
                fDeletable.append(number);
            continue;
        }
        const qint64 size = fSizes.value(number, 0);
        if (size > fMaxMessageSize) {
            fSteps.Error(Tagged(cTexts::tr("Message %1 was left on the server: it has %2 bytes, more than the limit of %3 bytes")
                                    .arg(number)
                                    .arg(size)
                                    .arg(fMaxMessageSize)));
            continue;
        }
        fToFetch.append(number);
    }
}

void cMailboxFetch::Transfer()
{
    while (fPop.Connected() && SendMore())
        TakeReply();
    (void)Commit();
}

// A half-empty window is refilled in one write rather than one command at a time.
bool cMailboxFetch::SendMore()
{
    const qsizetype window = fPop.Pipelining() ? kWindow : 1;
    if (qsizetype(fSent.size()) > window / 2)
        return true;
    if (fMayDelete) {
        const QList<qint64> deletions = fDeletable.first(std::min(fDeletable.size(), window - qsizetype(fSent.size())));
        fDeletable.remove(0, deletions.size());
        if (!deletions.isEmpty() && !fPop.RequestDelete(deletions))
            return false;
        for (qint64 number : deletions)
            fSent.push_back({false, number});
    }
    const qsizetype retrievals = std::min(window - qsizetype(fSent.size()), fToFetch.size() - fNextToFetch);
    if (retrievals > 0) {
        const QList<qint64> numbers = fToFetch.mid(fNextToFetch, retrievals);
        fNextToFetch += retrievals;
        if (!fPop.RequestRetrieve(numbers))
            return false;
        for (qint64 number : numbers)
            fSent.push_back({true, number});
        fRetrievesInFlight += int(retrievals);
    }
    return !fSent.empty();
}

void cMailboxFetch::TakeReply()
{
    const cSent sent = fSent.front();
    fSent.pop_front();
    if (!sent.retrieve) {
        (void)fPop.TakeDeleteReply(sent.number);
        return;
    }
    --fRetrievesInFlight;
    TakeMessage(sent.number);
}

void cMailboxFetch::TakeMessage(qint64 number)
{
    fSteps.Output(cTexts::tr("Retrieving message %1 of %2").arg(++fRetrieved).arg(fToFetch.size()));
    const std::optional<QByteArray> raw = fPop.TakeMessage(number, fSizes.value(number, kUnknownSize));
    if (!raw)
        return;
    const QByteArray uid = fIds.value(number);
    const auto noteFiling = [this, &uid](const QString &path, const cMailMessage &record) {
        return fState.Filing(uid, path, record.DateTime);
    };
    if (fSteps.Store(*raw, number, noteFiling))
        fFiled.append(number);
    const bool lastOne = fNextToFetch == fToFetch.size() && fRetrievesInFlight == 0;
    if (lastOne)
        (void)Commit();
    else if (fFiled.size() >= kBatch)
        FlushMeanwhile();
}

void cMailboxFetch::FlushMeanwhile()
{
    if (!fSteps.FlushMailMeanwhile) {
        (void)Commit();
        return;
    }
    // While the disk is busy with the batch before, this one grows instead of waiting.
    if (fFlushed.valid() && fFlushed.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    if (!TakeFlushed())
        return;
    fFlushing = std::exchange(fFiled, {});
    fFlushed = std::async(std::launch::async, fSteps.FlushMailMeanwhile);
}

bool cMailboxFetch::TakeFlushed()
{
    if (!fFlushed.valid())
        return true;
    const bool onDisk = fFlushed.get().ok();
    const QList<qint64> flushed = std::exchange(fFlushing, {});
    if (onDisk)
        return RecordFiled(flushed);
    // The next flush covers these too.
    fFiled = flushed + fFiled;
    return false;
}

bool cMailboxFetch::Commit()
{
    (void)TakeFlushed();
    if (fFiled.isEmpty() && !fState.Changed())
        return true;
    // Ids the server dropped need no mail on disk; messages filed, now or before a kill, do.
    if ((!fFiled.isEmpty() || fState.Proven()) && !fSteps.FlushMail()) {
        fMayDelete = false;
        return false;
    }
    return RecordFiled(std::exchange(fFiled, {}));
}

bool cMailboxFetch::RecordFiled(const QList<qint64> &filed)
{
    for (qint64 number : filed)
        fState.Record(fIds.value(number));
    if (cResult saved = fState.Save(); !saved) {
        fSteps.Error(Tagged(saved.text() + cTexts::tr(" The fetched mail was left on the server.")));
        fMayDelete = false;
        return false;
    }
    if (!fAccount.leaveMailOnServer)
        fDeletable += filed;
    return true;
}
