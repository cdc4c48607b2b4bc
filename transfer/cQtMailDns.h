// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's resolver through QDnsLookup, waited for on the calling thread (which needs no
// event loop of its own running), each look-up bounded by a time-out.
#include "transfer/cMailDns.h"

class cQtMailDns : public cMailDns
{
public:
    explicit cQtMailDns(int timeoutMs) : fTimeoutMs(timeoutMs) {}

    QList<cSrvAnswer> Srv(const QString &name) override;
    QStringList MxHosts(const QString &domain) override;

private:
    int fTimeoutMs;
};
