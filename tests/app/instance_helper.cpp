// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the program's start, without windows, for the two-process tests.
//   instance_helper first           claims the instance, says "ready", prints the first
//                                    request handed over ("to|subject|cc|body") and ends
//   instance_helper crash           claims the instance and dies without cleaning up
//   instance_helper lock            prepares the mail folder of its settings and holds it:
//                                    says "locked", else the reason and ends with 5
//   instance_helper <parameters...> a later start; exit code 0 when it would run, 10 when it
//                                    handed over and ends
#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/MailFolderLock.h"
#include "app/cSingleInstance.h"
#include "storage/MailStorage.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList parameters = QApplication::arguments().mid(1);
    const QString mode = parameters.value(0);
    cSingleInstance instance;
    cNewMessageRequest request;
    const bool ownMode = QStringList{QStringLiteral("first"), QStringLiteral("crash"), QStringLiteral("lock")}.contains(mode);
    if (!HandleCommandLine(ownMode ? QStringList() : parameters, instance, request))
        return 10;
    if (mode == QLatin1String("lock")) {
        const cResult locked = InitMailStorage() ? LockMailFolder() : cResult::Failed(eFailure::FileSystem, QStringLiteral("no storage"));
        say(locked ? QStringLiteral("locked") : locked.text());
        return locked ? QApplication::exec() : 5;
    }
    if (mode == QLatin1String("crash")) {
        say(QStringLiteral("ready"));
        ::_exit(3);
    }
    if (mode != QLatin1String("first"))
        return 0;
    QObject::connect(&instance, &cSingleInstance::MessageReceived, [](const QByteArray &message) {
        const cNewMessageRequest got = ReadHandOver(message);
        say(QStringList{got.to, got.subject, got.cc, got.body}.join(QLatin1Char('|')));
        QCoreApplication::quit();
    });
    say(QStringLiteral("ready"));
    return QApplication::exec();
}
