// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds how a server wants to be reached: tries ports and kinds of security, most secure
// first, and stops at the first that works. Nothing is sent but CAPA or EHLO, STLS or
// STARTTLS, for SMTP an empty MAIL and RSET (does it take mail without a login?), and QUIT:
// no login, no password, no message.
#include "mailproto/eVrxSecurity.h"
#include "transfer/cAccount.h"
#include "transfer/cUntrustedCertificate.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
    cUntrustedCertificate untrusted;
    // SMTP: the EHLO AUTH list. POP3: the CAPA SASL list, then "APOP" when the greeting has a
    // timestamp, then "USER".
    QList<QByteArray> authMechanisms;
    // SMTP: the server offers AUTH and refused MAIL from a client that had not logged in.
    bool loginRequired = false;
};

class cServerProbe
{
public:
    static QList<cProbeCandidate> Pop3Candidates();
    static QList<cProbeCandidate> SmtpCandidates();
    // The usual candidates with the port the user typed ahead of the others of each kind of
    // security, so that a secure way in still wins over a plain one; a usual port or one that
    // is no port changes nothing.
    static QList<cProbeCandidate> TypedPortFirst(const QString &typedPort, const QList<cProbeCandidate> &usual);
    // Blocking; each attempt is bounded by timeoutMs. hook runs while waiting, as the clients'
    // MessageQueueHook: it may throw EVrxCancelled to stop.
    static cProbeResult ProbePop3(const QString &host, const QList<cProbeCandidate> &candidates,
                                  const QList<QByteArray> &trusted, int timeoutMs,
                                  const std::function<void()> &hook = {});
    static cProbeResult ProbeSmtp(const QString &host, const QList<cProbeCandidate> &candidates,
                                  const QList<QByteArray> &trusted, int timeoutMs,
                                  const std::function<void()> &hook = {});
    // The SMTP login an account needs with the server found: none without AUTH; with AUTH a
    // login when the server asked for one or listens on a submission port (RFC 6409), keeping
    // the user's own login; else the current choice, as a server may refuse only later.
    static eSmtpLogin SmtpLoginFor(const cProbeResult &found, eSmtpLogin current);
    // "TLS on connect", "STARTTLS", "no encryption".
    static QString SecurityName(eVrxSecurity security);
};
