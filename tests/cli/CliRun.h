// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs ravelin-cli's commands in the test's process and keeps what they printed.
#include "cli/cCliCommands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

class cCliRun
{
public:
    int run(const QStringList &arguments)
    {
        fOut.clear();
        fErr.clear();
        QTextStream out(&fOut), err(&fErr);
        cCliCommands commands(out, err);
        return commands.Run(arguments);
    }

    QString fOut, fErr;
};
