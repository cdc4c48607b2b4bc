// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule and junk commands of ravelin-cli: "rule add|list|delete|run" and "junk learn". They
// write results to the command set's out and errors to its err, and return its exit codes.
#include <QStringList>

class cCliCommands;
struct cRule;

class cRuleCommands
{
public:
    explicit cRuleCommands(cCliCommands &cli) : fCli(cli) {}

    int Rule(const QStringList &arguments);
    int Junk(const QStringList &arguments);

    static QString Usage();

private:
    int Add(const QStringList &arguments);
    int List();
    int Delete(const QString &name);
    int RunOn(const QString &folder);
    int Learn(const QStringList &arguments);
    // The rule the options describe; else the misuse text.
    QString ParseRule(const QStringList &arguments, cRule &rule);

    cCliCommands &fCli;
};
