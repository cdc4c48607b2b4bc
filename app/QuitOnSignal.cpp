// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};

// Only async-signal-safe calls here: the loop learns of the signal through the socket.
void onSignal(int number)
{
    const char byte = char(number);
    (void)!::write(gSignalPipe[0], &byte, 1);
}

} // namespace

bool QuitOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte = 0;
        (void)!::read(gSignalPipe[1], &byte, 1);
        // exit, not quit: quit would first ask every window whether it may close.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGHUP, SIGINT})
        if (::sigaction(number, &action, nullptr) != 0)
            return false;
    return true;
}
