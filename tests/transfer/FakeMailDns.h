// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// DNS answers for tests: SRV records and mail exchangers by name; every question is kept.
#include "transfer/cMailDns.h"

#include <QMap>

class cFakeMailDns : public cMailDns
{
public:
    QList<cSrvAnswer> Srv(const QString &name) override
    {
        fAsked.append(name);
        return fSrv.value(name);
    }
    QStringList MxHosts(const QString &domain) override
    {
        fAsked.append(QStringLiteral("MX ") + domain);
        return fMx.value(domain);
    }

    QMap<QString, QList<cSrvAnswer>> fSrv;
    QMap<QString, QStringList> fMx;
    QStringList fAsked;
};
