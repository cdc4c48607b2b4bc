// A stand-in for a running program with one message being typed, for the kill test: fills a
// composer with the subject given, says "kept" once autosave has written it to Unfinished,
// then runs until killed. Its settings come from RAVELIN_CONFIG_DIR.
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "ui/compose/unitNewMessage.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!InitMailStorage())
        return 5;
    TfrmNewMessage::SetAutoSaveInterval(std::chrono::milliseconds(10));
    auto *composer = new TfrmNewMessage;
    composer->SetHeaderFields(QStringLiteral("ann@example.org"), {}, QApplication::arguments().value(1));
    composer->SetBody({QStringLiteral("typed")});
    composer->show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        if (cFolderStore::MessageFiles(QStringLiteral("Unfinished")).isEmpty())
            return;
        poll.stop();
        std::fputs("kept\n", stdout);
        std::fflush(stdout);
    });
    poll.start(10);
    return QApplication::exec();
}
