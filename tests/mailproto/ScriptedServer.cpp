// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedServer.h"

#include "mailproto/TVrxClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace {

constexpr int StepTimeoutMs = 5000;
constexpr int StallLimitMs = 60000;
constexpr auto ChunkPause = std::chrono::milliseconds(40);

bool Readable(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, timeoutMs) > 0;
}

} // namespace

ScriptedServer::ScriptedServer()
{
    fListener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fListener < 0 || ::bind(fListener, reinterpret_cast<sockaddr *>(&address), length) != 0
        || ::listen(fListener, 1) != 0 || ::getsockname(fListener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        throw std::runtime_error("the scripted server cannot listen on the loopback address");
    fPort = ntohs(address.sin_port);
}

ScriptedServer::~ScriptedServer()
{
    if (fThread.joinable())
        fThread.join();
    if (fClient >= 0)
        ::close(fClient);
    ::close(fListener);
}

ScriptedServer &ScriptedServer::Send(const QByteArray &chunk)
{
    fSteps.append(Step{Step::SendChunk, chunk});
    return *this;
}

ScriptedServer &ScriptedServer::Expect()
{
    fSteps.append(Step{Step::ReadLine, {}});
    return *this;
}

ScriptedServer &ScriptedServer::ExpectUntil(const QByteArray &marker)
{
    fSteps.append(Step{Step::ReadUntil, marker});
    return *this;
}

ScriptedServer &ScriptedServer::Replies(const QList<QByteArray> &replies)
{
    for (const QByteArray &reply : replies)
        Expect().Send(reply);
    return *this;
}

ScriptedServer &ScriptedServer::Close()
{
    fSteps.append(Step{Step::CloseNow, {}});
    return *this;
}

ScriptedServer &ScriptedServer::Trickle(const QByteArray &bytes, int intervalMs)
{
    fSteps.append(Step{Step::TrickleBytes, bytes, intervalMs});
    return *this;
}

ScriptedServer &ScriptedServer::Flood(const QByteArray &pattern, qint64 totalBytes)
{
    fSteps.append(Step{Step::FloodBytes, pattern, totalBytes});
    return *this;
}

ScriptedServer &ScriptedServer::Stall()
{
    fSteps.append(Step{Step::StallNow, {}});
    return *this;
}

bool ScriptedServer::SendAll(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fClient, data, size_t(size), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

void ScriptedServer::RunTrickle(const Step &step)
{
    for (const char byte : step.bytes) {
        if (!SendAll(&byte, 1))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(step.amount));
    }
}

void ScriptedServer::RunFlood(const Step &step)
{
    QByteArray block;
    while (block.size() < 1024 * 1024)
        block += step.bytes;
    for (qint64 left = step.amount; left > 0; left -= block.size())
        if (!SendAll(block.constData(), std::min<qint64>(left, block.size())))
            return;
}

void ScriptedServer::RunStall()
{
    while (ReadMore(StallLimitMs)) {
    }
}

void ScriptedServer::Serve(TVrxClient &client) const
{
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = QString::number(fPort);
}

void ScriptedServer::Drop()
{
    if (fClient >= 0)
        ::shutdown(fClient, SHUT_RDWR);
}

void ScriptedServer::Start()
{
    fThread = std::thread([this] { Run(); });
}

bool ScriptedServer::ReadMore(int timeoutMs)
{
    if (fClient < 0 || !Readable(fClient, timeoutMs))
        return false;
    char buffer[65536];
    const ssize_t got = ::recv(fClient, buffer, sizeof buffer, 0);
    if (got <= 0)
        return false;
    fReceived.append(buffer, got);
    return true;
}

bool ScriptedServer::WaitFor(const QByteArray &marker)
{
    for (;;) {
        const qsizetype at = fReceived.indexOf(marker, fConsumed);
        if (at >= 0) {
            fConsumed = at + marker.size();
            return true;
        }
        if (!ReadMore(StepTimeoutMs))
            return false;
    }
}

void ScriptedServer::Run()
{
    if (!Readable(fListener, StepTimeoutMs))
        return;
    fClient = ::accept(fListener, nullptr, nullptr);
    const int noDelay = 1;
    ::setsockopt(fClient, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    for (qsizetype i = 0; i < fSteps.size(); ++i) {
        const Step &step = fSteps.at(i);
        switch (step.kind) {
        case Step::SendChunk:
            ::send(fClient, step.bytes.constData(), size_t(step.bytes.size()), MSG_NOSIGNAL);
            if (i + 1 < fSteps.size() && fSteps.at(i + 1).kind == Step::SendChunk)
                std::this_thread::sleep_for(ChunkPause);
            break;
        case Step::ReadLine:
            if (!WaitFor("\r\n"))
                return;
            break;
        case Step::ReadUntil:
            if (!WaitFor(step.bytes))
                return;
            break;
        case Step::CloseNow:
            ::close(fClient);
            fClient = -1;
            return;
        case Step::TrickleBytes:
            RunTrickle(step);
            break;
        case Step::FloodBytes:
            RunFlood(step);
            break;
        case Step::StallNow:
            RunStall();
            return;
        }
    }
    while (ReadMore(StepTimeoutMs)) {
    }
}

QByteArray ScriptedServer::Transcript()
{
    if (fThread.joinable())
        fThread.join();
    return fReceived;
}
