// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitGetMail.h"

#include "storage/cOptions.h"
#include "transfer/OptionSound.h"
#include "transfer/cAccountStore.h"
#include "transfer/cGetSession.h"
#include "ui/transfer/cTransferEvents.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kStatusPanel = 0;

QPointer<TfrmGetMail> sExisting;

} // namespace

TfrmGetMail::TfrmGetMail(const QStringList &accounts)
    : cTransferWindow(tr("Receiving mail..."), tr("Checking for new mail..."), QString(),
                      "Button2"),
      fAccounts(accounts), fSession(new cGetSession(accounts, this))
{
    lblOutput = AddLabel(StatusLayout(), "lblOutput", tr("Attempting to connect..."));
    StatusLayout()->insertWidget(1, lblOutput);

    Follow(*fSession);
    connect(fSession, &cGetSession::OutputChanged, lblOutput, &QLabel::setText);
    connect(fSession, &cGetSession::MainStatus, this,
            [](const QString &text) { cTransferEvents::ShowStatus(kStatusPanel, text); });
    connect(fSession, &cGetSession::MessageStored, &cTransferEvents::instance(), &cTransferEvents::MessageArrived);
    connect(fSession, &cSessionEngine::Finished, this, &TfrmGetMail::SessionEnded);

    sExisting = this;
    StartTimer("tmrGetMail");
}

TfrmGetMail::~TfrmGetMail()
{
    TfrmGetMail::Retire();
}

void TfrmGetMail::Retire()
{
    if (sExisting == this)
        sExisting = nullptr;
}

TfrmGetMail *TfrmGetMail::Existing()
{
    return sExisting;
}

void TfrmGetMail::StartSession()
{
    fSession->Start();
}

void TfrmGetMail::SessionEnded()
{
    const bool hidden = !isVisible();
    if (OfferTrust()) {
        // The new check replaces this window, which has ended.
        StartMailCheck(AccountsToRetry(fAccounts, fSession->Untrusted().account), hidden, parentWidget());
        return;
    }
    // Stopping early (no valid account, or a connection that failed) leaves the window open;
    // a stop the user asked for does not.
    if (!fSession->StoppedEarly() || StoppedByUser())
        tmrCloseWindow->start();
}

void TfrmGetMail::tmrCloseWindowTimer()
{
    if (fSession->NewMail()) {
        emit cTransferEvents::instance().NewMailAnnounced(fSession->Total());
        cTransferEvents::ShowStatus(kStatusPanel,
                                    tr("%n new message(s)", nullptr, fSession->Total()));
        PlayOptionSound(Opt::NewMailSound);
    }
    const bool keepOpen = !Errors().isEmpty();
    if (keepOpen) {
        btnShowErrors->setEnabled(true);
        PlayOptionSound(Opt::MailErrorSound);
    }
    if (cOptions::read(Opt::SendMailAfterMailFetch) && !StoppedByUser())
        RunStep(WindowSteps().SendUnsentMessages, this);
    if (!keepOpen)
        close();
}

QStringList AccountsToRetry(const QStringList &queue, const QString &failed)
{
    for (qsizetype i = 0; i < queue.size(); ++i)
        if (queue.at(i).compare(failed, Qt::CaseInsensitive) == 0)
            return queue.mid(i);
    return {failed};
}

void StartMailCheck(const QStringList &accounts, bool hidden, QWidget *parent)
{
    if (TfrmGetMail *existing = TfrmGetMail::Existing()) {
        // A check that has ended only shows its errors: asking again means checking again.
        if (!existing->Concluded()) {
            if (!hidden) {
                existing->show();
                existing->raise();
                existing->activateWindow();
            }
            return;
        }
        existing->close();
    }
    cTransferEvents::ShowStatus(kStatusPanel, TfrmGetMail::tr("Checking for mail..."));
    const QStringList all = cAccountStore::AccountNames();
    if (all.isEmpty()) {
        OfferNewAccount(parent);
        cTransferEvents::ShowStatus(kStatusPanel, TfrmGetMail::tr("no account present."));
        return;
    }
    auto *window = new TfrmGetMail(accounts.isEmpty() ? all : accounts);
    if (!hidden)
        window->show();
}
