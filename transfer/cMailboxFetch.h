// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail check of one account on a server that gives unique ids: messages whose id the
// mailbox's record (cPop3State) holds are not fetched again, new ones are retrieved, stored,
// flushed to disk and recorded in batches, and only then deleted (unless the account leaves
// mail on the server, or until its days there are up). Ids gone from the server are dropped.
// A batch is flushed on another thread while the next one is fetched (and grows until that
// flush is done); the last one before the check ends.
// With PIPELINING (RFC 2449) RETR and DELE go out in a bounded window without waiting for
// each reply; otherwise one command at a time.
//
// After Login: Prepare with the server's ids (it tells how many are new), then Transfer. After
// a stop call Commit, so what was stored is recorded before the connection is wound up. A
// failed flush or record stops every deletion for the rest of the check.
#include "transfer/cAccount.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cPop3State.h"

#include <QMap>

#include <deque>
#include <functional>
#include <future>

class TVrxPOP;

class cMailboxFetch
{
public:
    struct cSteps
    {
        std::function<void(const QString &text)> Error;
        std::function<void(const QString &text)> Output;
        // Stores a retrieved message; false when it stays on the server (the step said why).
        std::function<bool(const QByteArray &raw, qint64 number, const cIncomingStore::fBeforeFiling &)> Store;
        // Flushes the stored mail to disk; false (with an error line) when it could not.
        std::function<bool()> FlushMail;
        // The same without an error line, safe on another thread while messages are stored
        // (a failure is met again by the next FlushMail). Without it every batch waits.
        std::function<cResult()> FlushMailMeanwhile;
    };

    // Commands in flight at most: small enough for any socket buffer, so neither side blocks.
    static constexpr int kWindow = 16;
    // Messages stored between two flushes of the record. Large messages make no batches of
    // their own: each flush of the whole file system also waits for every other program's
    // writes.
    static constexpr int kBatch = 100;

    cMailboxFetch(TVrxPOP &pop, const cAccount &account, qint64 maxMessageSize, cSteps steps);

    // Reads the record, reports a damaged one, and plans; returns the number of new messages.
    qint64 Prepare(const QMap<qint64, QByteArray> &ids);
    void Transfer();
    // Records the messages stored so far once they are on disk; false when they could not be.
    bool Commit();

private:
    struct cSent
    {
        bool retrieve;
        qint64 number;
    };

    void Plan();
    bool DueForDeletion(const QByteArray &uid) const;
    bool SendMore();
    void TakeReply();
    void TakeMessage(qint64 number);
    void FlushMeanwhile();
    // Records the batch flushed meanwhile once its flush is done; false when it is not on disk.
    bool TakeFlushed();
    bool RecordFiled(const QList<qint64> &filed);
    QString Tagged(const QString &text) const;

    TVrxPOP &fPop;
    const cAccount fAccount;
    const qint64 fMaxMessageSize;
    const cSteps fSteps;
    cPop3State fState;
    QMap<qint64, QByteArray> fIds;
    QMap<qint64, qint64> fSizes;
    QList<qint64> fToFetch;
    qsizetype fNextToFetch = 0;
    int fRetrievesInFlight = 0;
    qint64 fRetrieved = 0;
    bool fMayDelete = true;
    std::deque<cSent> fSent;
    // Stored, not yet recorded; being flushed; recorded, not yet deleted.
    QList<qint64> fFiled;
    QList<qint64> fFlushing;
    std::future<cResult> fFlushed;
    QList<qint64> fDeletable;
};
