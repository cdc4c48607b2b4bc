// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cSendSession.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxSMTP.h"
#include "transfer/OutgoingMessage.h"
#include "transfer/cAccountStore.h"
#include "transfer/cOAuth2SignIn.h"

namespace {
const QString kSentItems = FolderName(eFolderKind::SentItems);

// RFC 4954 section 6: the credentials (here the access token) were refused.
bool IsLoginRefusal(const QByteArray &code)
{
    return code == "535" || code == "534";
}
} // namespace

cSendSession::cSendSession(cMailStore &store, const QString &account, QObject *parent)
    : cSessionEngine(parent), fStore(store), fAccount(account)
{
}

cSendSession::~cSendSession()
{
    StopWorker();
}

void cSendSession::Start(const QList<cMessageRef> &messages)
{
    {
        QMutexLocker lock(&fLock);
        fQueue = messages;
        fDone = 0;
    }
    emit TotalChanged(Total());
    StartWorker();
}

bool cSendSession::Append(const QList<cMessageRef> &messages)
{
    {
        QMutexLocker lock(&fLock);
        if (!fAccepting)
            return false;
        fQueue += messages;
    }
    emit TotalChanged(Total());
    return true;
}

int cSendSession::Total() const
{
    QMutexLocker lock(&fLock);
    return fDone + int(fQueue.size());
}

bool cSendSession::RunAgain()
{
    QMutexLocker lock(&fLock);
    return fAccepting && !fQueue.isEmpty();
}

cMessageRef cSendSession::NextMessage()
{
    QMutexLocker lock(&fLock);
    fIndex = fDone + 1;
    return fQueue.value(0);
}

bool cSendSession::DropFirst()
{
    QMutexLocker lock(&fLock);
    if (!fQueue.isEmpty())
        fQueue.removeFirst();
    ++fDone;
    fAccepting = !fQueue.isEmpty();
    return !fAccepting;
}

void cSendSession::GiveUpQueue()
{
    QMutexLocker lock(&fLock);
    fDone += int(fQueue.size());
    fQueue.clear();
}

void cSendSession::Configure(TVrxSMTP &smtp, const cAccount &account)
{
    smtp.Host = account.smtpServer;
    smtp.Port = QString::number(account.SmtpPortNumber());
    smtp.Security = account.smtpSecurity;
    smtp.TrustedCertificates = account.trustedCertificates;
    smtp.UserName = account.SmtpLoginUser().toUtf8();
    smtp.Password = account.SmtpLoginPassword();
    smtp.BearerToken = cOAuth2SignIn::AccessToken(account);
    smtp.AllowPasswordInClear = account.allowPasswordInClear;
}

QString cSendSession::AccountOf(const cMessageRef &message) const
{
    const cResultOf<cMailMessage> record = fStore.Read(message);
    if (!record)
        return fAccount;
    const QString chosen = QString::fromUtf8(record.value().SendAccount).trimmed();
    for (const QString &name : cAccountStore::AccountNames())
        if (!chosen.isEmpty() && name.compare(chosen, Qt::CaseInsensitive) == 0)
            return name;
    return fAccount;
}

bool cSendSession::SignedIn(cAccount &account)
{
    const cResult signIn = cOAuth2SignIn::Freshen(account, TVrxClient::DefaultReplyTimeoutMs, [this] { return Abandoned(); });
    if (!signIn) {
        AddError(signIn.text());
        emit MainStatus(tr("Sign in again"));
    }
    return signIn.ok();
}

bool cSendSession::AccountUsable(const cAccount &account, const cResult &keyring)
{
    const QString name = fCurrent.trimmed();
    if (name.isEmpty()) {
        AddError(tr("No default account is set. Cannot send."));
        emit MainStatus(tr("No default account"));
        return false;
    }
    if (!account.CanSend()) {
        AddError(tr("Account: ") + fCurrent + tr(". One or more setting is invalid, skipping."));
        AddError(fCurrent + tr(": one or more of this account's settings are invalid."));
        emit MainStatus(tr("Invalid mail settings"));
        return false;
    }
    if (!keyring && !account.SmtpLoginUser().isEmpty()) {
        AddError(keyring.text());
        emit MainStatus(tr("Invalid mail settings"));
        return false;
    }
    emit AccountChanged(fCurrent);
    return true;
}

