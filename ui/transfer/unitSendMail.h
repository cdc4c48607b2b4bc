// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The send window: shows a send session of the default account from connecting to the last
// message filed in "Sent items". There is at most one running at a time; SendMessages hands
// new messages to it while its queue is not yet emptied.
#include "storage/cMailStore.h"
#include "ui/transfer/cTransferWindow.h"

class cSendSession;

class TfrmSendMail : public cTransferWindow
{
    Q_OBJECT
public:
    TfrmSendMail(cMailStore &store, const QString &account, const QList<cMessageRef> &messages);
    ~TfrmSendMail() override;

    // The window whose queue can still take messages; none when no session is running.
    static TfrmSendMail *Running();
    bool AppendMessages(const QList<cMessageRef> &messages);

protected:
    void tmrCloseWindowTimer() override;
    void StartSession() override;
    void Retire() override { MarkNotRunning(); }

private:
    void MarkNotRunning();

    cMailStore &fStore;
    cSendSession *fSession;
    QList<cMessageRef> fMessages;
    QLabel *lblCurrentMsg;
    QLabel *lblMsgCount;
    QLabel *lblCurrentOperation;
    QTimer *tmrSendMail;
};

// The entry every sender uses: queue the messages on the running send window, or open one,
// or, with no account at all, offer to create one (nothing is sent then).
void SendMessages(cMailStore &store, const QList<cMessageRef> &messages, QWidget *parent = nullptr);
// Sends every message of Unsent, in the store's order; does nothing when there is none.
void SendUnsentMessages(cMailStore &store, QWidget *parent = nullptr);
