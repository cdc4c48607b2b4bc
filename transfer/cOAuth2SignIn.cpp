// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cOAuth2SignIn.h"

#include "transfer/cAccountStore.h"
#include "transfer/cOAuth2Client.h"
#include "transfer/cOAuth2Tokens.h"

#include <QCoreApplication>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cOAuth2SignIn)
};

QString SignInAgain(const QString &account)
{
    return cTexts::tr("Sign in again in the properties of account %1.").arg(account);
}

} // namespace

cResult cOAuth2SignIn::Freshen(cAccount &account, int timeoutMs, const std::function<bool()> &stopped)
{
    if (!account.UsesOAuth2())
        return cResult::Ok();
    const cOAuth2Tokens tokens = cOAuth2Tokens::FromSecret(account.password);
    if (!tokens.SignedIn())
        return cResult::Failed(eFailure::Refused, cTexts::tr("Account %1 is not signed in with OAuth2 yet. %2")
                                                      .arg(account.section, SignInAgain(account.section)));
    if (tokens.AccessUsable(QDateTime::currentDateTimeUtc()))
        return cResult::Ok();
    const cResultOf<cOAuth2Tokens> renewed = cOAuth2Client::RefreshNow(account.oAuth2, tokens, timeoutMs, stopped);
    if (!renewed)
        return cResult::Failed(renewed.cause(), renewed.cause() == eFailure::Refused
                                                    ? QStringLiteral("%1 %2").arg(renewed.text(), SignInAgain(account.section))
                                                    : renewed.text());
    account.password = renewed.value().ToSecret();
    if (const cResult stored = cAccountStore::StoreSignIn(account.section, account.password); !stored)
        return stored;
    return cResult::Ok();
}

QByteArray cOAuth2SignIn::AccessToken(const cAccount &account)
{
    return account.UsesOAuth2() ? cOAuth2Tokens::FromSecret(account.password).access : QByteArray();
}

QString cOAuth2SignIn::ServerRefused(const cAccount &account)
{
    cOAuth2Tokens tokens = cOAuth2Tokens::FromSecret(account.password);
    tokens.access.clear();
    const cResult stored = cAccountStore::StoreSignIn(account.section, tokens.ToSecret());
    const QString text = cTexts::tr("The server refused the OAuth2 sign-in of account %1; it is renewed at the next "
                                    "attempt. If it is refused again, sign in again in the account's properties.")
                             .arg(account.section);
    return stored ? text : text + QLatin1Char(' ') + stored.text();
}
