// SPDX-License-Identifier: GPL-3.0-or-later
// Grouping a folder into conversations as View > Threads does, and suggesting addresses as
// one is typed. Mail shapes as they arrive: a third of the messages start a conversation,
// the rest answer one with a References chain of up to ten ids and a "Re:" subject; one in
// ten answers lacks its references (a mailer that writes none) and is joined by subject.
#include "storage/cThreader.h"
#include "transfer/cAddressCompletion.h"

#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

QList<cThreader::cMessage> Conversations(int count)
{
    QRandomGenerator random(20261209);
    QList<cThreader::cMessage> messages;
    QList<QByteArray> chains;
    for (int i = 0; i < count; ++i) {
        cThreader::cMessage message;
        message.MessageId = "<m" + QByteArray::number(i) + "@mail.example.org>";
        message.Date = 1'700'000'000 + i * 60;
        if (chains.isEmpty() || random.bounded(3) == 0) {
            message.Subject = "Topic number " + QByteArray::number(i);
            chains.append(message.MessageId);
        } else {
            const int start = int(random.bounded(chains.size()));
            QList<QByteArray> chain = chains[start].split(' ');
            message.Subject = "Re: Topic number " + chain.first().mid(2, chain.first().indexOf('@') - 2);
            if (random.bounded(10) != 0)
                message.References = chain.mid(std::max<qsizetype>(0, chain.size() - 10)).join(' ');
            chains[start] += ' ' + message.MessageId;
        }
        messages.append(message);
    }
    return messages;
}

void BM_ThreadFolder(benchmark::State &state)
{
    const QList<cThreader::cMessage> messages = Conversations(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(cThreader::Parents(messages));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ThreadFolder)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_SuggestAddress(benchmark::State &state)
{
    cAddressCompletion completion;
    for (int i = 0; i < 5'000; ++i) {
        const QByteArray name = "Person " + QByteArray::number(i) + " Surname" + QByteArray::number(i % 97);
        completion.AddSeen('"' + name + "\" <person" + QByteArray::number(i) + "@example.org>", 1'700'000'000 + i);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(completion.Complete(QStringLiteral("surname4"), 1'800'000'000));
}
BENCHMARK(BM_SuggestAddress)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
