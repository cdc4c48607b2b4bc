// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An SMTP client aimed at a scripted or fake server, with a short time-out so a failing test
// ends soon.
#include "mailproto/TVrxSMTP.h"

#include <memory>

template <class Server>
std::unique_ptr<TVrxSMTP> ClientFor(const Server &server, int replyTimeoutMs = 2000)
{
    auto smtp = std::make_unique<TVrxSMTP>();
    server.Serve(*smtp);
    smtp->ReplyTimeout = replyTimeoutMs;
    return smtp;
}
