// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sender identity of an account: who a message says it is from, where replies go, the
// organisation it names and the signature it ends with. An account's own name, address,
// reply address and organisation are its first identity; others are kept beside them.
#include <QString>

struct cIdentity
{
    QString name;
    QString email;
    QString replyAddress;
    QString organisation;
    // The name of a signature of the signature store; empty for none.
    QString signature;

    // ReplyAddress, else email: the address shown for the identity.
    QString ShownAddress() const { return replyAddress.isEmpty() ? email : replyAddress; }
    // The From text of a new message: "Name <address>", or the name alone without an address;
    // "Ravelin User" stands in for a missing name.
    QString SenderLine() const;

    bool operator==(const cIdentity &) const = default;
};
