// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitSendMail.h"

#include "transfer/cAccountStore.h"
#include "transfer/cSendSession.h"
#include "ui/transfer/cTransferEvents.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kStatusPanel = 1;

QPointer<TfrmSendMail> sRunning;

// Those a stopped session left where they were.
QList<cMessageRef> stillStored(const cMailStore &store, QList<cMessageRef> messages)
{
    messages.removeIf([&store](const cMessageRef &message) { return !store.Messages(message.folder).contains(message); });
    return messages;
}

} // namespace

TfrmSendMail::TfrmSendMail(cMailStore &store, const QString &account, const QList<cMessageRef> &messages)
    : cTransferWindow(tr("Ravelin - Sending mail..."), tr("Sending mail..."),
                      tr("Please wait while Ravelin is sending your e-mail to it's receipiants."), "Button1"),
      fStore(store), fSession(new cSendSession(store, account, this)), fMessages(messages)
{
    lblCurrentAccount->setText(tr("No account in use"));
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(tr("Sending message #")));
    lblCurrentMsg = new QLabel;
    lblCurrentMsg->setObjectName(QStringLiteral("lblCurrentMsg"));
    counter->addWidget(lblCurrentMsg);
    counter->addWidget(new QLabel(tr(" out of a total of ")));
    lblMsgCount = new QLabel(QString::number(messages.size()));
    lblMsgCount->setObjectName(QStringLiteral("lblMsgCount"));
    counter->addWidget(lblMsgCount);
    counter->addWidget(new QLabel(QStringLiteral(".")));
    counter->addStretch(1);
    StatusLayout()->insertLayout(1, counter);
    lblCurrentOperation = new QLabel(tr("No operation in progress"));
    lblCurrentOperation->setObjectName(QStringLiteral("lblCurrentOperation"));
    StatusLayout()->insertWidget(2, lblCurrentOperation);

    Follow(*fSession);
    connect(fSession, &cSendSession::OperationChanged, lblCurrentOperation, &QLabel::setText);
    connect(fSession, &cSendSession::MessageStarted, this, [this](int index) { lblCurrentMsg->setNum(index); });
    connect(fSession, &cSendSession::TotalChanged, this, [this](int total) { lblMsgCount->setNum(total); });
    connect(fSession, &cSendSession::MainStatus, this,
            [](const QString &text) { cTransferEvents::ShowStatus(kStatusPanel, text); });
    connect(fSession, &cSendSession::QueueEmptied, this, &TfrmSendMail::MarkNotRunning);
    connect(fSession, &cSessionEngine::Finished, tmrCloseWindow, qOverload<>(&QTimer::start));

    sRunning = this;
    tmrSendMail = StartTimer("tmrSendMail");
}

TfrmSendMail::~TfrmSendMail()
{
    MarkNotRunning();
}

TfrmSendMail *TfrmSendMail::Running()
{
    return sRunning;
}

void TfrmSendMail::MarkNotRunning()
{
    if (sRunning == this)
        sRunning = nullptr;
}

bool TfrmSendMail::AppendMessages(const QList<cMessageRef> &messages)
{
    if (tmrSendMail->isActive()) {
        fMessages += messages;
        lblMsgCount->setNum(int(fMessages.size()));
        return true;
    }
    return fSession->Append(messages);
}

void TfrmSendMail::StartSession()
{
    lblCurrentMsg->setNum(1);
    fSession->Start(fMessages);
}

void TfrmSendMail::tmrCloseWindowTimer()
{
    if (OfferTrust()) {
        // Messages sent before the failure have left their folder; the rest go again.
        const QList<cMessageRef> left = stillStored(fStore, fMessages);
        MarkNotRunning();
        close();
        if (!left.isEmpty())
            SendMessages(fStore, left, parentWidget());
        return;
    }
    if (Errors().isEmpty())
        close();
    else
        btnShowErrorsClick();
}

void SendMessages(cMailStore &store, const QList<cMessageRef> &messages, QWidget *parent)
{
    if (TfrmSendMail *running = TfrmSendMail::Running(); running && running->AppendMessages(messages))
        return;
    if (!cAccountStore::AccountsExist()) {
        OfferNewAccount(parent);
        return;
    }
    cTransferEvents::ShowStatus(kStatusPanel, TfrmSendMail::tr("Sending mail..."));
    auto *window = new TfrmSendMail(store, cAccountStore::GetDefaultAccountName(), messages);
    window->show();
}

void SendUnsentMessages(cMailStore &store, QWidget *parent)
{
    const QList<cMessageRef> unsent = store.Messages(FolderName(eFolderKind::Unsent));
    if (!unsent.isEmpty())
        SendMessages(store, unsent, parent);
}
