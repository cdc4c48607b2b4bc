// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing in a vCard file of 1,000 cards, as File > Import vCard does: reading the cards,
// then storing them into an empty address book (one write) or one that already holds them
// (every card updates its contact). The goal is well under a second for the whole import.
#include "storage/SettingsPaths.h"
#include "storage/cContactStore.h"
#include "storage/cVCard.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCards = 1000;

QByteArray thousandCards()
{
    QList<cContactCard> cards;
    for (int n = 0; n < kCards; ++n) {
        cContactCard card;
        card.name = QStringLiteral("Contact number %1").arg(n);
        for (std::size_t key = 0; key < kContactKeyCount; ++key)
            card.values[key] = QStringLiteral("Value %1 of contact %2, with some text to it").arg(key).arg(n);
        cards.append(card);
    }
    return WriteVCards(cards);
}

void BM_ReadThousandCards(benchmark::State &state)
{
    const QByteArray file = thousandCards();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadVCards(file));
}
BENCHMARK(BM_ReadThousandCards)->Unit(benchmark::kMillisecond);

void BM_ImportThousandCards(benchmark::State &state)
{
    const bool intoFullBook = state.range(0) != 0;
    QTemporaryDir dir;
    qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(dir.path()));
    const QByteArray file = thousandCards();
    if (intoFullBook)
        (void)cContactStore::ImportContacts(ReadVCards(file).cards);
    for (auto _ : state) {
        if (!intoFullBook) {
            state.PauseTiming();
            QFile::remove(ContactsFilePath());
            state.ResumeTiming();
        }
        if (!cContactStore::ImportContacts(ReadVCards(file).cards))
            state.SkipWithError("import failed");
    }
    qunsetenv("RAVELIN_CONFIG_DIR");
}
BENCHMARK(BM_ImportThousandCards)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
