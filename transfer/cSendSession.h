// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sends a queue of stored messages through the SMTP server of their account and files each sent
// one in "Sent items" of the same store: a message sends through the account chosen for it
// (SendAccount), else through the session's account; one connection serves each run of messages
// of one account. Messages appended while it runs are sent on the same connection after the
// ones already queued; messages appended after it stopped on an error start it again. A message
// that cannot be sent (the server refuses it, an attachment cannot be read) stays where it is
// with an error line naming it, and the queue goes on; when the connection fails, the rest stay
// too. A stop leaves every message not yet accepted where it is. The worker thread reads and
// moves the messages through the store, which must allow that (the folder tree does).
#include "storage/cMailStore.h"
#include "transfer/cSessionEngine.h"

#include <QMutex>

class cSendSession : public cSessionEngine
{
    Q_OBJECT
public:
    cSendSession(cMailStore &store, const QString &account, QObject *parent = nullptr);
    ~cSendSession() override;

    void Start(const QList<cMessageRef> &messages);
    // False once the queue was emptied by sending: the caller then starts a new session.
    bool Append(const QList<cMessageRef> &messages);
    int Total() const;
    // Aims smtp at the account's server with its login.
    static void Configure(class TVrxSMTP &smtp, const class cAccount &account);

signals:
    void OperationChanged(const QString &text);
    // The 1-based number of the message being sent, and the number queued in all.
    void MessageStarted(int index);
    void TotalChanged(int total);
    // The message as it now lies in "Sent items".
    void MessageSent(const cMessageRef &sent);
    // Every queued message was sent; the session is saying goodbye to the server.
    void QueueEmptied();

protected:
    void Run() override;
    bool RunAgain() override;

private:
    bool AccountUsable(const class cAccount &account, const class cResult &keyring);
    // An OAuth2 account's access token renewed when it ran out; false (with the error) when it cannot be.
    bool SignedIn(class cAccount &account);
    // The account a queued message sends through.
    QString AccountOf(const cMessageRef &message) const;
    // Connects through fCurrent and sends its run of messages; true when messages of another
    // account are left.
    bool SendWithCurrentAccount();
    bool SendQueue(TVrxSMTP &smtp, const cAccount &account);
    // True when the message was accepted.
    [[nodiscard]] bool SendOne(TVrxSMTP &smtp, const cAccount &account, const cMessageRef &message);
    bool NotSent(const cMessageRef &message, const QString &reason);
    static QString NotSentReason(const TVrxSMTP &smtp);
    cMessageRef NextMessage();
    // Drops the first message; true when none is left, which ends taking new ones.
    bool DropFirst();
    // After a failure the rest stay in their folders; messages appended later start a new run.
    void GiveUpQueue();

    cMailStore &fStore;
    const QString fAccount;
    QString fCurrent; // the account of the connection, read and written on the worker only
    mutable QMutex fLock;
    QList<cMessageRef> fQueue;
    int fDone = 0; // sent or given up in this session
    int fIndex = 0;
    bool fAccepting = true;
};
