// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thrown from a client's wait when its caller asked it to stop. Deliberately not an EVrxError:
// a stop is not a failure of the message or the server, and handlers of EVrxError must not
// swallow it. The session that asked for the stop catches it where the dialogue began.
#include <exception>

class EVrxCancelled : public std::exception
{
public:
    const char *what() const noexcept override { return "Cancelled."; }
};
