// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An account from a name, an address and a password: the finder looks for server settings and
// each set found is tried with a real login before it is taken. Servers that take only an
// OAuth2 sign-in give an account set to OAuth2 with the provider's addresses, unchecked until the
// user signs in. Nothing is saved here; the caller saves the account it gets.
//
// Blocking: run Make on a worker thread, or in a program without windows. Progress reports
// each step; Stopped ends the search at the next wait.
#include "storage/cResult.h"
#include "transfer/cAccount.h"
#include "transfer/cAccountFinder.h"

#include <functional>

class cAutoAccount
{
public:
    static constexpr int kDefaultTimeoutMs = 15000;

    explicit cAutoAccount(cFinderSetup setup) : fSetup(std::move(setup)) {}

    // typed: the section, name, email and password; the result adds the servers and logins.
    cResultOf<cAccount> Make(const cAccount &typed);

    std::function<void(const QString &step)> Progress = [](const QString &) {};
    std::function<bool()> Stopped = [] { return false; };

private:
    cFinderSetup fSetup;
};
