// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DNS answers the account finder needs, behind an interface so that tests can feed their
// own: SRV records (RFC 2782) and the mail exchangers of a domain. Blocking; a stopped or
// failed look-up answers nothing.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct cSrvAnswer
{
    QString target;
    int port = 0;
    int priority = 0;
    int weight = 0;
};

class cMailDns
{
public:
    virtual ~cMailDns() = default;
    // The records of name ("_pop3s._tcp.example.com") in the order to try them.
    virtual QList<cSrvAnswer> Srv(const QString &name) = 0;
    // The mail exchangers of domain, most preferred first.
    virtual QStringList MxHosts(const QString &domain) = 0;
    // Called while waiting; true ends the wait.
    std::function<bool()> Stopped = [] { return false; };
};
