// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a folder of 10,000 messages header-only, as the message list does, next to the
// floor: opening each file and reading its first 4 KiB, nothing else. Then what hostile or
// plentiful mail costs: a 20 MB header line, 12,000 messages stored into one folder, and
// attachments that all carry the same name.
#include "SampleMail.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cIniFile.h"
#include "transfer/AttachmentNames.h"
#include "transfer/cIncomingStore.h"

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
        (void)m.WriteFile(dir.filePath(QStringLiteral("Mail/Inbox/mail%1.qrz").arg(n)));
    }
    return dir;
}

void BM_ListFolderHeaderOnly(benchmark::State &state)
{
    SetMailRoot(folderOfMessages().path());
    for (auto _ : state) {
        QList<cMailMessage> messages;
        for (const QString &path : cFolderStore::MessageFiles(QStringLiteral("Inbox")))
            if (cMailMessage &m = messages.emplace_back(); !m.ReadFile(path, true))
                messages.removeLast();
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
        benchmark::DoNotOptimize(OpenAndReadEach(inbox));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}

void BM_ReadTwentyMegabyteHeaderLine(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mail1.qrz"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the sample");
    file.write("[Header]\r\nSubject=" + QByteArray(20 * 1024 * 1024, 's') + "\r\nTo=bob@example.org\r\n");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(cIniFile(path).readSection(QStringLiteral("Header")));
    state.SetBytesProcessed(state.iterations() * file.size());
}

// Every message goes through the incoming store, as a mail check files it (disk flush deferred).
void BM_StoreTwelveThousandMessagesInOneFolder(benchmark::State &state)
{
    constexpr int kCount = 12000;
    const QByteArray msg = "From: Ann Lee <ann@example.org>\r\nSubject: One of many\r\n\r\nA short body.\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        SetMailRoot(dir.path());
        SetAttachmentsFolder(dir.filePath(QStringLiteral("Attachments")));
        QDir().mkpath(dir.filePath(QStringLiteral("Mail/Inbox")));
        state.ResumeTiming();
        for (int n = 0; n < kCount; ++n)
            if (!cIncomingStore::Store(msg, QStringLiteral("Work"), QStringLiteral("Inbox"), eDurability::Deferred))
                state.SkipWithError("a message was not stored");
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

void BM_SaveTenThousandSameNamedAttachments(benchmark::State &state)
{
    constexpr int kCount = 10000;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        // One message each, as ten thousand messages of one attachment would come.
        for (int n = 0; n < kCount; ++n)
            if (!cAttachmentNamer(dir.path()).Save("a.txt", "data", eDurability::Deferred))
                state.SkipWithError("no name left");
    }
    state.SetItemsProcessed(state.iterations() * kCount);
}

} // namespace

BENCHMARK(BM_ReadTwentyMegabyteHeaderLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreTwelveThousandMessagesInOneFolder)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveTenThousandSameNamedAttachments)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Floor_OpenAndRead4KiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolderHeaderOnly)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
