// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of ravelin-cli, for scripts and cron: each runs on the same engines and stores
// as the program does, writes its results to `out` and every error to `err`, and returns the
// process exit code (0 all went well, 1 something failed, 2 the command was misused).
#include "storage/cQrzMailStore.h"

#include <QStringList>
#include <QTextStream>
#include <QUrl>

#include <functional>

class cCliCommands
{
public:
    cCliCommands(QTextStream &out, QTextStream &err);

    int Run(const QStringList &arguments);

    int CheckMail(const QStringList &accounts);
    int SendUnsent();
    int List(const QString &folder);
    int Import(const QStringList &files, const QString &folder);
    int Show(const QString &file);
    int Search(const QString &query);
    int AddAccount(const QStringList &arguments);

    static QString Usage();

    // Where sign-in sends the user: the address is printed; tests follow it themselves.
    std::function<void(const QUrl &)> OpenBrowser;

private:
    friend class cRuleCommands;
    friend class cAutoAccountCommand;
    friend class cIdentityCommands;
    friend class cSignInCommand;

    bool StorageReady();
    bool FolderExists(const QString &folder);
    // Runs a session's event loop until it has finished; prints its errors.
    bool RunSession(class cSessionEngine &session);
    int Misuse(const QString &text);

    QTextStream &fOut;
    QTextStream &fErr;
    cQrzMailStore fStore;
};
