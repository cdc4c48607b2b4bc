// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cIdentityCommands.h"

#include "cli/cCliCommands.h"
#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"

#include <map>

namespace {

const std::map<QString, QString cIdentity::*> kFields = {
    {QStringLiteral("--name"), &cIdentity::name},
    {QStringLiteral("--email"), &cIdentity::email},
    {QStringLiteral("--reply-to"), &cIdentity::replyAddress},
    {QStringLiteral("--organisation"), &cIdentity::organisation},
    {QStringLiteral("--signature"), &cIdentity::signature},
};

bool SameAddress(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString cIdentityCommands::Usage()
{
    return QStringLiteral(
        "  identity list ACCOUNT            the account's sender identities, its own first: name, address,\n"
        "                                   reply address, organisation, signature (tab-separated)\n"
        "  identity add ACCOUNT --email ADDRESS [--name NAME] [--reply-to ADDRESS] [--organisation TEXT]\n"
        "              [--signature NAME]   add a sender identity to the account\n"
        "  identity delete ACCOUNT ADDRESS  remove the identity with that address (not the account's own)\n");
}

int cIdentityCommands::Run(const QStringList &arguments)
{
    const QString verb = arguments.value(0);
    const QString account = arguments.value(1);
    if (verb == QLatin1String("list") && arguments.size() == 2)
        return List(account);
    if (verb == QLatin1String("add") && arguments.size() >= 2)
        return Add(account, arguments.mid(2));
    if (verb == QLatin1String("delete") && arguments.size() == 3)
        return Delete(account, arguments.at(2));
    return fCli.Misuse(QStringLiteral("identity takes list ACCOUNT, add ACCOUNT --email ADDRESS ... or delete ACCOUNT ADDRESS."));
}

QString cIdentityCommands::Existing(const QString &account)
{
    for (const QString &name : cAccountStore::AccountNames())
        if (name.compare(account, Qt::CaseInsensitive) == 0)
            return name;
    fCli.fErr << "ravelin-cli: There is no account \"" << account << "\".\n";
    return {};
}

int cIdentityCommands::List(const QString &account)
{
    const QString section = Existing(account);
    if (section.isEmpty())
        return 1;
    for (const cIdentity &identity : cAccountStore::IdentitiesOf(section))
        fCli.fOut << QStringList{identity.name, identity.email, identity.replyAddress, identity.organisation,
                                 identity.signature}
                         .join(QLatin1Char('\t'))
                  << "\n";
    return 0;
}

QString cIdentityCommands::Parse(const QStringList &options, cIdentity &identity)
{
    for (qsizetype i = 0; i < options.size(); i += 2) {
        const auto field = kFields.find(options.at(i));
        if (field == kFields.end())
            return QStringLiteral("Unknown option \"%1\".").arg(options.at(i));
        if (i + 1 >= options.size())
            return QStringLiteral("%1 needs a value.").arg(options.at(i));
        identity.*(field->second) = options.at(i + 1);
    }
    if (!identity.email.contains(QLatin1Char('@')))
        return QStringLiteral("identity add needs --email with an address.");
    return {};
}

int cIdentityCommands::Add(const QString &account, const QStringList &options)
{
    cIdentity identity;
    if (const QString wrong = Parse(options, identity); !wrong.isEmpty())
        return fCli.Misuse(wrong);
    const QString section = Existing(account);
    if (section.isEmpty())
        return 1;
    if (!identity.signature.isEmpty() && !cSignatureStore::SignatureNames().contains(identity.signature)) {
        fCli.fErr << "ravelin-cli: There is no signature \"" << identity.signature << "\".\n";
        return 1;
    }
    QList<cIdentity> identities = cAccountStore::IdentitiesOf(section);
    for (const cIdentity &known : identities)
        if (SameAddress(known.email, identity.email)) {
            fCli.fErr << "ravelin-cli: Account \"" << section << "\" already has an identity with the address "
                      << identity.email << ".\n";
            return 1;
        }
    identities.append(identity);
    return Write(section, identities.mid(1));
}

int cIdentityCommands::Delete(const QString &account, const QString &address)
{
    const QString section = Existing(account);
    if (section.isEmpty())
        return 1;
    QList<cIdentity> others = cAccountStore::IdentitiesOf(section).mid(1);
    const qsizetype removed = others.removeIf([&address](const cIdentity &i) { return SameAddress(i.email, address); });
    if (removed == 0) {
        fCli.fErr << "ravelin-cli: Account \"" << section << "\" has no other identity with the address " << address
                  << " (its own cannot be deleted).\n";
        return 1;
    }
    return Write(section, others);
}

int cIdentityCommands::Write(const QString &account, const QList<cIdentity> &identities)
{
    const cResult written = cAccountStore::WriteIdentities(account, identities);
    if (written)
        return 0;
    fCli.fErr << "ravelin-cli: " << written.text() << "\n";
    return 1;
}
