#include "transfer/cSendSession.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxSMTP.h"
#include "storage/cFolderStore.h"
#include "transfer/OutgoingMessage.h"
#include "transfer/cAccountStore.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kSentItems = FolderName(eFolderKind::SentItems);
}

cSendSession::cSendSession(const QString &account, QObject *parent) : cSessionEngine(parent), fAccount(account) {}

cSendSession::~cSendSession()
{
    StopWorker();
}

void cSendSession::Start(const QStringList &paths)
{
    {
        QMutexLocker lock(&fLock);
        fQueue = paths;
        fDone = 0;
    }
    emit TotalChanged(Total());
    StartWorker();
}

bool cSendSession::Append(const QStringList &paths)
{
    {
        QMutexLocker lock(&fLock);
        if (!fAccepting)
            return false;
        fQueue += paths;
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

QString cSendSession::NextPath()
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
    smtp.AllowPasswordInClear = account.allowPasswordInClear;
}

bool cSendSession::AccountUsable(const cAccount &account, const cResult &keyring)
{
    const QString name = fAccount.trimmed();
    if (name.isEmpty()) {
        AddError(QStringLiteral("No default account is set. Cannot send."));
        emit MainStatus(QStringLiteral("No default account"));
        return false;
    }
    if (!account.CanSend()) {
        AddError(QStringLiteral("Account: ") + fAccount + QStringLiteral(". One or more setting is invalid, skipping."));
        AddError(fAccount + QStringLiteral(": one or more of this account's settings are invalid."));
        emit MainStatus(QStringLiteral("Invalid mail settings"));
        return false;
    }
    if (!keyring && !account.SmtpLoginUser().isEmpty()) {
        AddError(keyring.text());
        emit MainStatus(QStringLiteral("Invalid mail settings"));
        return false;
    }
    emit AccountChanged(fAccount);
    return true;
}

void cSendSession::Run()
{
    emit OperationChanged(QStringLiteral("Attempting to connect to server..."));
    cResult keyring;
    const cAccount account = cAccountStore::ReadAccount(fAccount, &keyring);
    if (!AccountUsable(account, keyring)) {
        GiveUpQueue();
        return;
    }
    TVrxSMTP smtp;
    Configure(smtp, account);
    Attach(smtp);
    connect(&smtp, &TVrxClient::OnConnect, this, [this] { emit ConnectionChanged(QStringLiteral("Connected")); },
            Qt::DirectConnection);
    connect(&smtp, &TVrxClient::OnError, this, [this](int code, const QByteArray &msg) {
        AddError(QStringLiteral("(%1) Error# %2: %3").arg(fAccount).arg(code).arg(QString::fromUtf8(msg)));
    }, Qt::DirectConnection);
    connect(&smtp, &TVrxSMTP::OnBeforeSend, this, [this] {
        emit MessageStarted(fIndex);
        emit OperationChanged(QStringLiteral("Sending message..."));
        emit ProgressShown(true);
    }, Qt::DirectConnection);
    connect(&smtp, &TVrxSMTP::OnSendProgress, this, [this](quint16 percent) { emit Progress(percent); },
            Qt::DirectConnection);
    try {
        smtp.Connect();
        if (smtp.Failed()) {
            AddError(QStringLiteral("Cannot open socket. Aborting..."));
            if (!smtp.LastErrorText().isEmpty())
                AddError(smtp.LastErrorText());
            emit MainStatus(QStringLiteral("Connection error"));
            GiveUpQueue();
            return;
        }
        SendQueue(smtp, account);
    } catch (const EVrxError &e) {
        AddError(e.Text());
        GiveUpQueue();
    }
}

void cSendSession::SendQueue(TVrxSMTP &smtp, const cAccount &account)
{
    bool allSent = true;
    for (;;) {
        const QString path = NextPath();
        emit MessageStarted(fIndex);
        allSent = SendOne(smtp, account, path) && allSent;
        // A refused message leaves the connection usable; a broken one ends the run.
        if (!smtp.Connected()) {
            GiveUpQueue();
            return;
        }
        if (DropFirst())
            break;
    }
    emit QueueEmptied();
    if (allSent) {
        emit OperationChanged(QStringLiteral("All mail sent. Disconnecting..."));
        emit MainStatus(QStringLiteral("Mail sent."));
    } else {
        emit OperationChanged(QStringLiteral("Disconnecting..."));
    }
    smtp.Quit();
}

bool cSendSession::NotSent(const QString &path, const QString &reason)
{
    const QFileInfo file(path);
    AddError(QStringLiteral("(%1) %2 was not sent and stays in %3: %4")
                 .arg(fAccount, file.fileName(), file.dir().dirName(), reason));
    return false;
}

bool cSendSession::SendOne(TVrxSMTP &smtp, const cAccount &account, const QString &path)
{
    std::unique_ptr<TVrxMsg> msg;
    if (const cResult built = BuildOutgoing(path, account, &msg); !built)
        return NotSent(path, built.text());
    try {
        if (!smtp.Send(*msg))
            return NotSent(path, smtp.Connected() ? QStringLiteral("the server refused it.")
                                                  : QStringLiteral("the connection failed."));
    } catch (const EVrxError &e) {
        return NotSent(path, e.Text());
    }
    emit ProgressShown(false);
    emit OperationChanged(QStringLiteral("Message sent."));
    const QString sourceFolder = QFileInfo(path).dir().dirName();
    const cResultOf<QString> sent = cFolderStore::TransferMessage(path, sourceFolder, kSentItems, true, true);
    if (!sent)
        AddError(QStringLiteral("The message was sent, but could not be filed in Sent items: ") + sent.text());
    else
        emit MessageSent(sent.value());
    return true;
}
