// Parsing a 10 MB received message whose body is a short text and one base64 attachment:
// throughput, and the peak memory of one parse against the message size (goal: under 4x).
#include "LargeMessage.h"

#include "mailproto/TVrxMessageParser.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <fstream>

namespace {

constexpr qsizetype AttachmentBytes = 7 * 1024 * 1024 + 600 * 1024;

QByteArray MakeMessage()
{
    return MakeLargeMessage(AttachmentBytes);
}

double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Runs first, while the process is still small: the peak counts the message itself, the
// lines, the part lists and the decoded bytes.
void BM_PeakMemoryOfOneParse(benchmark::State &state)
{
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        const QByteArray message = MakeMessage();
        const double messageMegabytes = double(message.size()) / (1024.0 * 1024.0);
        const auto msg = TVrxMessageParser().Parse(message);
        benchmark::DoNotOptimize(msg.get());
        const double peak = PeakMegabytes() - before;
        state.counters["message_MB"] = messageMegabytes;
        state.counters["peak_MB"] = peak;
        state.counters["peak_per_message_size"] = peak / messageMegabytes;
    }
}

void BM_Parse10MBMessage(benchmark::State &state)
{
    const QByteArray message = MakeMessage();
    for (auto _ : state) {
        const auto msg = TVrxMessageParser().Parse(message);
        benchmark::DoNotOptimize(msg.get());
    }
    state.SetBytesProcessed(state.iterations() * message.size());
}

} // namespace

BENCHMARK(BM_PeakMemoryOfOneParse)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse10MBMessage)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
