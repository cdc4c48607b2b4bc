// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "sign-in ACCOUNT" of ravelin-cli: the OAuth2 sign-in of an account that uses it, in the
// browser the user opens with the address printed, waiting for it to come back on this machine.
// The tokens are stored where the account keeps its password.
#include <QString>

class cCliCommands;

class cSignInCommand
{
public:
    // How long the command waits for the browser.
    static constexpr int kWaitMs = 10 * 60 * 1000;

    explicit cSignInCommand(cCliCommands &cli) : fCli(cli) {}

    int Run(const QString &account);

    static QString Usage();

private:
    cCliCommands &fCli;
};
