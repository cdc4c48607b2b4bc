// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cQtMailDns.h"

#include "transfer/StoppableWait.h"

#include <QDnsLookup>

#include <algorithm>

namespace {

bool Resolve(QDnsLookup &lookup, int timeoutMs, const std::function<bool()> &stopped)
{
    const bool done = WaitUntil(&lookup, &QDnsLookup::finished, [&lookup] { lookup.lookup(); }, timeoutMs, stopped);
    if (!done)
        lookup.abort();
    return done && lookup.error() == QDnsLookup::NoError;
}

} // namespace

QList<cSrvAnswer> cQtMailDns::Srv(const QString &name)
{
    QDnsLookup lookup(QDnsLookup::SRV, name);
    QList<cSrvAnswer> answers;
    if (!Resolve(lookup, fTimeoutMs, Stopped))
        return answers;
    // QDnsLookup sorts SRV records by priority and weight already.
    for (const QDnsServiceRecord &record : lookup.serviceRecords())
        answers.append({record.target(), record.port(), record.priority(), record.weight()});
    return answers;
}

QStringList cQtMailDns::MxHosts(const QString &domain)
{
    QDnsLookup lookup(QDnsLookup::MX, domain);
    QStringList hosts;
    if (!Resolve(lookup, fTimeoutMs, Stopped))
        return hosts;
    QList<QDnsMailExchangeRecord> records = lookup.mailExchangeRecords();
    std::stable_sort(records.begin(), records.end(), [](const auto &a, const auto &b) {
        return a.preference() < b.preference();
    });
    for (const QDnsMailExchangeRecord &record : records)
        hosts.append(record.exchange());
    return hosts;
}
