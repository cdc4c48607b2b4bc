// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cAutoAccountCommand.h"

#include "cli/cCliCommands.h"
#include "transfer/cAccountStore.h"
#include "transfer/cAutoAccount.h"

namespace {
const QStringList kValueOptions{QStringLiteral("--auto"), QStringLiteral("--password"), QStringLiteral("--name"),
                                QStringLiteral("--oauth2-client-id")};
} // namespace

QString cAutoAccountCommand::Usage()
{
    return QStringLiteral(
        "  add-account [NAME] --auto ADDRESS --password PASSWORD [--name DISPLAY-NAME] [--default]\n"
        "              [--allow-plain-password] [--keyring] [--oauth2-client-id ID]\n"
        "                                   find the servers of the address (provider table, autoconfig, DNS, usual\n"
        "                                   names), log in to check them and write the account (named after the\n"
        "                                   address unless NAME is given); the first account becomes the default.\n"
        "                                   A provider that takes only OAuth2 gives an account to sign-in with ID\n");
}

QString cAutoAccountCommand::Parse(const QStringList &arguments, cAccount &typed, bool &makeDefault)
{
    QStringList rest = arguments;
    if (!rest.isEmpty() && !rest.first().startsWith(QLatin1String("--")))
        typed.section = rest.takeFirst();
    typed.allowPasswordInClear = false;
    while (!rest.isEmpty()) {
        const QString option = rest.takeFirst();
        if (option == QLatin1String("--default"))
            makeDefault = true;
        else if (option == QLatin1String("--allow-plain-password"))
            typed.allowPasswordInClear = true;
        else if (option == QLatin1String("--keyring"))
            typed.passwordInKeyring = true;
        else if (!kValueOptions.contains(option))
            return QStringLiteral("add-account --auto does not take \"%1\".").arg(option);
        else if (rest.isEmpty())
            return QStringLiteral("%1 needs a value.").arg(option);
        else if (option == QLatin1String("--auto"))
            typed.email = rest.takeFirst();
        else if (option == QLatin1String("--oauth2-client-id"))
            typed.oAuth2.clientId = rest.takeFirst();
        else if (option == QLatin1String("--password"))
            typed.password = rest.takeFirst().toUtf8();
        else
            typed.name = rest.takeFirst();
    }
    if (typed.email.isEmpty() || typed.password.isEmpty())
        return QStringLiteral("add-account --auto needs an address and --password.");
    if (typed.section.isEmpty())
        typed.section = typed.email.trimmed();
    return {};
}

int cAutoAccountCommand::Run(const QStringList &arguments)
{
    cAccount typed;
    bool makeDefault = false;
    if (const QString wrong = Parse(arguments, typed, makeDefault); !wrong.isEmpty())
        return fCli.Misuse(wrong);
    if (!cAccountStore::IsStorableAccountName(typed.section))
        return fCli.Misuse(QStringLiteral("\"%1\" cannot be an account name.").arg(typed.section));
    cAutoAccount maker(cAccountFinder::SystemSetup(cAutoAccount::kDefaultTimeoutMs));
    maker.Progress = [this](const QString &step) {
        fCli.fOut << step << "\n";
        fCli.fOut.flush();
    };
    const cResultOf<cAccount> made = maker.Make(typed);
    if (!made) {
        fCli.fErr << "ravelin-cli: " << made.text() << "\n";
        return 1;
    }
    return Save(made.value(), makeDefault || cAccountStore::GetDefaultAccountName().isEmpty());
}

int cAutoAccountCommand::Save(const cAccount &account, bool makeDefault)
{
    cResult written = cAccountStore::WriteAccount(account);
    if (written && makeDefault)
        written = cAccountStore::SetDefaultAccountName(account.section);
    if (!written) {
        fCli.fErr << "ravelin-cli: " << written.text() << "\n";
        return 1;
    }
    fCli.fOut << "Account \"" << account.section << "\" saved: POP3 " << account.pop3Server << ':' << account.pop3Port
              << ", SMTP " << account.smtpServer << ':' << account.smtpPort << "\n";
    return 0;
}
