// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "identity list|add|delete" of ravelin-cli: the sender identities of an account besides its
// own. Results go to the command set's out, errors to its err, with its exit codes.
#include <QStringList>

class cCliCommands;
struct cIdentity;

class cIdentityCommands
{
public:
    explicit cIdentityCommands(cCliCommands &cli) : fCli(cli) {}

    int Run(const QStringList &arguments);

    static QString Usage();

private:
    int List(const QString &account);
    int Add(const QString &account, const QStringList &options);
    int Delete(const QString &account, const QString &address);
    // The identity the options describe; else the misuse text.
    static QString Parse(const QStringList &options, cIdentity &identity);
    // The account's name as stored, or empty (with an error printed) when there is none.
    QString Existing(const QString &account);
    int Write(const QString &account, const QList<cIdentity> &identities);

    cCliCommands &fCli;
};
