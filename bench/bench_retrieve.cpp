// Receiving a 100 MB message over loopback: time, and the peak memory of the receive step and
// of the whole retrieval (receive and parse), each against the message size (goal: under 2x).
#include "LargeMessage.h"
#include "PeakMemory.h"

#include "mailproto/TVrxPOP.h"
#include "tests/mailproto/ScriptedServer.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype MessageBytes = 100 * 1024 * 1024;

void RetrieveLargeMessage(benchmark::State &state)
{
    const QByteArray message = MakeLargeMessage(MessageBytes) + ".\r\n";
    double receivePeak = 0;
    double retrievePeak = 0;
    for (auto _ : state) {
        ScriptedServer server;
        server.Send("+OK ready\r\n").Replies({"+OK 1 " + QByteArray::number(message.size()) + "\r\n"}).Expect()
            .Send("+OK\r\n" + message).Replies({"+OK bye\r\n"}).Start();
        TVrxPOP pop;
        pop.Host = QStringLiteral("127.0.0.1");
        pop.Port = QString::number(server.Port());
        pop.Connect();
        qint64 base = 0;
        qint64 received = 0;
        QObject::connect(&pop, &TVrxPOP::OnRetrieveProgress, [&](quint16 percent) {
            if (percent >= 100 && received == 0)
                received = PeakResident();
        });
        ResetPeak();
        base = PeakResident();
        const auto msg = pop.Retrieve(1);
        benchmark::DoNotOptimize(msg->size());
        receivePeak = double(received - base) / double(message.size());
        retrievePeak = double(PeakResident() - base) / double(message.size());
        pop.Quit();
    }
    state.counters["receive_peak_x"] = receivePeak;
    state.counters["retrieve_peak_x"] = retrievePeak;
    state.SetBytesProcessed(state.iterations() * message.size());
}

} // namespace

BENCHMARK(RetrieveLargeMessage)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
