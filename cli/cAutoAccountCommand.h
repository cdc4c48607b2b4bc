// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "add-account --auto ADDRESS --password P": finds the servers of the address, checks them
// with a real login, prints each step as it goes and saves the account only when both logins
// worked. Writes to the command set's out and err and returns its exit codes.
#include "transfer/cAccount.h"

#include <QStringList>

class cCliCommands;

class cAutoAccountCommand
{
public:
    explicit cAutoAccountCommand(cCliCommands &cli) : fCli(cli) {}

    // arguments: everything after "add-account".
    int Run(const QStringList &arguments);

    static QString Usage();

private:
    // The account the options describe; else the misuse text.
    QString Parse(const QStringList &arguments, cAccount &typed, bool &makeDefault);
    int Save(const cAccount &account, bool makeDefault);

    cCliCommands &fCli;
};
