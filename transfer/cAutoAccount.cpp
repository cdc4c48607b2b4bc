// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAutoAccount.h"

#include "transfer/HostNames.h"
#include "transfer/cSettingsVerifier.h"

#include <QCoreApplication>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAutoAccount)
};

// Servers that take no password cannot be checked before the user has signed in: the account
// gets them with the provider's sign-in addresses, and the sign-in checks them at first use.
cAccount ForOAuth2(const cFoundSettings &settings, const cAccount &typed)
{
    cAccount account = typed;
    account.replyAddress = typed.email;
    const cServerSetting &pop3 = settings.pop3.first(), &smtp = settings.smtp.first();
    account.pop3Server = pop3.host;
    account.pop3Port = QString::number(pop3.port);
    account.pop3Security = pop3.security;
    account.userId = pop3.userName.isEmpty() ? typed.email.trimmed() : pop3.userName;
    account.smtpServer = smtp.host;
    account.smtpPort = QString::number(smtp.port);
    account.smtpSecurity = smtp.security;
    account.smtpLogin = eSmtpLogin::SameAsPop3;
    account.authentication = eAuthentication::OAuth2;
    const QString clientId = typed.oAuth2.clientId;
    account.oAuth2 = settings.oAuth2;
    account.oAuth2.clientId = clientId;
    account.password.clear();
    return account;
}

} // namespace

cResultOf<cAccount> cAutoAccount::Make(const cAccount &typed)
{
    if (typed.password.isEmpty())
        return cResult::Failed(eFailure::Refused, cTexts::tr("A password is needed to check the settings found."));
    cAccountFinder finder(fSetup);
    finder.Progress = Progress;
    finder.Stopped = Stopped;
    cSettingsVerifier verifier(fSetup.timeoutMs);
    verifier.Progress = Progress;
    verifier.Stopped = Stopped;
    cAccount verified;
    const cResultOf<cFoundSettings> found = finder.Find(typed.email, [&](const cFoundSettings &settings) {
        if (settings.NeedsOAuth2() && !typed.UsesOAuth2()) {
            verified = ForOAuth2(settings, typed);
            Progress(cTexts::tr("%1 signs in with OAuth2 instead of a password: enter the client id you registered "
                               "with the provider on the Sign-in page of the account's properties, then sign in.")
                         .arg(AddressDomain(typed.email)));
            return cResult::Ok();
        }
        const cResultOf<cAccount> tried = verifier.Verify(settings, typed);
        verified = tried.value();
        return tried.result();
    });
    if (!found)
        return found.result();
    return verified;
}
