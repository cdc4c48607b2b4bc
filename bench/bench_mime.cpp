// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a received 50 MB message (text and one base64 attachment) into decoded text and
// parts: time, and the peak memory of the read against the message size (goal: under 4x).
// Also multiparts nested 30,000 and 200,000 deep (2 MB, 15 MB): goal under 1 s, about linear.
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

QByteArray deepMultipart(int levels)
{
    QByteArray mail = "Subject: deep\r\n";
    for (int level = 0; level < levels; ++level)
        mail += "Content-Type: multipart/mixed; boundary=\"b" + QByteArray::number(level) + "\"\r\n\r\n--b"
            + QByteArray::number(level) + "\r\n";
    mail += "Content-Type: text/plain\r\n\r\ninnermost\r\n";
    for (int level = levels - 1; level >= 0; --level)
        mail += "--b" + QByteArray::number(level) + "--\r\n";
    return mail;
}

void ReadDeepMultipart(benchmark::State &state)
{
    const QByteArray message = deepMultipart(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(cMimeReader::Read(message).attachments.size());
    state.SetBytesProcessed(state.iterations() * message.size());
}

} // namespace

BENCHMARK(ReadDeepMultipart)->Arg(30000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReadLargeMessage)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
