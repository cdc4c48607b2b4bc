// SPDX-License-Identifier: GPL-3.0-or-later
// A 100 MB message received over loopback and stored as the get session does: time, and the
// peak memory of receiving alone and of receiving and storing, each against the message size
// (goal: under 1.5x), for a base64 attachment and for a plain-text body.
#include "LargeMessage.h"
#include "PeakMemory.h"

#include "mailproto/TVrxPOP.h"
#include "tests/mailproto/ScriptedServer.h"
#include "tests/support/cScratchSettings.h"
#include "transfer/cIncomingStore.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype MessageBytes = 100 * 1024 * 1024;

void RetrieveAndStore(benchmark::State &state, const QByteArray &message)
{
    const cScratchSettings settings;
    if (!settings.initStorage()) {
        state.SkipWithError("no mail folder");
        return;
    }
    double receivePeak = 0;
    double storePeak = 0;
    for (auto _ : state) {
        ScriptedServer server;
        server.Send("+OK ready\r\n").Replies({"+OK 1 " + QByteArray::number(message.size()) + "\r\n"}).Expect()
            .Send("+OK\r\n" + message + ".\r\n").Replies({"+OK bye\r\n"}).Start();
        TVrxPOP pop;
        pop.Host = QStringLiteral("127.0.0.1");
        pop.Port = QString::number(server.Port());
        pop.Connect();
        qint64 received = 0;
        QObject::connect(&pop, &TVrxPOP::OnAfterRetrieve, [&] { received = PeakResident(); });
        ResetPeak();
        const qint64 base = PeakResident();
        {
            const auto raw = pop.Retrieve(1);
            const auto stored = cIncomingStore::Store(raw.value_or(QByteArray()), QStringLiteral("Bench"),
                                                      QStringLiteral("Inbox"), eDurability::Deferred);
            if (!stored)
                state.SkipWithError(stored.text().toUtf8().constData());
        }
        receivePeak = double(received - base) / double(message.size());
        storePeak = double(PeakResident() - base) / double(message.size());
        pop.Quit();
    }
    state.counters["receive_peak_x"] = receivePeak;
    state.counters["store_peak_x"] = storePeak;
    state.SetBytesProcessed(state.iterations() * message.size());
}

void RetrieveLargeAttachment(benchmark::State &state)
{
    RetrieveAndStore(state, MakeLargeMessage(MessageBytes));
}

void RetrieveLargeText(benchmark::State &state)
{
    RetrieveAndStore(state, MakeLargeTextMessage(MessageBytes));
}

} // namespace

BENCHMARK(RetrieveLargeAttachment)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(RetrieveLargeText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
