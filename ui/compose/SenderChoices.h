// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composer's "From" choices: each account by its name, and after it each further sender
// identity of that account, shown with the sender line it puts on the message.
#include "transfer/cIdentity.h"

#include <QList>
#include <QString>

struct cSenderChoice
{
    QString text;
    QString account;
    // 0 is the account's own identity.
    qsizetype identity = 0;
    QString senderLine;
    QString signature;
};

// An account's name and its identities, its own first.
struct cAccountIdentities
{
    QString account;
    QList<cIdentity> identities;
};

QList<cSenderChoice> SenderChoicesOf(const QList<cAccountIdentities> &accounts);
// The choice of account (compared without regard to case) whose further identity gives
// senderLine, else the account's own choice; -1 when no choice is of that account.
qsizetype SenderChoiceFor(const QList<cSenderChoice> &choices, const QString &account, const QString &senderLine);
// The sender line a stored message was written with, from its name and reply address as read.
QString StoredSenderLine(const QString &name, const QString &address);
