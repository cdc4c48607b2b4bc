// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetches the new mail of a queue of accounts, one after another: connect, log in, count,
// retrieve each new message, store it in Inbox with its attachments, delete it on the server
// (unless the account leaves mail there), quit. A server that gives unique ids has each
// message fetched once (cMailboxFetch); else LAST, else every message, counts as new. A message is deleted on the server only after
// its file and attachments were written completely; otherwise it stays there and an error
// line says why. A connection failure ends the whole session at that account. A stop ends
// the dialogue at its next wait: a message being retrieved stays on the server, and the
// stored ones are deleted by a brief QUIT.
#include "rules/cMailSorter.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cMailboxFetch.h"
#include "transfer/cSessionEngine.h"

#include <QStringList>

class TVrxPOP;

class cGetSession : public cSessionEngine
{
    Q_OBJECT
public:
    // Overrides the reply time-out of 60 seconds, in milliseconds (tests of a stalled server).
    static constexpr const char *kReplyTimeoutVariable = "RAVELIN_POP3_REPLY_TIMEOUT_MS";

    explicit cGetSession(const QStringList &accounts, QObject *parent = nullptr);
    ~cGetSession() override;

    void Start();
    // Aims pop at the account's server with its login.
    static void Configure(TVrxPOP &pop, const cAccount &account);
    // Messages stored in this session; valid once Finished has come.
    qint64 Total() const { return fTotal; }
    bool NewMail() const { return fTotal > 0; }
    // True when no account could be fetched, a connection failed or the user stopped: the
    // session did not reach its regular end (no announcement, no sending afterwards).
    bool StoppedEarly() const { return fStoppedEarly; }

signals:
    void OutputChanged(const QString &text);
    // A message was filed in folder (Inbox unless a rule chose another).
    void MessageStored(const QString &path, const QString &folder);

protected:
    void Run() override;

private:
    void FetchAll();
    // False when the connection failed, which ends the session.
    bool FetchAccount(const cAccount &account);
    bool Converse(TVrxPOP &pop, const cAccount &account, cMailboxFetch &mailbox);
    void FetchMessages(TVrxPOP &pop, const cAccount &account, cMailboxFetch &mailbox);
    void FetchByIds(TVrxPOP &pop, cMailboxFetch &mailbox, const QMap<qint64, QByteArray> &ids);
    void FetchByNumbers(TVrxPOP &pop, const cAccount &account);
    void FetchMessage(TVrxPOP &pop, const cAccount &account, qint64 number);
    // False when the message stays on the server (with an error line saying why).
    bool StoreMessage(const cAccount &account, const QByteArray &raw, qint64 number,
                      const cIncomingStore::fBeforeFiling &beforeFiling);
    cMailboxFetch::cSteps MailboxSteps(const cAccount &account);
    void ReportNoNewMessages();
    void WindUpAfterStop(TVrxPOP &pop, const cAccount &account);
    void Relay(TVrxPOP &pop, const QString &account);
    bool StoredMailIsOnDisk(const cAccount &account);
    void LeftOnServer(const cAccount &account, qint64 number, const QString &why);
    // Reports messages the rules and the junk filter have filed.
    void Announce(const cAccount &account, const QList<cMailSorter::cSorted> &sorted);

    const QStringList fAccounts;
    qint64 fMaxMessageSize = 0;
    int fReplyTimeout = 0;
    qint64 fTotal = 0;
    // fTotal when the mail was last flushed to disk: while they are equal there is nothing new
    // to flush.
    qint64 fTotalOnDisk = 0;
    bool fStoppedEarly = false;
    // The rules and the junk filter, run on each message once it is stored, before it is
    // shown. They live on the worker's stack for the length of a run.
    cMailSorter *fSorter = nullptr;
};
