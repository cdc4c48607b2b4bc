#include "transfer/cGetSession.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxPOP.h"
#include "storage/AtomicFile.h"
#include "storage/MailStorage.h"
#include "storage/eFolderKind.h"
#include "transfer/cAccountStore.h"
#include "transfer/cIncomingStore.h"

#include <QFileInfo>

namespace {
const QString kInbox = FolderName(eFolderKind::Inbox);
}

cGetSession::cGetSession(const QStringList &accounts, QObject *parent) : cSessionEngine(parent), fAccounts(accounts) {}

void cGetSession::Start()
{
    fTotal = 0;
    fNewMail = false;
    fStoppedEarly = false;
    StartWorker();
}

void cGetSession::Run()
{
    bool fetchedAny = false;
    for (const QString &name : fAccounts) {
        const cAccount account = cAccountStore::ReadAccount(name);
        if (!account.CanReceive()) {
            AddError(QStringLiteral("Account: ") + name + QStringLiteral(" One or more setting is invalid, skipping."));
            continue;
        }
        emit AccountChanged(name);
        fetchedAny = true;
        try {
            if (!FetchAccount(account)) {
                fStoppedEarly = true;
                return;
            }
        } catch (const EVrxError &e) {
            AddError(QStringLiteral("(%1) %2").arg(name, e.Text()));
            fStoppedEarly = true;
            return;
        }
    }
    fStoppedEarly = !fetchedAny;
}

void cGetSession::Relay(TVrxPOP &pop, const QString &account)
{
    Attach(pop);
    connect(&pop, &TVrxClient::OnError, this, [this, account](int code, const QByteArray &msg) {
        if (code != TVrxPOP::ErrQuit)
            AddError(QStringLiteral("(%1) Error #%2: %3").arg(account).arg(code).arg(QString::fromUtf8(msg)));
    }, Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnBeforeRetrieve, this, [this] { emit ProgressShown(true); }, Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnRetrieveProgress, this, [this](quint16 percent) { emit Progress(percent); },
            Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnAfterRetrieve, this, [this] {
        emit ProgressShown(false);
        emit OutputChanged(QStringLiteral("Mail transfer complete."));
    }, Qt::DirectConnection);
}

bool cGetSession::FetchAccount(const cAccount &account)
{
    TVrxPOP pop;
    pop.Host = account.pop3Server;
    pop.Port = QString::number(account.Pop3PortNumber());
    pop.UserId = account.userId.toUtf8();
    pop.Passwd = account.password;
    pop.ErrorInFormatOfMsg = QStringLiteral("Error in message format");
    Relay(pop, account.section);

    emit OutputChanged(QStringLiteral("Attempting to connect to server..."));
    pop.Connect();
    if (pop.Failed()) {
        emit OutputChanged(QStringLiteral("Error connecting to server"));
        AddError(pop.LastErrorText());
        emit MainStatus(QStringLiteral("Connection failed"));
        pop.Quit();
        return false;
    }
    emit ConnectionChanged(QStringLiteral("Connected"));
    emit OutputChanged(QStringLiteral("Connected to server, authorizing..."));
    if (!pop.Login()) {
        emit OutputChanged(QStringLiteral("Authentification failed. Disconnecting."));
        pop.Quit();
        emit MainStatus(QStringLiteral("Bad login info."));
        return true;
    }
    emit OutputChanged(QStringLiteral("Connected to server. Checking for new messages..."));
    FetchMessages(pop, account);
    // The server deletes only at QUIT (RFC 1939 section 6): without it, nothing is lost.
    if (StoredMailIsOnDisk(account))
        pop.Quit();
    return true;
}

bool cGetSession::StoredMailIsOnDisk(const cAccount &account)
{
    QString error;
    const QString attachments = AttachmentsFolder();
    if (SyncFileSystemOf(MailFolderPath(kInbox), &error)
        && (!QFileInfo::exists(attachments) || SyncFileSystemOf(attachments, &error)))
        return true;
    AddError(QStringLiteral("(%1) The fetched mail was left on the server: %2").arg(account.section, error));
    return false;
}

void cGetSession::FetchMessages(TVrxPOP &pop, const cAccount &account)
{
    const int count = pop.CheckMail();
    if (!pop.Connected())
        return;
    const int total = pop.MessageCount();
    // A server claiming more new messages than it holds gets no wrapped-around numbers.
    const int fresh = std::clamp(pop.LastSupported() ? count : total, 0, total);
    fTotal += fresh;
    if (fresh == 0) {
        emit MainStatus(QStringLiteral("No new messages"));
        emit OutputChanged(QStringLiteral("No new messages"));
        return;
    }
    fNewMail = true;
    const int first = total - fresh + 1;
    for (int i = 1; i <= fresh && pop.Connected(); ++i) {
        emit OutputChanged(QStringLiteral("Retrieving message %1 of %2").arg(i).arg(fresh));
        FetchMessage(pop, account, quint16(first + i - 1));
    }
}

void cGetSession::FetchMessage(TVrxPOP &pop, const cAccount &account, quint16 number)
{
    std::unique_ptr<TVrxMsg> msg;
    try {
        msg = pop.Retrieve(number);
    } catch (const EVrxError &e) {
        AddError(QStringLiteral("(%1) Message %2 was left on the server: %3").arg(account.section).arg(number).arg(e.Text()));
        return;
    }
    if (!msg)
        return;
    QString error;
    const QString path = cIncomingStore::Store(*msg, account.section, kInbox, &error, eDurability::Deferred);
    if (path.isEmpty()) {
        AddError(QStringLiteral("(%1) Message %2 was left on the server: %3").arg(account.section).arg(number).arg(error));
        return;
    }
    emit MessageStored(path);
    if (!error.isEmpty())
        AddError(QStringLiteral("(%1) %2").arg(account.section, error));
    if (!account.leaveMailOnServer)
        pop.Delete(number);
}
