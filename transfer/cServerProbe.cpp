// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cServerProbe.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cServerProbe)
};

} // namespace

using namespace Qt::StringLiterals;

namespace {

struct cOffered
{
    QList<QByteArray> logins;
    bool loginRequired = false;
};

// Connects, asks what the server offers and quits; nothing when the connection failed.
template<typename Client, typename Ask>
std::optional<cOffered> Attempt(Client &client, QString &error, Ask ask)
{
    QObject::connect(&client, &Client::OnError, [&error](const TVrxFailure &failure) {
        if (error.isEmpty())
            error = failure.Message();
    });
    client.Connect();
    if (!client.Connected()) {
        if (error.isEmpty())
            error = client.LastFailure().Text;
        return std::nullopt;
    }
    cOffered offered = ask(client);
    client.Quit();
    return offered;
}

template<typename Client, typename Ask>
cProbeResult Probe(const QString &host, const QList<cProbeCandidate> &candidates, const QList<QByteArray> &trusted,
                   int timeoutMs, const std::function<void()> &hook, Ask ask)
{
    cProbeResult result;
    for (const cProbeCandidate &candidate : candidates) {
        Client client;
        client.Host = host;
        client.Port = QString::number(candidate.port);
        client.Security = candidate.security;
        client.TrustedCertificates = trusted;
        client.ReplyTimeout = timeoutMs;
        client.MessageQueueHook = hook;
        QString error;
        const auto offered = Attempt(client, error, ask);
        const QString tried = cTexts::tr("Port %1, %2: ").arg(candidate.port).arg(cServerProbe::SecurityName(candidate.security));
        if (offered) {
            result.found = true;
            result.port = candidate.port;
            result.security = candidate.security;
            result.authMechanisms = offered->logins;
            result.loginRequired = offered->loginRequired;
            result.lines.append(tried + cTexts::tr("works; logins offered: %1").arg(offered->logins.isEmpty()
                                                                               ? u"none"_s
                                                                               : QString::fromLatin1(offered->logins.join(' '))));
            if (offered->loginRequired)
                result.lines.append(cTexts::tr("The server takes mail only after a login."));
            return result;
        }
        if (result.untrusted.IsEmpty())
            result.untrusted = cUntrustedCertificate::Of(client, QString(), error);
        result.lines.append(tried + error);
    }
    return result;
}

cOffered Pop3Logins(TVrxPOP &pop)
{
    pop.Capabilities();
    QList<QByteArray> logins = pop.SaslMechanisms();
    if (!pop.ApopTimestamp().isEmpty())
        logins.append("APOP");
    logins.append("USER");
    return {logins};
}

// A server without AUTH cannot want a login; one with it may still take mail without (a
// relay for its own network), so an empty MAIL asks (RFC 4954 section 6: 530).
cOffered SmtpLogins(TVrxSMTP &smtp)
{
    const QList<QByteArray> logins = smtp.Extensions().AuthMechanisms;
    if (logins.isEmpty())
        return {logins};
    const QByteArray reply = smtp.TrySender("<>");
    return {logins, reply == "530"};
}

} // namespace

QList<cProbeCandidate> cServerProbe::Pop3Candidates()
{
    return {{995, eVrxSecurity::Tls}, {110, eVrxSecurity::StartTls}, {110, eVrxSecurity::None}};
}

QList<cProbeCandidate> cServerProbe::SmtpCandidates()
{
    return {{465, eVrxSecurity::Tls},
            {587, eVrxSecurity::StartTls},
            {25, eVrxSecurity::StartTls},
            {587, eVrxSecurity::None},
            {25, eVrxSecurity::None}};
}

QList<cProbeCandidate> cServerProbe::TypedPortFirst(const QString &typedPort, const QList<cProbeCandidate> &usual)
{
    bool isNumber = false;
    const int port = typedPort.trimmed().toInt(&isNumber);
    const bool usualPort = std::ranges::any_of(usual, [port](const cProbeCandidate &c) { return c.port == port; });
    if (!isNumber || port < 1 || port > 65535 || usualPort)
        return usual;
    QList<cProbeCandidate> candidates;
    for (const eVrxSecurity security : {eVrxSecurity::Tls, eVrxSecurity::StartTls, eVrxSecurity::None}) {
        candidates.append({port, security});
        for (const cProbeCandidate &candidate : usual)
            if (candidate.security == security)
                candidates.append(candidate);
    }
    return candidates;
}

cProbeResult cServerProbe::ProbePop3(const QString &host, const QList<cProbeCandidate> &candidates,
                                     const QList<QByteArray> &trusted, int timeoutMs, const std::function<void()> &hook)
{
    return Probe<TVrxPOP>(host, candidates, trusted, timeoutMs, hook, Pop3Logins);
}

cProbeResult cServerProbe::ProbeSmtp(const QString &host, const QList<cProbeCandidate> &candidates,
                                     const QList<QByteArray> &trusted, int timeoutMs, const std::function<void()> &hook)
{
    return Probe<TVrxSMTP>(host, candidates, trusted, timeoutMs, hook, SmtpLogins);
}

eSmtpLogin cServerProbe::SmtpLoginFor(const cProbeResult &found, eSmtpLogin current)
{
    if (!found.found)
        return current;
    if (found.authMechanisms.isEmpty())
        return eSmtpLogin::None;
    const bool submission = found.port == 465 || found.port == 587;
    if (!found.loginRequired && !submission)
        return current;
    return current == eSmtpLogin::Own ? current : eSmtpLogin::SameAsPop3;
}

QString cServerProbe::SecurityName(eVrxSecurity security)
{
    switch (security) {
    case eVrxSecurity::Tls: return cTexts::tr("TLS on connect");
    case eVrxSecurity::StartTls: return u"STARTTLS"_s;
    case eVrxSecurity::None: break;
    }
    return cTexts::tr("no encryption");
}
