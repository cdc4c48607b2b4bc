// Listing a folder of 10,000 messages header-only, as the message list does, next to the
// floor: opening each file and reading its first 4 KiB, nothing else.
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kMessages = 10000;

const QTemporaryDir &folderOfMessages()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (made)
        return dir;
    made = true;
    SetMailRoot(dir.path());
    QDir().mkpath(dir.filePath(QStringLiteral("Mail/Inbox")));
    cMailMessage m;
    m.From = "Ann Lee <ann@example.org>";
    m.To = "bob@example.org";
    m.DateTime = "08/12/2026 09:05:07";
    m.headerLines = {"Received: from mail.example.org by mx.example.org", "Message-Id: <VRX.8.12.2026.abcdefgh@host>",
                     "Content-Type: Text/Plain; charset=ISO-8859-1"};
    for (int line = 0; line < 40; ++line)
        m.body.append("A line of body text that makes the message about as long as a short real one.");
    for (int n = 0; n < kMessages; ++n) {
        m.Subject = "Message number " + QByteArray::number(n);
        m.WriteFile(dir.filePath(QStringLiteral("Mail/Inbox/mail%1.qrz").arg(n)));
    }
    return dir;
}

void BM_ListFolderHeaderOnly(benchmark::State &state)
{
    SetMailRoot(folderOfMessages().path());
    for (auto _ : state) {
        const auto messages = cFolderStore::ListFolder(QStringLiteral("Inbox"));
        if (messages.size() != kMessages)
            state.SkipWithError("wrong message count");
        benchmark::DoNotOptimize(messages);
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}

void BM_Floor_OpenAndRead4KiB(benchmark::State &state)
{
    const QDir inbox(folderOfMessages().filePath(QStringLiteral("Mail/Inbox")));
    for (auto _ : state) {
        const QStringList names = inbox.entryList({QStringLiteral("*.qrz")}, QDir::Files, QDir::Unsorted);
        qint64 bytes = 0;
        for (const QString &name : names) {
            QFile file(inbox.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.read(4096).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}

} // namespace

BENCHMARK(BM_Floor_OpenAndRead4KiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolderHeaderOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
