// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cGetSession.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/EVrxError.h"
#include "mailproto/TVrxPOP.h"
#include "rules/cMailSorter.h"
#include "storage/DeferredFlush.h"
#include "storage/MailStorage.h"
#include "storage/eFolderKind.h"
#include "storage/cOptions.h"
#include "transfer/cAccountStore.h"
#include "transfer/cIncomingStore.h"
#include "transfer/cOAuth2SignIn.h"

#include <QScopeGuard>

namespace {
const QString kInbox = FolderName(eFolderKind::Inbox);

TVrxPOP::LoginMethod LoginMethodOf(ePop3Login login)
{
    switch (login) {
    case ePop3Login::Apop: return TVrxPOP::LoginMethod::Apop;
    case ePop3Login::Sasl: return TVrxPOP::LoginMethod::Sasl;
    case ePop3Login::UserPass: break;
    }
    return TVrxPOP::LoginMethod::UserPass;
}
} // namespace

cGetSession::cGetSession(const QStringList &accounts, QObject *parent) : cSessionEngine(parent), fAccounts(accounts) {}

cGetSession::~cGetSession()
{
    StopWorker();
}

void cGetSession::Start()
{
    fTotal = 0;
    fTotalOnDisk = 0;
    fStoppedEarly = false;
    StartWorker();
}

void cGetSession::Run()
{
    const int limitMb = cOptions::read(Opt::MaxMessageSizeMB);
    fMaxMessageSize = limitMb > 0 ? qint64(limitMb) * 1024 * 1024 : TVrxPOP::DefaultMaxMessageSize;
    const int timeout = qEnvironmentVariableIntValue(kReplyTimeoutVariable);
    fReplyTimeout = timeout > 0 ? timeout : TVrxClient::DefaultReplyTimeoutMs;
    cMailSorter sorter;
    fSorter = &sorter;
    try {
        FetchAll();
    } catch (const EVrxCancelled &) {
        fStoppedEarly = true;
        throw;
    }
}

