// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAccountFinder.h"

#include "mailproto/EVrxCancelled.h"
#include "transfer/HostNames.h"
#include "transfer/cAutoconfig.h"
#include "transfer/cAutoconfigFetch.h"
#include "transfer/cQtMailDns.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAccountFinder)
};

const QString kAutoconfigPath = QStringLiteral("/mail/config-v1.1.xml");
const QString kWellKnownPath = QStringLiteral("/.well-known/autoconfig/mail/config-v1.1.xml");

cResult StoppedSearch(const QString &address)
{
    return cResult::Failed(eFailure::Cancelled, cTexts::tr("The search for the settings of %1 was stopped.").arg(address));
}

} // namespace

cAccountFinder::cAccountFinder(cFinderSetup setup) : fSetup(std::move(setup)) {}

cFinderSetup cAccountFinder::SystemSetup(int timeoutMs)
{
    cFinderSetup setup;
    setup.autoconfigBase = qEnvironmentVariable("RAVELIN_AUTOCONFIG_URL");
    setup.dns = std::make_shared<cQtMailDns>(timeoutMs);
    setup.guess = [timeoutMs](const QString &host, bool smtp, const std::function<void()> &hook) {
        return smtp ? cServerProbe::ProbeSmtp(host, cServerProbe::SmtpCandidates(), {}, timeoutMs, hook)
                    : cServerProbe::ProbePop3(host, cServerProbe::Pop3Candidates(), {}, timeoutMs, hook);
    };
    setup.timeoutMs = timeoutMs;
    return setup;
}

bool cAccountFinder::stopped() const
{
    return Stopped && Stopped();
}

cResultOf<cFoundSettings> cAccountFinder::Find(const QString &address, const fAccept &accept)
{
    const QString domain = AddressDomain(address);
    if (domain.isEmpty())
        return cResult::Failed(eFailure::Refused, QStringLiteral("\"%1\" is no e-mail address.").arg(address.trimmed()));
    const QString typed = address.trimmed();
    fSetup.dns->Stopped = [this] { return stopped(); };
    const std::function<cTried()> sources[] = {
        [&] { return fromTable(typed, domain, accept); },
        [&] { return fromAutoconfig(typed, domain, accept); },
        [&] { return fromMailExchanger(typed, domain, accept); },
        [&] { return fromSrv(domain, typed, accept); },
        [&] { return fromGuess(domain, typed, accept); },
    };
    for (const auto &source : sources) {
        if (stopped())
            return StoppedSearch(typed);
        if (cTried tried = source())
            return *tried;
    }
    if (stopped())
        return StoppedSearch(typed);
    return cResult::Failed(eFailure::Network, cTexts::tr("No working settings were found for %1.").arg(typed));
}

cAccountFinder::cTried cAccountFinder::offer(const std::optional<cFoundSettings> &found, const fAccept &accept)
{
    if (!found)
        return std::nullopt;
    for (const QString &note : found->notes)
        Progress(note);
    Progress(cTexts::tr("Found settings in %1.").arg(found->source));
    const cResult accepted = accept(*found);
    if (accepted)
        return cResultOf<cFoundSettings>(*found);
    Progress(accepted.text());
    if (accepted.cause() == eFailure::Refused || accepted.cause() == eFailure::Cancelled)
        return cResultOf<cFoundSettings>(accepted);
    return std::nullopt;
}

cAccountFinder::cTried cAccountFinder::fromTable(const QString &address, const QString &domain, const fAccept &accept)
{
    Progress(cTexts::tr("Looking for %1 in the provider table.").arg(domain));
    const cResultOf<cAutoconfig> table = fSetup.providerTable.isEmpty()
                                             ? cAutoconfig::ProviderTable()
                                             : cAutoconfig::Parse(fSetup.providerTable, cTexts::tr("the provider table"));
    if (!table) {
        Progress(table.text());
        return std::nullopt;
    }
    return offer(table.value().SettingsFor(address, domain, false), accept);
}

cAccountFinder::cTried cAccountFinder::fromAutoconfig(const QString &address, const QString &domain,
                                                      const fAccept &accept)
{
    const bool standIn = !fSetup.autoconfigBase.isEmpty();
    const QString autoconfigSite = QStringLiteral("autoconfig.") + domain;
    QUrl first(standIn ? fSetup.autoconfigBase : QStringLiteral("https://") + autoconfigSite);
    first.setPath(first.path() + kAutoconfigPath);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("emailaddress"), QString::fromLatin1(QUrl::toPercentEncoding(address)));
    first.setQuery(query);
    if (cTried tried = fromFile(address, first, standIn ? autoconfigSite : QString(), accept))
        return tried;
    if (stopped())
        return std::nullopt;
    QUrl second(standIn ? fSetup.autoconfigBase : QStringLiteral("https://") + domain);
    second.setPath(second.path() + kWellKnownPath);
    return fromFile(address, second, standIn ? domain : QString(), accept);
}

