// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cSettingsVerifier.h"

#include "mailproto/EVrxCancelled.h"
#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"
#include "transfer/ProtocolFailure.h"
#include "transfer/cGetSession.h"
#include "transfer/cOAuth2SignIn.h"
#include "transfer/cSendSession.h"
#include "transfer/cServerProbe.h"

#include <QCoreApplication>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cSettingsVerifier)
};

// RFC 4954 section 6: the credentials, the mechanism or the missing encryption were refused.
bool IsLoginRefusal(const QByteArray &code)
{
    return code == "534" || code == "535" || code == "538";
}

QString ServerName(const QString &host, int port, eVrxSecurity security)
{
    return QStringLiteral("%1:%2 (%3)").arg(host).arg(port).arg(cServerProbe::SecurityName(security));
}

// The first failure the client reported; a failed QUIT after it would hide the reason.
void Collect(TVrxClient &client, TVrxFailure &error)
{
    QObject::connect(&client, &TVrxClient::OnError, &client, [&error](const TVrxFailure &failure) {
        if (!error.Failed())
            error = failure;
    });
}

// What went wrong, with the server named: the first failure reported, else the last one.
QString Reason(const QString &where, const TVrxFailure &error, const TVrxClient &client, eMailProtocol protocol)
{
    return QStringLiteral("%1: %2").arg(where, FailureResult(error.Failed() ? error : client.LastFailure(), protocol).text());
}

QString UserOf(const cServerSetting &server, const cAccount &typed)
{
    return server.userName.isEmpty() ? typed.email.trimmed() : server.userName;
}

// A refused access token is not renewed by trying again: only a new sign-in helps.
QString SignInAgain(const cAccount &account)
{
    return account.UsesOAuth2() ? cTexts::tr(" The server did not accept the OAuth2 sign-in: sign in again.") : QString();
}

} // namespace

cResultOf<cAccount> cSettingsVerifier::Verify(const cFoundSettings &found, const cAccount &typed)
{
    cAccount account = typed;
    account.replyAddress = typed.email;
    if (cResult signIn = cOAuth2SignIn::Freshen(account, fTimeoutMs, Stopped); !signIn)
        return signIn;
    try {
        if (cResult pop3 = verifyPop3(found.pop3, account); !pop3)
            return pop3;
        if (cResult smtp = verifySmtp(found.smtp, account); !smtp)
            return smtp;
    } catch (const EVrxCancelled &) {
        return cResult::Failed(eFailure::Cancelled, cTexts::tr("The check of the settings was stopped."));
    }
    return account;
}

void cSettingsVerifier::prepare(TVrxClient &client) const
{
    client.ReplyTimeout = fTimeoutMs;
    client.MessageQueueHook = [this] {
        if (Stopped && Stopped())
            throw EVrxCancelled();
    };
}

cResult cSettingsVerifier::verifyPop3(const QList<cServerSetting> &servers, cAccount &account)
{
    return firstWorking(servers, QStringLiteral("POP3"), [&](const cServerSetting &server) {
        account.pop3Server = server.host;
        account.pop3Port = QString::number(server.port);
        account.pop3Security = server.security;
        account.userId = UserOf(server, account);
        account.pop3Login = ePop3Login::UserPass;
        Progress(cTexts::tr("Logging in to the POP3 server %1 as %2.")
                     .arg(ServerName(server.host, server.port, server.security), account.userId));
        return tryPop3(account);
    });
}

cResult cSettingsVerifier::firstWorking(const QList<cServerSetting> &servers, const QString &protocol,
                                        const std::function<cResult(const cServerSetting &)> &attempt)
{
    QStringList failures;
    for (const cServerSetting &server : servers) {
        const cResult tried = attempt(server);
        if (tried || tried.cause() == eFailure::Refused)
            return tried;
        Progress(tried.text());
        failures.append(tried.text());
    }
    return cResult::Failed(eFailure::Network,
                           cTexts::tr("No %1 server could be reached: %2").arg(protocol, failures.join(u' ')));
}

cResult cSettingsVerifier::tryPop3(const cAccount &account)
{
    TVrxPOP pop;
    cGetSession::Configure(pop, account);
    prepare(pop);
    TVrxFailure error;
    Collect(pop, error);
    const QString where = ServerName(account.pop3Server, account.Pop3PortNumber(), account.pop3Security);
    pop.Connect();
    if (!pop.Connected())
        return cResult::Failed(eFailure::Network, Reason(where, error, pop, eMailProtocol::Pop3));
    if (!pop.Login()) {
        const eFailure cause = error.Code == eVrxFailure::Login ? eFailure::Refused : eFailure::Network;
        return cResult::Failed(cause, cTexts::tr("The POP3 server %1 refused the login as \"%2\": %3%4")
                                          .arg(where, account.userId, error.Message(), SignInAgain(account)));
    }
    pop.Quit();
    return cResult::Ok();
}

cResult cSettingsVerifier::verifySmtp(const QList<cServerSetting> &servers, cAccount &account)
{
    return firstWorking(servers, QStringLiteral("SMTP"), [&](const cServerSetting &server) {
        account.smtpServer = server.host;
        account.smtpPort = QString::number(server.port);
        account.smtpSecurity = server.security;
        const QString user = UserOf(server, account);
        account.smtpLogin = user == account.userId ? eSmtpLogin::SameAsPop3 : eSmtpLogin::Own;
        account.smtpUserId = account.smtpLogin == eSmtpLogin::Own ? user : QString();
        account.smtpPassword = account.smtpLogin == eSmtpLogin::Own && !account.UsesOAuth2() ? account.password : QByteArray();
        Progress(cTexts::tr("Logging in to the SMTP server %1 as %2.")
                     .arg(ServerName(server.host, server.port, server.security), user));
        return trySmtp(account);
    });
}

cResult cSettingsVerifier::trySmtp(cAccount &account)
{
    TVrxSMTP smtp;
    cSendSession::Configure(smtp, account);
    prepare(smtp);
    TVrxFailure error;
    Collect(smtp, error);
    const QString where = ServerName(account.smtpServer, account.SmtpPortNumber(), account.smtpSecurity);
    smtp.Connect();
    if (smtp.Connected()) {
        smtp.Quit();
        return cResult::Ok();
    }
    // Relays and local servers often take mail without a login: EHLO has shown the server works.
    if (error.Code == eVrxFailure::Login && smtp.Extensions().AuthMechanisms.isEmpty()) {
        account.smtpLogin = eSmtpLogin::None;
        account.smtpUserId.clear();
        account.smtpPassword.clear();
        Progress(cTexts::tr("The SMTP server %1 asks for no login; mail will be sent without one.").arg(where));
        return cResult::Ok();
    }
    if (IsLoginRefusal(error.ReplyStatus()))
        return cResult::Failed(eFailure::Refused, cTexts::tr("The SMTP server %1 refused the login as \"%2\": %3 %4%5")
                                                      .arg(where, account.SmtpLoginUser(), QString::fromLatin1(error.ReplyStatus()),
                                                           error.ReplyText(), SignInAgain(account)));
    return cResult::Failed(eFailure::Network, Reason(where, error, smtp, eMailProtocol::Smtp));
}
