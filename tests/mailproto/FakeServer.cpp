// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeServer.h"

#include <QHostInfo>

#include <gtest/gtest.h>

struct FakeServer::State
{
    struct Step
    {
        enum Kind { SendChunk, ReadLine, ReadUntil, CloseNow } kind;
        QByteArray bytes;
        bool exact = false;
    };

    QList<Step> steps;
    qsizetype next = 0;
    QByteArray received;
    qsizetype consumed = 0;
    QList<QByteArray> readable;
    bool closed = false;

    // Plays every step that no longer waits for the client.
    void Advance()
    {
        while (next < steps.size() && Play(steps.at(next)))
            ++next;
    }

    bool Play(const Step &step)
    {
        switch (step.kind) {
        case Step::SendChunk:
            readable.append(step.bytes);
            return true;
        case Step::CloseNow:
            closed = true;
            return true;
        case Step::ReadLine:
            return Take("\r\n", step);
        case Step::ReadUntil:
            return Take(step.bytes, step);
        }
        return false;
    }

    bool Take(const QByteArray &marker, const Step &step)
    {
        const qsizetype at = received.indexOf(marker, consumed);
        if (at < 0)
            return false;
        const QByteArray taken = received.mid(consumed, at + marker.size() - consumed);
        consumed = at + marker.size();
        if (step.exact) {
            EXPECT_EQ(taken.toStdString(), step.bytes.toStdString()) << "at step " << next + 1 << " of the script";
        }
        return true;
    }

    // The client waits for bytes no step will send: a script that ends too early or a client
    // that skipped a command. Hanging up ends the wait at once instead of at the time-out.
    void HangUpOnDeadlock()
    {
        if (!readable.isEmpty() || closed)
            return;
        ADD_FAILURE() << "the client waits for a reply the script does not give (after step " << next << ")";
        closed = true;
    }
};

namespace {

class FakeStream : public TVrxLineStream
{
public:
    explicit FakeStream(std::shared_ptr<FakeServer::State> state) : fState(std::move(state)) {}

    bool Open(const QString &, quint16, int) override
    {
        fState->Advance();
        return true;
    }
    bool Write(const QByteArray &bytes, int) override
    {
        if (fState->closed)
            return false;
        fState->received += bytes;
        fState->Advance();
        return true;
    }
    bool WaitForData(int) override
    {
        fState->Advance();
        fState->HangUpOnDeadlock();
        return !fState->readable.isEmpty();
    }
    QByteArray Read(qint64 maxBytes) override
    {
        if (fState->readable.isEmpty())
            return {};
        QByteArray &front = fState->readable.first();
        const QByteArray chunk = front.left(maxBytes);
        front.remove(0, chunk.size());
        if (front.isEmpty())
            fState->readable.removeFirst();
        return chunk;
    }
    bool IsOpen() const override { return !fState->closed || !fState->readable.isEmpty(); }
    void Close() override {}
    QString ErrorText() const override { return QStringLiteral("the fake server hung up"); }
    QByteArray LocalHostName() const override { return QHostInfo::localHostName().toUtf8(); }
    QByteArray LocalAddress() const override { return "127.0.0.1"; }

private:
    std::shared_ptr<FakeServer::State> fState;
};

} // namespace

FakeServer::FakeServer() : fState(std::make_shared<State>()) {}

FakeServer &FakeServer::Send(const QByteArray &chunk)
{
    fState->steps.append(State::Step{State::Step::SendChunk, chunk});
    return *this;
}

FakeServer &FakeServer::Expect()
{
    fState->steps.append(State::Step{State::Step::ReadLine, {}});
    return *this;
}

FakeServer &FakeServer::Expect(const QByteArray &line)
{
    fState->steps.append(State::Step{State::Step::ReadLine, line, true});
    return *this;
}

FakeServer &FakeServer::ExpectUntil(const QByteArray &marker)
{
    fState->steps.append(State::Step{State::Step::ReadUntil, marker});
    return *this;
}

FakeServer &FakeServer::Replies(const QList<QByteArray> &replies)
{
    for (const QByteArray &reply : replies)
        Expect().Send(reply);
    return *this;
}

FakeServer &FakeServer::Close()
{
    fState->steps.append(State::Step{State::Step::CloseNow, {}});
    return *this;
}

void FakeServer::Serve(TVrxClient &client) const
{
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = QString::number(Port());
    client.SetStreamFactory([state = fState] { return std::make_unique<FakeStream>(state); });
}

QByteArray FakeServer::Transcript() const
{
    return fState->received;
}
