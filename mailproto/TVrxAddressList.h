// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the addresses out of an address list as typed or stored (RFC 5322 section 3.4):
// mailboxes with or without display names, groups ("Team: a@x, b@y;"), quoted strings and
// comments, which may hold "<", ">", "," and ";" without ending anything. Users also separate
// addresses with ";", which is accepted outside a group as well.
#include <QByteArray>
#include <QList>

class TVrxAddressList
{
public:
    // The bare address of every mailbox, in order, without display names, comments or line
    // breaks; empty entries and groups without members give nothing.
    static QList<QByteArray> Addresses(const QByteArray &list);
    // Each mailbox of the list as written, display name and comments included; group names
    // and empty entries give nothing.
    static QList<QByteArray> Mailboxes(const QByteArray &list);
    // The bare address of one mailbox: the angle-addr when there is one (a source route
    // "@a,@b:" before it is dropped), else the text without comments and blanks.
    static QByteArray AddressOf(const QByteArray &mailbox);
    // The display name of one mailbox as the reader should see it: quotes and escapes taken
    // off, comments dropped; empty for a bare address.
    static QByteArray DisplayNameOf(const QByteArray &mailbox);
};
