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
    Q_ASSERT_X(!fThread, "~cSessionEngine", "a concrete session must call StopWorker in its destructor");
    StopWorker();
}

void cSessionEngine::Cancel()
{
    Stop expected = Stop::None;
    fStop.compare_exchange_strong(expected, Stop::Cancel);
}

void cSessionEngine::StopWorker()
{
    fStop = Stop::Abandon;
    if (!fThread)
        return;
    fThread->disconnect(this);
    fThread->wait();
    delete fThread;
    fThread = nullptr;
}

void cSessionEngine::StartWorker()
{
    fStop = Stop::None;
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
    connect(&client, &TVrxClient::OnQuit, this, [this] { emit ConnectionChanged(QStringLiteral("Disconnected")); },
            Qt::DirectConnection);
}
