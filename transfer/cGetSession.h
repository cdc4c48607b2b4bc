#pragma once
// Fetches the new mail of a queue of accounts, one after another: connect, log in, count,
// retrieve each new message, store it in Inbox with its attachments, delete it on the server
// (unless the account leaves mail there), quit. A message is deleted on the server only after
// its file and attachments were written completely; otherwise it stays there and an error
// line says why. A connection failure ends the whole session at that account.
#include "transfer/cSessionEngine.h"

#include <QStringList>

struct cAccount;
class TVrxPOP;

class cGetSession : public cSessionEngine
{
    Q_OBJECT
public:
    explicit cGetSession(const QStringList &accounts, QObject *parent = nullptr);

    void Start();
    // Valid once Finished has come.
    int Total() const { return fTotal; }
    bool NewMail() const { return fNewMail; }
    // True when no account could be fetched, or a connection failed: the session did not
    // reach its regular end (no announcement, no sending afterwards).
    bool StoppedEarly() const { return fStoppedEarly; }

signals:
    void OutputChanged(const QString &text);
    void MessageStored(const QString &path);

protected:
    void Run() override;

private:
    // False when the connection failed, which ends the session.
    bool FetchAccount(const cAccount &account);
    void FetchMessages(TVrxPOP &pop, const cAccount &account);
    void FetchMessage(TVrxPOP &pop, const cAccount &account, quint16 number);
    void Relay(TVrxPOP &pop, const QString &account);
    bool StoredMailIsOnDisk(const cAccount &account);

    const QStringList fAccounts;
    int fTotal = 0;
    bool fNewMail = false;
    bool fStoppedEarly = false;
};
