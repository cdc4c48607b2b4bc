// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sessions and the settings check do with an account that signs in by OAuth2: before
// connecting, Freshen renews an access token that has run out (and stores the new tokens);
// after a server refused the token, ServerRefused drops it, so the next attempt renews it
// instead of offering it again, and says what the user can do. A sign-in the provider no
// longer honours ends in Refused with "sign in again", never in a silent retry.
#include "storage/cResult.h"
#include "transfer/cAccount.h"

#include <functional>

class cOAuth2SignIn
{
public:
    // Ok at once for an account that uses a password.
    [[nodiscard]] static cResult Freshen(cAccount &account, int timeoutMs, const std::function<bool()> &stopped);
    // The access token the servers get; empty for an account that uses a password.
    static QByteArray AccessToken(const cAccount &account);
    static QString ServerRefused(const cAccount &account);
};