cAccountFinder::cTried cAccountFinder::fromFile(const QString &address, const QUrl &url, const QString &site,
                                                const fAccept &accept)
{
    const QString shown = site.isEmpty() ? url.toDisplayString() : cTexts::tr("%1 (for %2)").arg(url.toDisplayString(), site);
    Progress(cTexts::tr("Asking %1.").arg(shown));
    const cResultOf<QByteArray> file = cAutoconfigFetch::Get(url, site, fSetup.timeoutMs, Stopped);
    if (!file) {
        Progress(file.text());
        return std::nullopt;
    }
    const cResultOf<cAutoconfig> config = cAutoconfig::Parse(file.value(), shown);
    if (!config) {
        Progress(config.text());
        return std::nullopt;
    }
    const std::optional<cFoundSettings> found = config.value().SettingsFor(address, AddressDomain(address), true);
    if (!found)
        Progress(cTexts::tr("%1 names no usable POP3 and SMTP servers.").arg(shown));
    return offer(found, accept);
}

cAccountFinder::cTried cAccountFinder::fromMailExchanger(const QString &address, const QString &domain,
                                                         const fAccept &accept)
{
    Progress(cTexts::tr("Asking DNS for the mail exchanger of %1.").arg(domain));
    const QStringList hosts = fSetup.dns->MxHosts(domain);
    const QString host = hosts.value(0);
    if (!IsHostName(host)) {
        Progress(cTexts::tr("%1 names no mail exchanger.").arg(domain));
        return std::nullopt;
    }
    const QString mxDomain = MailDomainOf(host);
    if (mxDomain == domain)
        return std::nullopt;
    Progress(cTexts::tr("Mail for %1 goes to %2.").arg(domain, mxDomain));
    if (cTried tried = fromTable(address, mxDomain, accept))
        return tried;
    return stopped() ? std::nullopt : fromAutoconfig(address, mxDomain, accept);
}

QList<cServerSetting> cAccountFinder::srvServers(const QString &domain, const char *secureService,
                                                 const char *plainService, const QString &userName)
{
    QList<cServerSetting> servers;
    const std::pair<const char *, eVrxSecurity> services[] = {{secureService, eVrxSecurity::Tls},
                                                              {plainService, eVrxSecurity::StartTls}};
    for (const auto &[service, security] : services) {
        const QString name = QStringLiteral("_%1._tcp.%2").arg(QLatin1String(service), domain);
        Progress(cTexts::tr("Asking DNS for %1.").arg(name));
        for (const cSrvAnswer &answer : fSetup.dns->Srv(name)) {
            // "." says the service is not offered (RFC 6186 section 3.4).
            const bool offered = answer.target != QLatin1String(".") && IsHostName(answer.target);
            if (offered && answer.port >= 1 && answer.port <= 65535)
                servers.append({answer.target.toLower(), answer.port, security, userName});
        }
    }
    return servers;
}

cAccountFinder::cTried cAccountFinder::fromSrv(const QString &domain, const QString &address, const fAccept &accept)
{
    cFoundSettings found;
    found.source = cTexts::tr("the DNS SRV records of %1").arg(domain);
    found.pop3 = srvServers(domain, "pop3s", "pop3", address);
    if (found.pop3.isEmpty() || stopped())
        return std::nullopt;
    found.smtp = srvServers(domain, "submissions", "submission", address);
    return found.smtp.isEmpty() ? std::nullopt : offer(found, accept);
}

std::optional<cServerSetting> cAccountFinder::guessed(const QStringList &hosts, bool smtp, const QString &userName)
{
    for (const QString &host : hosts) {
        if (stopped())
            return std::nullopt;
        Progress(cTexts::tr("Trying %1 for %2.").arg(host, smtp ? QStringLiteral("SMTP") : QStringLiteral("POP3")));
        try {
            const cProbeResult probed = fSetup.guess(host, smtp, [this] {
                if (stopped())
                    throw EVrxCancelled();
            });
            if (probed.found)
                return cServerSetting{host, probed.port, probed.security, userName};
        } catch (const EVrxCancelled &) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

cAccountFinder::cTried cAccountFinder::fromGuess(const QString &domain, const QString &address, const fAccept &accept)
{
    const auto names = [&domain](std::initializer_list<const char *> prefixes) {
        QStringList hosts;
        for (const char *prefix : prefixes)
            hosts.append(QLatin1String(prefix) + domain);
        return hosts;
    };
    const std::optional<cServerSetting> pop3 = guessed(names({"pop.", "pop3.", "mail."}), false, address);
    if (!pop3)
        return std::nullopt;
    const std::optional<cServerSetting> smtp = guessed(names({"smtp.", "mail."}), true, address);
    if (!smtp)
        return std::nullopt;
    return offer(cFoundSettings{cTexts::tr("the usual server names of %1").arg(domain), {*pop3}, {*smtp}, {}}, accept);
}
