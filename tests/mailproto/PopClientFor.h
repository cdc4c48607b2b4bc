// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A POP3 client aimed at a scripted or fake server as alice/secret by USER and PASS in the
// clear, with a short time-out so a failing test ends soon.
#include "mailproto/TVrxPOP.h"

#include <memory>

template <class Server>
std::unique_ptr<TVrxPOP> PopClientFor(const Server &server)
{
    auto pop = std::make_unique<TVrxPOP>();
    server.Serve(*pop);
    pop->UserId = "alice";
    pop->Passwd = "secret";
    pop->AllowPasswordInClear = true;
    pop->ReplyTimeout = 2000;
    return pop;
}
