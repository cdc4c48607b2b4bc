// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cSessionEngine.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxClient.h"

cSessionEngine::cSessionEngine(QObject *parent) : QObject(parent)
{
    connect(this, &cSessionEngine::ErrorAdded, this, [this](const QString &text) { fErrors.append(text); });
}

cSessionEngine::~cSessionEngine()
{
    // Joining here would be too late: the worker would already be using a destroyed subclass.
    if (fThread.joinable())
        qFatal("~cSessionEngine: a concrete session must call StopWorker in its destructor");
}

void cSessionEngine::Cancel()
{
    Stop expected = Stop::None;
    fStop.compare_exchange_strong(expected, Stop::Cancel);
}

void cSessionEngine::StopWorker()
{
    fStop = Stop::Abandon;
    if (fThread.joinable())
        fThread.join();
}

void cSessionEngine::StartWorker()
{
    fStop = Stop::None;
    fThread = std::thread([this] {
        try {
            Run();
        } catch (const EVrxCancelled &) {
        }
        QMetaObject::invokeMethod(this, &cSessionEngine::WorkerEnded, Qt::QueuedConnection);
    });
}

// A joined std::thread has also run its thread-exit handlers (OpenSSL frees its per-thread state
// there); QThread::wait() returns before them, so a process ending right after would race them.
void cSessionEngine::WorkerEnded()
{
    if (!fThread.joinable())
        return;
    fThread.join();
    if (fStop != Stop::None || !RunAgain())
        emit Finished();
    else
        StartWorker();
}

void cSessionEngine::Attach(TVrxClient &client)
{
    client.MessageQueueHook = [this] {
        if (fStop != Stop::None)
            throw EVrxCancelled();
    };
    connect(&client, &TVrxClient::OnQuit, this, [this] { emit ConnectionChanged(tr("Disconnected")); },
            Qt::DirectConnection);
}

void cSessionEngine::AddFailure(const TVrxFailure &failure, eMailProtocol protocol, const QString &account)
{
    AddError(FailureResult(failure, protocol, account).text());
}

void cSessionEngine::ConnectFailed(const TVrxClient &client, eMailProtocol protocol, const QString &account)
{
    const TVrxFailure &failure = client.LastFailure();
    if (failure.Code == eVrxFailure::Connect)
        AddFailure(failure, protocol, account);
    if (fUntrusted.IsEmpty())
        fUntrusted = cUntrustedCertificate::Of(client, account, failure.Text);
}
