// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The send window: shows a send session of the default account from connecting to the last
// message filed in "Sent items". There is at most one running at a time; SendMessages hands
// new paths to it while its queue is not yet emptied.
#include "ui/transfer/cTransferWindow.h"

class cSendSession;

class TfrmSendMail : public cTransferWindow
{
    Q_OBJECT
public:
    TfrmSendMail(const QString &account, const QStringList &paths);
    ~TfrmSendMail() override;

    // The window whose queue can still take paths; none when no session is running.
    static TfrmSendMail *Running();
    bool AppendPaths(const QStringList &paths);

protected:
    void tmrCloseWindowTimer() override;
    void StartSession() override;
    void Retire() override { MarkNotRunning(); }

private:
    void MarkNotRunning();

    cSendSession *fSession;
    QStringList fPaths;
    QLabel *lblCurrentMsg;
    QLabel *lblMsgCount;
    QLabel *lblCurrentOperation;
    QTimer *tmrSendMail;
};

// The entry every sender uses: queue the message files on the running send window, or open
// one, or, with no account at all, offer to create one (nothing is sent then).
void SendMessages(const QStringList &paths, QWidget *parent = nullptr);
// Sends every message of Unsent, in directory order; does nothing when there is none.
void SendUnsentMessages(QWidget *parent = nullptr);
