// Parsing a received message whose body is a short text and one base64 attachment:
// throughput on 10 MB, and the parser's own peak memory on 100 MB (beyond the message it is
// given; the whole fetch, receive buffer included, should stay under twice the message size).
#include "LargeMessage.h"

#include "mailproto/TVrxMessageParser.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <fstream>

namespace {

constexpr qsizetype MB = 1024 * 1024;

double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / double(MB);
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Runs first, while the process is still small, so the peak is this parse's.
void BM_PeakMemoryOfParsing100MB(benchmark::State &state)
{
    for (auto _ : state) {
        const QByteArray message = MakeLargeMessage(100 * MB);
        const double withMessage = ResidentMegabytes();
        const auto msg = TVrxMessageParser().Parse(message);
        benchmark::DoNotOptimize(msg.get());
        const double messageMegabytes = double(message.size()) / double(MB);
        const double parserPeak = PeakMegabytes() - withMessage;
        state.counters["message_MB"] = messageMegabytes;
        state.counters["parser_peak_MB"] = parserPeak;
        state.counters["parser_peak_per_message_size"] = parserPeak / messageMegabytes;
    }
}

void BM_Parse10MBMessage(benchmark::State &state)
{
    const QByteArray message = MakeLargeMessage(10 * MB);
    for (auto _ : state) {
        const auto msg = TVrxMessageParser().Parse(message);
        benchmark::DoNotOptimize(msg.get());
    }
    state.SetBytesProcessed(state.iterations() * message.size());
}

} // namespace

BENCHMARK(BM_PeakMemoryOfParsing100MB)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse10MBMessage)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
