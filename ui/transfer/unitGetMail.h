// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The receive window: shows a get session over a queue of accounts. At most one exists; a
// second request brings it forward while it runs, and replaces it once its check has ended. At its regular end it announces new mail, keeps
// itself open when errors came, and sends the unsent messages when the options ask for it.
#include "ui/transfer/cTransferWindow.h"

class cGetSession;

class TfrmGetMail : public cTransferWindow
{
    Q_OBJECT
public:
    explicit TfrmGetMail(const QStringList &accounts);
    ~TfrmGetMail() override;

    static TfrmGetMail *Existing();

protected:
    void tmrCloseWindowTimer() override;
    void StartSession() override;
    void Retire() override;

private:
    void SessionEnded();

    const QStringList fAccounts;
    cGetSession *fSession;
    QLabel *lblOutput;
};

// What a check tries again once the failed account's certificate is trusted: that account and
// the ones after it, which a failed connection kept the check from reaching; never those
// already fetched.
QStringList AccountsToRetry(const QStringList &queue, const QString &failed);

// The entry of every mail check: all accounts when none are given; hidden for the periodic
// check, which leaves a check still running alone. With no account at all it offers to create one.
void StartMailCheck(const QStringList &accounts = {}, bool hidden = false, QWidget *parent = nullptr);
