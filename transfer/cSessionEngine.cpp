#include "transfer/cSessionEngine.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxClient.h"

#include <QThread>

cSessionEngine::cSessionEngine(QObject *parent) : QObject(parent)
{
    connect(this, &cSessionEngine::ErrorAdded, this, [this](const QString &text) { fErrors.append(text); });
}

cSessionEngine::~cSessionEngine()
{
    Cancel();
    if (fThread) {
        fThread->wait();
        delete fThread;
    }
}

void cSessionEngine::Cancel()
{
    fCancelled = true;
}

void cSessionEngine::StartWorker()
{
    fCancelled = false;
    fThread = QThread::create([this] {
        try {
            Run();
        } catch (const EVrxCancelled &) {
        }
    });
    connect(fThread, &QThread::finished, this, &cSessionEngine::WorkerEnded);
    fThread->start();
}

void cSessionEngine::WorkerEnded()
{
    delete fThread;
    fThread = nullptr;
    if (fCancelled || !RunAgain())
        emit Finished();
    else
        StartWorker();
}

void cSessionEngine::Attach(TVrxClient &client)
{
    client.MessageQueueHook = [this] {
        if (fCancelled)
            throw EVrxCancelled();
    };
    connect(&client, &TVrxClient::OnQuit, this, [this] { emit ConnectionChanged(QStringLiteral("Disconnected")); },
            Qt::DirectConnection);
}
