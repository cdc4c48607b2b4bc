// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/AccountFieldChecks.h"

#include "transfer/cAccount.h"
#include "transfer/cAccountStore.h"

#include <QCoreApplication>

namespace {
struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(AccountFieldChecks)
};
} // namespace

QString AccountNameProblem(const QString &name)
{
    // An empty section name is no account a list could show or a session could pick.
    if (name.trimmed().isEmpty())
        return cTexts::tr("Account name: please enter a name for the account.");
    if (!cAccountStore::IsStorableAccountName(name))
        return cTexts::tr("An account name cannot contain \"]\" or a line break.");
    return {};
}

QString PortProblem(const QString &field, const QString &text)
{
    if (cAccount::PortNumber(text))
        return {};
    return cTexts::tr("%1: \"%2\" is not a port number. Please enter a number from 1 to 65535.").arg(field, text);
}

QString SmtpUserProblem(eSmtpLogin login, const QString &user)
{
    if (login != eSmtpLogin::Own || !user.trimmed().isEmpty())
        return {};
    return cTexts::tr("SMTP user name: please enter the user name for the SMTP login, or choose another login.");
}
