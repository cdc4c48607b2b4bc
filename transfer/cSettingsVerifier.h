// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tries found server settings with the password the user typed before they are saved: a POP3
// login, then an SMTP session with AUTH when the server offers it, each server in the order
// found until one works. A server that refuses the login ends the check at once (the next
// server of the same provider would only refuse it again, and lock the account sooner); one
// that cannot be reached gives way to the next. Nothing but the login and QUIT is sent.
//
// Blocking; Stopped is asked while waiting for each reply.
#include "storage/cResult.h"
#include "transfer/cAccount.h"
#include "transfer/cFoundSettings.h"

#include <functional>

class cSettingsVerifier
{
public:
    explicit cSettingsVerifier(int timeoutMs) : fTimeoutMs(timeoutMs) {}

    // typed holds the account's name, the user's name, address and password, and whether a
    // password may cross unencrypted; the result adds the servers and logins that worked.
    cResultOf<cAccount> Verify(const cFoundSettings &found, const cAccount &typed);

    std::function<void(const QString &step)> Progress = [](const QString &) {};
    std::function<bool()> Stopped = [] { return false; };

private:
    // Fills the POP3 settings of account from the first server that takes the login.
    cResult verifyPop3(const QList<cServerSetting> &servers, cAccount &account);
    cResult verifySmtp(const QList<cServerSetting> &servers, cAccount &account);
    // Tries each server in turn: the first that works or refuses the login ends the search.
    cResult firstWorking(const QList<cServerSetting> &servers, const QString &protocol,
                         const std::function<cResult(const cServerSetting &)> &attempt);
    // One server: Ok, Refused (the login), or another failure (not reached).
    cResult tryPop3(const cAccount &account);
    // A server that offers no AUTH at all is taken as it is: the account then sends without a login.
    cResult trySmtp(cAccount &account);
    void prepare(class TVrxClient &client) const;

    int fTimeoutMs;
};
