// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the server settings of an address, trying in order: the bundled provider table, the
// provider's autoconfig file (https://autoconfig.DOMAIN/mail/config-v1.1.xml, then
// https://DOMAIN/.well-known/autoconfig/mail/config-v1.1.xml), the same two for the domain of
// the address's mail exchanger, DNS SRV records (RFC 6186), and last the usual host names
// probed as Detect does. Each source that finds settings hands them to the caller's accept
// step (a login, in practice): accepted ends the search; a refusal or a stop ends it with that
// failure; any other failure moves on to the next source.
//
// Blocking: run it on a worker thread, or in a program without windows. Progress reports
// each step in the user's words; Stopped is asked between steps and while waiting.
#include "storage/cResult.h"
#include "transfer/cFoundSettings.h"
#include "transfer/cMailDns.h"
#include "transfer/cServerProbe.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Finds how host is reached for POP3 (smtp false) or SMTP; blocking. hook runs while waiting
// and throws EVrxCancelled to stop.
using fGuessProbe = std::function<cProbeResult(const QString &host, bool smtp, const std::function<void()> &hook)>;

struct cFinderSetup
{
    // Stands in for https://autoconfig.DOMAIN and https://DOMAIN (tests); the Host header still
    // names the site asked for. Empty for the real sites.
    QString autoconfigBase;
    std::shared_ptr<cMailDns> dns;
    fGuessProbe guess;
    // The provider table's text; empty for the bundled one.
    QByteArray providerTable;
    int timeoutMs = 10000;
};

class cAccountFinder
{
public:
    using fAccept = std::function<cResult(const cFoundSettings &found)>;

    explicit cAccountFinder(cFinderSetup setup);
    // The real places to look, RAVELIN_AUTOCONFIG_URL standing in for the autoconfig sites.
    static cFinderSetup SystemSetup(int timeoutMs);

    // The settings accepted; else why none were.
    cResultOf<cFoundSettings> Find(const QString &address, const fAccept &accept);

    std::function<void(const QString &step)> Progress = [](const QString &) {};
    std::function<bool()> Stopped = [] { return false; };

private:
    // The outcome of one source: nothing found, or what accept said of what was found.
    using cTried = std::optional<cResultOf<cFoundSettings>>;

    cTried offer(const std::optional<cFoundSettings> &found, const fAccept &accept);
    cTried fromTable(const QString &address, const QString &domain, const fAccept &accept);
    cTried fromAutoconfig(const QString &address, const QString &domain, const fAccept &accept);
    cTried fromFile(const QString &address, const QUrl &url, const QString &site, const fAccept &accept);
    cTried fromMailExchanger(const QString &address, const QString &domain, const fAccept &accept);
    cTried fromSrv(const QString &domain, const QString &address, const fAccept &accept);
    cTried fromGuess(const QString &domain, const QString &address, const fAccept &accept);
    QList<cServerSetting> srvServers(const QString &domain, const char *secureService, const char *plainService,
                                     const QString &userName);
    std::optional<cServerSetting> guessed(const QStringList &hosts, bool smtp, const QString &userName);
    bool stopped() const;

    cFinderSetup fSetup;
};
