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

    cGetSession *fSession;
    QLabel *lblOutput;
};

// The entry of every mail check: all accounts when none are given; hidden for the periodic
// check. With no account at all it offers to create one.
void StartMailCheck(const QStringList &accounts = {}, bool hidden = false, QWidget *parent = nullptr);
