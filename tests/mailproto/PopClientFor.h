#pragma once
// A POP3 client aimed at a scripted server as alice/secret by USER and PASS in the clear, with a
// short time-out so a failing test ends soon.
#include "ScriptedServer.h"

#include "mailproto/TVrxPOP.h"

#include <memory>

inline std::unique_ptr<TVrxPOP> PopClientFor(const ScriptedServer &server)
{
    auto pop = std::make_unique<TVrxPOP>();
    pop->Host = QStringLiteral("127.0.0.1");
    pop->Port = QString::number(server.Port());
    pop->UserId = "alice";
    pop->Passwd = "secret";
    pop->AllowPasswordInClear = true;
    pop->ReplyTimeout = 2000;
    return pop;
}
