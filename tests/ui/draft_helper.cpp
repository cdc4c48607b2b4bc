// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a running program with one message being typed, for the tests that end it
// from outside. Its settings come from RAVELIN_CONFIG_DIR.
//   draft_helper kill <subject>  autosaves at once; says "ready" once the draft is in Unfinished
//   draft_helper term <subject>  autosaves every 30 s, ends on SIGTERM; says "ready" when running
#include "app/QuitOnSignal.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
#include "ui/compose/unitNewMessage.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

bool draftKept()
{
    return !cFolderStore::MessageFiles(QStringLiteral("Unfinished")).isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool kill = QApplication::arguments().value(1) == QLatin1String("kill");
    if (!InitMailStorage() || !QuitOnTerminationSignals())
        return 5;
    if (kill)
        TfrmNewMessage::SetAutoSaveInterval(std::chrono::milliseconds(10));
    cQrzMailStore store;
    auto *composer = new TfrmNewMessage(store);
    composer->SetHeaderFields(QStringLiteral("ann@example.org"), {}, QApplication::arguments().value(2));
    composer->SetBody({QStringLiteral("typed")});
    composer->show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, kill] {
        if (kill && !draftKept())
            return;
        poll.stop();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    poll.start(10);
    return QApplication::exec();
}
