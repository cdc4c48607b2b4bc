// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An in-process mail server for dialogue tests: the client's stream reads the script's chunks
// exactly as they were given, and each line the client writes is checked against the script the
// moment it is written, so a wrong command fails at its own step. Needs no socket, thread or
// pause; timing faults (trickles, stalls, resets) stay with ScriptedServer.
#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxLineStream.h"

#include <QByteArray>
#include <QList>

#include <memory>

class FakeServer
{
public:
    FakeServer();

    // Becomes readable as one chunk once every step before it has happened.
    FakeServer &Send(const QByteArray &chunk);
    // The client's next line, whatever it is.
    FakeServer &Expect();
    // The client's next line must be exactly this (CR LF included).
    FakeServer &Expect(const QByteArray &line);
    // Everything the client writes up to and including marker (the end of a DATA block).
    FakeServer &ExpectUntil(const QByteArray &marker);
    FakeServer &Replies(const QList<QByteArray> &replies);
    FakeServer &Close();

    // Aims the client at this server.
    void Serve(TVrxClient &client) const;
    quint16 Port() const { return 2525; }
    // Every byte the client wrote.
    QByteArray Transcript() const;

    struct State;

private:
    std::shared_ptr<State> fState;
};
