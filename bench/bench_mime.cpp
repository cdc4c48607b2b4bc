// Reading a received 50 MB message (text and one base64 attachment) into decoded text and
// parts: time, and the peak memory of the read against the message size (goal: under 4x).
#include "LargeMessage.h"
#include "PeakMemory.h"

#include "mime/cMimeReader.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype MessageBytes = 50 * 1024 * 1024;

void ReadLargeMessage(benchmark::State &state)
{
    const QByteArray message = MakeLargeMessage(MessageBytes);
    double peak = 0;
    for (auto _ : state) {
        ResetPeak();
        const qint64 base = PeakResident();
        const cDecodedMail mail = cMimeReader::Read(message);
        benchmark::DoNotOptimize(mail.attachments.size());
        // The caller holds the message already; what counts is what reading adds to it.
        peak = double(PeakResident() - base + message.size()) / double(message.size());
    }
    state.counters["peak_x"] = peak;
    state.SetBytesProcessed(state.iterations() * message.size());
}

} // namespace

BENCHMARK(ReadLargeMessage)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
