// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fake mail server for dialogue tests: listens on a free loopback port, accepts one client
// on its own thread and plays a script of steps: send a chunk, wait for the client's next line,
// close, or stay silent. Everything the client wrote is kept for exact comparison.
#include <QByteArray>
#include <QList>

#include <atomic>
#include <thread>

class TVrxClient;

class ScriptedServer
{
public:
    ScriptedServer();
    ~ScriptedServer();

    // Each chunk is sent on its own, after a pause that keeps it apart from the next.
    ScriptedServer &Send(const QByteArray &chunk);
    // Waits for the client's next line (up to and including CR LF).
    ScriptedServer &Expect();
    // Waits until the client's bytes contain marker (the end of a DATA block).
    ScriptedServer &ExpectUntil(const QByteArray &marker);
    // Answers each of the client's next lines with one reply.
    ScriptedServer &Replies(const QList<QByteArray> &replies);
    ScriptedServer &Close();
    // Sends the bytes one at a time, intervalMs apart, while the client listens.
    ScriptedServer &Trickle(const QByteArray &bytes, int intervalMs);
    // Sends the pattern again and again, up to totalBytes, while the client listens.
    ScriptedServer &Flood(const QByteArray &pattern, qint64 totalBytes);
    // Says nothing more until the client hangs up (at most a minute).
    ScriptedServer &Stall();

    void Start();
    quint16 Port() const { return fPort; }
    // Aims the client at this server.
    void Serve(TVrxClient &client) const;
    // Hangs up on the client from another thread, ending a Stall at once.
    void Drop();
    // Waits for the script and for the client to close, then gives all bytes the client sent.
    QByteArray Transcript();

private:
    struct Step
    {
        enum Kind { SendChunk, ReadLine, ReadUntil, CloseNow, TrickleBytes, FloodBytes, StallNow } kind;
        QByteArray bytes;
        qint64 amount = 0;
    };

    void Run();
    bool SendAll(const char *data, qint64 size);
    void RunTrickle(const Step &step);
    void RunFlood(const Step &step);
    void RunStall();
    bool ReadMore(int timeoutMs);
    bool WaitFor(const QByteArray &marker);

    QList<Step> fSteps;
    int fListener = -1;
    std::atomic<int> fClient = -1;
    quint16 fPort = 0;
    QByteArray fReceived;
    qsizetype fConsumed = 0;
    std::thread fThread;
};