void cSendSession::Run()
{
    do
        fCurrent = AccountOf(NextMessage());
    while (SendWithCurrentAccount());
}

bool cSendSession::SendWithCurrentAccount()
{
    emit OperationChanged(tr("Attempting to connect to server..."));
    cResult keyring;
    cAccount account = cAccountStore::ReadAccount(fCurrent, &keyring);
    if (!AccountUsable(account, keyring) || !SignedIn(account)) {
        GiveUpQueue();
        return false;
    }
    TVrxSMTP smtp;
    Configure(smtp, account);
    Attach(smtp);
    connect(&smtp, &TVrxClient::OnConnect, this, [this] { emit ConnectionChanged(tr("Connected")); },
            Qt::DirectConnection);
    connect(&smtp, &TVrxClient::OnError, this, [this](const TVrxFailure &failure) {
        AddFailure(failure, eMailProtocol::Smtp, fCurrent);
    }, Qt::DirectConnection);
    connect(&smtp, &TVrxSMTP::OnBeforeSend, this, [this] {
        emit MessageStarted(fIndex);
        emit OperationChanged(tr("Sending message..."));
        emit ProgressShown(true);
    }, Qt::DirectConnection);
    connect(&smtp, &TVrxSMTP::OnSendProgress, this, [this](quint16 percent) { emit Progress(percent); },
            Qt::DirectConnection);
    try {
        smtp.Connect();
        if (smtp.Failed()) {
            AddError(tr("Cannot open socket. Aborting..."));
            ConnectFailed(smtp, eMailProtocol::Smtp, account.section);
            if (account.UsesOAuth2() && IsLoginRefusal(smtp.ReplyCode()))
                AddError(cOAuth2SignIn::ServerRefused(account));
            emit MainStatus(tr("Connection error"));
            GiveUpQueue();
            return false;
        }
        return SendQueue(smtp, account);
    } catch (const EVrxError &e) {
        AddError(e.Text());
        GiveUpQueue();
    }
    return false;
}

bool cSendSession::SendQueue(TVrxSMTP &smtp, const cAccount &account)
{
    bool allSent = true;
    bool otherAccount = false;
    for (;;) {
        const cMessageRef message = NextMessage();
        emit MessageStarted(fIndex);
        allSent = SendOne(smtp, account, message) && allSent;
        // A refused message leaves the connection usable; a broken one ends the run.
        if (!smtp.Connected()) {
            GiveUpQueue();
            return false;
        }
        if (DropFirst())
            break;
        if (AccountOf(NextMessage()) != fCurrent) {
            otherAccount = true;
            break;
        }
    }
    if (!otherAccount)
        emit QueueEmptied();
    if (allSent) {
        emit OperationChanged(tr("All mail sent. Disconnecting..."));
        emit MainStatus(tr("Mail sent."));
    } else {
        emit OperationChanged(tr("Disconnecting..."));
    }
    smtp.Quit();
    return otherAccount;
}

bool cSendSession::NotSent(const cMessageRef &message, const QString &reason)
{
    AddError(tr("(%1) %2 was not sent and stays in %3: %4").arg(fCurrent, message.key, message.folder, reason));
    return false;
}

QString cSendSession::NotSentReason(const TVrxSMTP &smtp)
{
    if (smtp.LastFailure().Code == eVrxFailure::AttachmentUnreadable)
        return smtp.LastFailure().Text;
    return smtp.Connected() ? tr("the server refused it.") : tr("the connection failed.");
}

bool cSendSession::SendOne(TVrxSMTP &smtp, const cAccount &account, const cMessageRef &message)
{
    const cResultOf<cMailMessage> stored = fStore.ReadForSending(message);
    if (!stored)
        return NotSent(message, stored.text());
    std::unique_ptr<TVrxMsg> msg;
    if (const cResult built = BuildOutgoing(stored.value(), account, &msg); !built)
        return NotSent(message, built.text());
    try {
        if (!smtp.Send(*msg))
            return NotSent(message, NotSentReason(smtp));
    } catch (const EVrxError &e) {
        return NotSent(message, e.Text());
    }
    emit ProgressShown(false);
    emit OperationChanged(tr("Message sent."));
    const cResultOf<cMessageRef> sent = fStore.Transfer(message, kSentItems, true);
    if (!sent)
        AddError(tr("The message was sent, but could not be filed in Sent items: ") + sent.text());
    else
        emit MessageSent(sent.value());
    return true;
}
