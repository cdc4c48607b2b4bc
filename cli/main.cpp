// SPDX-License-Identifier: GPL-3.0-or-later
// ravelin-cli: Ravelin's mail transfer and folders for scripts and cron.
#include "cli/cCliCommands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ravelin 2"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    cCliCommands commands(out, err);
    return commands.Run(QCoreApplication::arguments().mid(1));
}
