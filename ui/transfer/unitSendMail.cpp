// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/unitSendMail.h"

#include "storage/MailStorage.h"
#include "storage/cQrzMailStore.h"
#include "transfer/cAccountStore.h"
#include "transfer/cSendSession.h"
#include "ui/transfer/cTransferEvents.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int kStatusPanel = 1;

QPointer<TfrmSendMail> sRunning;

} // namespace

TfrmSendMail::TfrmSendMail(const QString &account, const QStringList &paths)
    : cTransferWindow(tr("Ravelin - Sending mail..."), tr("Sending mail..."),
                      tr("Please wait while Ravelin is sending your e-mail to it's receipiants."), "Button1"),
      fSession(new cSendSession(account, this)), fPaths(paths)
{
    lblCurrentAccount->setText(tr("No account in use"));
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(tr("Sending message #")));
    lblCurrentMsg = new QLabel;
    lblCurrentMsg->setObjectName(QStringLiteral("lblCurrentMsg"));
    counter->addWidget(lblCurrentMsg);
    counter->addWidget(new QLabel(tr(" out of a total of ")));
    lblMsgCount = new QLabel(QString::number(paths.size()));
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

bool TfrmSendMail::AppendPaths(const QStringList &paths)
{
    if (tmrSendMail->isActive()) {
        fPaths += paths;
        lblMsgCount->setNum(int(fPaths.size()));
        return true;
    }
    return fSession->Append(paths);
}

void TfrmSendMail::StartSession()
{
    lblCurrentMsg->setNum(1);
    fSession->Start(fPaths);
}

void TfrmSendMail::tmrCloseWindowTimer()
{
    cQrzMailStore::FilesChanged(FolderName(eFolderKind::SentItems));
    if (OfferTrust()) {
        // Messages sent before the failure have left their folder; the rest go again.
        QStringList left = fPaths;
        left.removeIf([](const QString &path) { return !QFileInfo::exists(path); });
        MarkNotRunning();
        close();
        if (!left.isEmpty())
            SendMessages(left, parentWidget());
        return;
    }
    if (Errors().isEmpty())
        close();
    else
        btnShowErrorsClick();
}

void SendMessages(const QStringList &paths, QWidget *parent)
{
    if (TfrmSendMail *running = TfrmSendMail::Running(); running && running->AppendPaths(paths))
        return;
    if (!cAccountStore::AccountsExist()) {
        OfferNewAccount(parent);
        return;
    }
    cTransferEvents::ShowStatus(kStatusPanel, TfrmSendMail::tr("Sending mail..."));
    auto *window = new TfrmSendMail(cAccountStore::GetDefaultAccountName(), paths);
    window->show();
}

void SendUnsentMessages(QWidget *parent)
{
    if (MailRoot().isEmpty())
        return;
    const QStringList paths = cQrzMailStore::FilesOf(FolderName(eFolderKind::Unsent));
    if (!paths.isEmpty())
        SendMessages(paths, parent);
}
