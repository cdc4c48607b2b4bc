// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cSignInCommand.h"

#include "cli/cCliCommands.h"
#include "transfer/StoppableWait.h"
#include "transfer/cAccountStore.h"
#include "transfer/cOAuth2Client.h"

QString cSignInCommand::Usage()
{
    return QStringLiteral("  sign-in ACCOUNT                  sign an OAuth2 account in: open the address printed in a browser on\n"
                          "                                   this machine and sign in with the provider\n");
}

int cSignInCommand::Run(const QString &name)
{
    const auto fail = [this](const QString &text) {
        fCli.fErr << "ravelin-cli: " << text << "\n";
        return 1;
    };
    QString section;
    for (const QString &known : cAccountStore::AccountNames())
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            section = known;
    if (section.isEmpty())
        return fail(QStringLiteral("There is no account \"%1\".").arg(name));
    const cAccount account = cAccountStore::ReadAccount(section);
    if (!account.UsesOAuth2())
        return fail(QStringLiteral("Account \"%1\" logs in with a password; add it with --oauth2-client-id to sign in.").arg(section));
    cOAuth2Client client(account.oAuth2);
    client.OpenBrowser = fCli.OpenBrowser;
    client.LoginHint = account.email;
    if (!WaitUntil(&client, &cOAuth2Client::Done, [&client] { client.SignIn(); }, kWaitMs, {}))
        return fail(QStringLiteral("No sign-in came back within %1 minutes.").arg(kWaitMs / 60000));
    if (!client.Result())
        return fail(client.Result().text());
    if (const cResult stored = cAccountStore::StoreSignIn(section, client.Result().value().ToSecret()); !stored)
        return fail(stored.text());
    fCli.fOut << "Account \"" << section << "\" is signed in.\n";
    return 0;
}
