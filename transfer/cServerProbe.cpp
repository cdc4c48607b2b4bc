#include "transfer/cServerProbe.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Connects, asks what the server offers and quits; the logins offered, or none on failure.
template<typename Client, typename Ask>
std::optional<QList<QByteArray>> Attempt(Client &client, QString &error, Ask ask)
{
    QObject::connect(&client, &Client::OnError, [&error](int, const QByteArray &text) {
        if (error.isEmpty())
            error = QString::fromUtf8(text);
    });
    client.Connect();
    if (!client.Connected()) {
        if (error.isEmpty())
            error = client.LastErrorText();
        return std::nullopt;
    }
    QList<QByteArray> offered = ask(client);
    client.Quit();
    return offered;
}

template<typename Client, typename Ask>
cProbeResult Probe(const QString &host, const QList<cProbeCandidate> &candidates, const QList<QByteArray> &trusted,
                   int timeoutMs, Ask ask)
{
    cProbeResult result;
    for (const cProbeCandidate &candidate : candidates) {
        Client client;
        client.Host = host;
        client.Port = QString::number(candidate.port);
        client.Security = candidate.security;
        client.TrustedCertificates = trusted;
        client.ReplyTimeout = timeoutMs;
        QString error;
        const auto offered = Attempt(client, error, ask);
        const QString tried = u"Port %1, %2: "_s.arg(candidate.port).arg(cServerProbe::SecurityName(candidate.security));
        if (offered) {
            result.found = true;
            result.port = candidate.port;
            result.security = candidate.security;
            result.authMechanisms = *offered;
            result.lines.append(tried + u"works; logins offered: %1"_s.arg(
                                            offered->isEmpty() ? u"none"_s : QString::fromLatin1(offered->join(' '))));
            return result;
        }
        if (client.CertificateRejected() && result.untrustedFingerprint.isEmpty()) {
            result.untrustedFingerprint = client.PeerFingerprint();
            result.untrustedError = error;
        }
        result.lines.append(tried + error);
    }
    return result;
}

QList<QByteArray> Pop3Logins(TVrxPOP &pop)
{
    pop.Capabilities();
    QList<QByteArray> logins = pop.SaslMechanisms();
    if (!pop.ApopTimestamp().isEmpty())
        logins.append("APOP");
    logins.append("USER");
    return logins;
}

QList<QByteArray> SmtpLogins(TVrxSMTP &smtp)
{
    return smtp.Extensions().AuthMechanisms;
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

cProbeResult cServerProbe::ProbePop3(const QString &host, const QList<cProbeCandidate> &candidates,
                                     const QList<QByteArray> &trusted, int timeoutMs)
{
    return Probe<TVrxPOP>(host, candidates, trusted, timeoutMs, Pop3Logins);
}

cProbeResult cServerProbe::ProbeSmtp(const QString &host, const QList<cProbeCandidate> &candidates,
                                     const QList<QByteArray> &trusted, int timeoutMs)
{
    return Probe<TVrxSMTP>(host, candidates, trusted, timeoutMs, SmtpLogins);
}

QString cServerProbe::SecurityName(eVrxSecurity security)
{
    switch (security) {
    case eVrxSecurity::Tls: return u"TLS on connect"_s;
    case eVrxSecurity::StartTls: return u"STARTTLS"_s;
    case eVrxSecurity::None: break;
    }
    return u"no encryption"_s;
}
