#pragma once
// Finds how a server wants to be reached: tries ports and kinds of security, most secure
// first, and stops at the first that works. Nothing is sent but CAPA or EHLO, STLS or
// STARTTLS, and QUIT: no login, no password.
#include "mailproto/eVrxSecurity.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct cProbeCandidate
{
    int port = 0;
    eVrxSecurity security = eVrxSecurity::None;
};

struct cProbeResult
{
    bool found = false;
    int port = 0;
    eVrxSecurity security = eVrxSecurity::None;
    // What was tried and what came of it, a line per candidate, for the user.
    QStringList lines;
    // Set when a candidate failed only because its certificate is not trusted, so the user may
    // choose to trust that one certificate.
    QByteArray untrustedFingerprint;
    QString untrustedError;
    // SMTP: the EHLO AUTH list. POP3: the CAPA SASL list, then "APOP" when the greeting has a
    // timestamp, then "USER".
    QList<QByteArray> authMechanisms;
};

class cServerProbe
{
public:
    static QList<cProbeCandidate> Pop3Candidates();
    static QList<cProbeCandidate> SmtpCandidates();
    // Blocking; each attempt is bounded by timeoutMs.
    static cProbeResult ProbePop3(const QString &host, const QList<cProbeCandidate> &candidates,
                                  const QList<QByteArray> &trusted, int timeoutMs);
    static cProbeResult ProbeSmtp(const QString &host, const QList<cProbeCandidate> &candidates,
                                  const QList<QByteArray> &trusted, int timeoutMs);
    // "TLS on connect", "STARTTLS", "no encryption".
    static QString SecurityName(eVrxSecurity security);
};
