#pragma once
// An SMTP client aimed at a scripted server, with a short time-out so a failing test ends soon.
#include "ScriptedServer.h"

#include "mailproto/TVrxSMTP.h"

#include <memory>

inline std::unique_ptr<TVrxSMTP> ClientFor(const ScriptedServer &server, int replyTimeoutMs = 2000)
{
    auto smtp = std::make_unique<TVrxSMTP>();
    smtp->Host = QStringLiteral("127.0.0.1");
    smtp->Port = QString::number(server.Port());
    smtp->ReplyTimeout = replyTimeoutMs;
    return smtp;
}
