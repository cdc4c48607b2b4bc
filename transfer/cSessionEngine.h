// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the send and get sessions share: the protocol dialogue runs on a worker thread, in the
// blocking, linear style of the mail clients, and every step is reported through signals that
// reach the engine's own (GUI) thread queued, in the order they happened. Windows and the
// command-line tool only listen. Finished comes after every other signal of a run.
// The worker uses the concrete session's members, so every concrete session calls
// StopWorker() first in its destructor: the base destructor would join too late.
#include "transfer/ProtocolFailure.h"
#include "transfer/cUntrustedCertificate.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

class TVrxClient;

class cSessionEngine : public QObject
{
    Q_OBJECT
public:
    explicit cSessionEngine(QObject *parent = nullptr);
    ~cSessionEngine() override;

    // The user's stop: ends the dialogue at its next wait for the server, lets it finish the
    // step in progress briefly, and never leaves anything half-stored.
    void Cancel();
    // Every error line of this session so far.
    const QStringList &Errors() const { return fErrors; }
    // A run was started and Finished has not come yet.
    bool Running() const { return fThread.joinable(); }
    // The first certificate that alone kept a connection of this session from opening; empty
    // when none did. Read it once Finished has come.
    const cUntrustedCertificate &Untrusted() const { return fUntrusted; }

signals:
    void AccountChanged(const QString &name);
    void ConnectionChanged(const QString &text);
    void ProgressShown(bool shown);
    void Progress(int percent);
    void ErrorAdded(const QString &text);
    // A text for the main window's status bar.
    void MainStatus(const QString &text);
    void Finished();

protected:
    void StartWorker();
    // Abandons a running dialogue at once and waits for the worker to end.
    void StopWorker();
    // True once the dialogue must end as soon as it can, without finishing its step.
    bool Abandoned() const { return fStop == Stop::Abandon; }
    // The dialogue; runs on the worker thread and may only emit signals and touch state
    // guarded by the subclass.
    virtual void Run() = 0;
    // Called on the engine's thread when a run has ended; true starts another run at once
    // (and Finished waits for that one).
    virtual bool RunAgain() { return false; }
    // Hooks the client's waits to cancelling and relays its progress events.
    void Attach(TVrxClient &client);
    void AddError(const QString &text) { emit ErrorAdded(text); }
    // The line of the error list for a failure of the client.
    void AddFailure(const TVrxFailure &failure, eMailProtocol protocol, const QString &account);
    // After Connect failed: reports what OnError did not (a connection that could not be
    // opened) and keeps the certificate when trusting it may be all that is missing.
    void ConnectFailed(const TVrxClient &client, eMailProtocol protocol, const QString &account);

private:
    void WorkerEnded();

    enum class Stop { None, Cancel, Abandon };

    std::thread fThread;
    std::atomic<Stop> fStop = Stop::None;
    QStringList fErrors;
    cUntrustedCertificate fUntrusted; // written on the worker, read after it was joined
};
