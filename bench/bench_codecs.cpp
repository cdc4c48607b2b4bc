// SPDX-License-Identifier: GPL-3.0-or-later
// Base64 of a 10 MB attachment: the library's encoder and decoder next to Qt's own
// QByteArray::toBase64 / fromBase64 on the same data (goal: within 1.5 times Qt's time).
// The encoder reads its file itself, so Qt's side reads the same file too.
#include "mailproto/TVrxBase64.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype FileSize = 10 * 1024 * 1024;

const QString &SampleFile()
{
    static const QString path = [] {
        QByteArray data(FileSize, Qt::Uninitialized);
        QRandomGenerator generator(42);
        generator.fillRange(reinterpret_cast<quint32 *>(data.data()), FileSize / 4);
        const QString file = QDir::tempPath() + QStringLiteral("/ravelin-bench-codecs.bin");
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size())
            std::abort();
        return file;
    }();
    return path;
}

QByteArray ReadSample()
{
    QFile file(SampleFile());
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

const QList<QByteArray> &EncodedLines()
{
    static const QList<QByteArray> lines = [] {
        TAttachedFile item;
        item.PathName = SampleFile();
        TVrxBase64::EncodeFile(item, {});
        return item.Lines;
    }();
    return lines;
}

void BM_Encode_TVrxBase64(benchmark::State &state)
{
    for (auto _ : state) {
        TAttachedFile item;
        item.PathName = SampleFile();
        TVrxBase64::EncodeFile(item, {});
        benchmark::DoNotOptimize(item.Lines.data());
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}

void BM_Encode_QtToBase64(benchmark::State &state)
{
    for (auto _ : state) {
        const QByteArray encoded = ReadSample().toBase64();
        benchmark::DoNotOptimize(encoded.data());
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}

void BM_Decode_TVrxBase64(benchmark::State &state)
{
    for (auto _ : state) {
        TAttachedFile item;
        item.Lines = EncodedLines();
        TVrxBase64::DecodeLines(item, {});
        benchmark::DoNotOptimize(item.Stream->data());
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}

void BM_Decode_QtFromBase64(benchmark::State &state)
{
    const QByteArray text = EncodedLines().join('\n');
    for (auto _ : state) {
        const QByteArray decoded = QByteArray::fromBase64(text);
        benchmark::DoNotOptimize(decoded.data());
    }
    state.SetBytesProcessed(state.iterations() * FileSize);
}

} // namespace

BENCHMARK(BM_Encode_TVrxBase64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_QtToBase64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode_TVrxBase64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode_QtFromBase64)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