void cGetSession::FetchAll()
{
    bool fetchedAny = false;
    for (const QString &name : fAccounts) {
        cResult keyring;
        cAccount account = cAccountStore::ReadAccount(name, &keyring);
        if (!keyring) {
            AddError(keyring.text());
            continue;
        }
        if (const cResult signIn = cOAuth2SignIn::Freshen(account, fReplyTimeout, [this] { return Abandoned(); }); !signIn) {
            AddError(signIn.text());
            continue;
        }
        if (!account.CanReceive()) {
            AddError(tr("Account: ") + name + tr(" One or more setting is invalid, skipping."));
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
    // A refused QUIT loses nothing: the server keeps what it was not told to delete.
    connect(&pop, &TVrxClient::OnError, this, [this, account](const TVrxFailure &failure) {
        if (failure.Command != "QUIT")
            AddFailure(failure, eMailProtocol::Pop3, account);
    }, Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnBeforeRetrieve, this, [this] { emit ProgressShown(true); }, Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnRetrieveProgress, this, [this](quint16 percent) { emit Progress(percent); },
            Qt::DirectConnection);
    connect(&pop, &TVrxPOP::OnAfterRetrieve, this, [this] {
        emit ProgressShown(false);
        emit OutputChanged(tr("Mail transfer complete."));
    }, Qt::DirectConnection);
}

void cGetSession::Configure(TVrxPOP &pop, const cAccount &account)
{
    pop.Host = account.pop3Server;
    pop.Port = QString::number(account.Pop3PortNumber());
    pop.UserId = account.userId.toUtf8();
    pop.Passwd = account.password;
    pop.Security = account.pop3Security;
    pop.TrustedCertificates = account.trustedCertificates;
    pop.Method = account.UsesOAuth2() ? TVrxPOP::LoginMethod::Sasl : LoginMethodOf(account.pop3Login);
    pop.BearerToken = cOAuth2SignIn::AccessToken(account);
    pop.AllowPasswordInClear = account.allowPasswordInClear;
}

bool cGetSession::FetchAccount(const cAccount &account)
{
    TVrxPOP pop;
    Configure(pop, account);
    pop.MaxMessageSize = fMaxMessageSize;
    pop.ReplyTimeout = fReplyTimeout;
    Relay(pop, account.section);
    cMailboxFetch mailbox(pop, account, fMaxMessageSize, MailboxSteps(account));
    // Mail the junk filter is still judging is shown once it has, however the dialogue ends.
    const auto announceRest = qScopeGuard([this, &account] { Announce(account, fSorter->Finish()); });
    try {
        return Converse(pop, account, mailbox);
    } catch (const EVrxCancelled &) {
        (void)mailbox.Commit();
        WindUpAfterStop(pop, account);
        throw;
    }
}

// The deletions sent for stored messages take effect only with QUIT (RFC 1939 section 6).
void cGetSession::WindUpAfterStop(TVrxPOP &pop, const cAccount &account)
{
    if (Abandoned() || !pop.Connected() || !StoredMailIsOnDisk(account))
        return;
    pop.MessageQueueHook = [this] {
        if (Abandoned())
            throw EVrxCancelled();
    };
    pop.QuitAfterStop();
}

cMailboxFetch::cSteps cGetSession::MailboxSteps(const cAccount &account)
{
    return {
        [this](const QString &text) { AddError(text); },
        [this](const QString &text) { emit OutputChanged(text); },
        [this, &account](const QByteArray &raw, qint64 number, const cIncomingStore::fBeforeFiling &beforeFiling) {
            return StoreMessage(account, raw, number, beforeFiling);
        },
        [this, &account] { return StoredMailIsOnDisk(account); },
        // Safe on its own thread while the check goes on.
        &FlushDeferredWrites,
    };
}

bool cGetSession::Converse(TVrxPOP &pop, const cAccount &account, cMailboxFetch &mailbox)
{
    emit OutputChanged(tr("Attempting to connect to server..."));
    pop.Connect();
    if (pop.Failed()) {
        emit OutputChanged(tr("Error connecting to server"));
        ConnectFailed(pop, eMailProtocol::Pop3, account.section);
        emit MainStatus(tr("Connection failed"));
        pop.Quit();
        return false;
    }
    emit ConnectionChanged(tr("Connected"));
    emit OutputChanged(tr("Connected to server, authorizing..."));
    if (!pop.Login()) {
        emit OutputChanged(tr("Authentification failed. Disconnecting."));
        pop.Quit();
        if (account.UsesOAuth2())
            AddError(cOAuth2SignIn::ServerRefused(account));
        emit MainStatus(tr("Bad login info."));
        return true;
    }
    emit OutputChanged(tr("Connected to server. Checking for new messages..."));
    FetchMessages(pop, account, mailbox);
    // The server deletes only at QUIT (RFC 1939 section 6): without it, nothing is lost.
    if (fTotal == fTotalOnDisk || StoredMailIsOnDisk(account))
        pop.Quit();
    return true;
}

bool cGetSession::StoredMailIsOnDisk(const cAccount &account)
{
    const cResult synced = FlushDeferredWrites();
    if (synced) {
        fTotalOnDisk = fTotal;
        return true;
    }
    AddError(tr("(%1) The fetched mail was left on the server: %2").arg(account.section, synced.text()));
    return false;
}

void cGetSession::FetchMessages(TVrxPOP &pop, const cAccount &account, cMailboxFetch &mailbox)
{
    pop.Capabilities();
    if (!pop.Connected())
        return;
    if (pop.MayHaveUniqueIds()) {
        const auto ids = pop.UniqueIds();
        if (!pop.Connected())
            return;
        if (ids) {
            FetchByIds(pop, mailbox, *ids);
            return;
        }
    }
    FetchByNumbers(pop, account);
}

void cGetSession::ReportNoNewMessages()
{
    emit MainStatus(tr("No new messages"));
    emit OutputChanged(tr("No new messages"));
}

void cGetSession::FetchByIds(TVrxPOP &pop, cMailboxFetch &mailbox, const QMap<qint64, QByteArray> &ids)
{
    const qint64 fresh = mailbox.Prepare(ids);
    if (!pop.Connected())
        return;
    if (fresh == 0)
        ReportNoNewMessages();
    mailbox.Transfer();
}

void cGetSession::FetchByNumbers(TVrxPOP &pop, const cAccount &account)
{
    const qint64 count = pop.CheckMail();
    if (!pop.Connected())
        return;
    const qint64 total = pop.MessageCount();
    // A server claiming more new messages than it holds gets no wrapped-around numbers.
    const qint64 fresh = std::clamp<qint64>(pop.LastSupported() ? count : total, 0, total);
    if (fresh == 0) {
        ReportNoNewMessages();
        return;
    }
    const qint64 first = total - fresh + 1;
    for (qint64 i = 1; i <= fresh && pop.Connected(); ++i) {
        emit OutputChanged(tr("Retrieving message %1 of %2").arg(i).arg(fresh));
        FetchMessage(pop, account, first + i - 1);
    }
}

void cGetSession::LeftOnServer(const cAccount &account, qint64 number, const QString &why)
{
    AddError(tr("(%1) Message %2 was left on the server: %3").arg(account.section).arg(number).arg(why));
}

void cGetSession::FetchMessage(TVrxPOP &pop, const cAccount &account, qint64 number)
{
    const std::optional<QByteArray> raw = pop.Retrieve(number);
    if (!raw) {
        if (pop.Connected()) {
            emit ProgressShown(false);
            LeftOnServer(account, number, pop.LastFailure().Text);
        }
        return;
    }
    if (StoreMessage(account, *raw, number, {}) && !account.leaveMailOnServer)
        pop.Delete(number);
}

bool cGetSession::StoreMessage(const cAccount &account, const QByteArray &raw, qint64 number,
                               const cIncomingStore::fBeforeFiling &beforeFiling)
{
    // The sorter sees the record last, once nothing can refuse it any more.
    const auto filing = [this, &beforeFiling](const QString &path, cMailMessage &record) {
        if (beforeFiling) {
            if (cResult noted = beforeFiling(path, record); !noted)
                return noted;
        }
        fSorter->Prepare(path, record);
        return cResult::Ok();
    };
    const cResultOf<cIncomingStore::cStored> stored =
        cIncomingStore::Store(raw, account.section, kInbox, eDurability::Deferred, filing);
    if (!stored) {
        LeftOnServer(account, number, stored.text());
        return false;
    }
    ++fTotal;
    Announce(account, fSorter->Sort(stored.value().path, stored.value().folder));
    if (const QString note = cIncomingStore::LeftOutText(stored.value()); !note.isEmpty())
        AddError(QStringLiteral("(%1) %2").arg(account.section, note));
    return true;
}

void cGetSession::Announce(const cAccount &account, const QList<cMailSorter::cSorted> &sorted)
{
    for (const cMailSorter::cSorted &message : sorted) {
        for (const QString &note : message.notes)
            AddError(QStringLiteral("(%1) %2").arg(account.section, note));
        emit MessageStored(message.path, message.folder);
    }
}
