// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/SenderChoices.h"

QList<cSenderChoice> SenderChoicesOf(const QList<cAccountIdentities> &accounts)
{
    QList<cSenderChoice> choices;
    for (const cAccountIdentities &account : accounts) {
        const QList<cIdentity> &identities = account.identities;
        for (qsizetype i = 0; i < identities.size(); ++i) {
            const cIdentity &identity = identities.at(i);
            const QString line = identity.SenderLine();
            choices.append({i == 0 ? account.account : QStringLiteral("%1: %2").arg(account.account, line), account.account,
                            i, line, identity.signature});
        }
    }
    return choices;
}

qsizetype SenderChoiceFor(const QList<cSenderChoice> &choices, const QString &account, const QString &senderLine)
{
    qsizetype own = -1;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const cSenderChoice &choice = choices.at(i);
        if (choice.account.compare(account, Qt::CaseInsensitive) != 0)
            continue;
        if (choice.identity == 0 && own < 0)
            own = i;
        else if (choice.identity > 0 && !senderLine.isEmpty() && choice.senderLine == senderLine)
            return i;
    }
    return own;
}

QString StoredSenderLine(const QString &name, const QString &address)
{
    return address.isEmpty() ? name : name + QStringLiteral(" <") + address + QLatin1Char('>');
}
