// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks on names that arrive from files and DNS answers before they may become a server
// setting: a name is a host name only when it could be looked up as one, so no line break,
// slash or blank ever reaches the accounts file.
#include <QString>

// Letters, digits and hyphens in dot-separated labels of 1 to 63 characters, at most 253 in
// all (RFC 1123 section 2.1); a dotted IPv4 address passes too. One trailing dot is allowed.
bool IsHostName(const QString &name);
// The domain an MX host belongs to: its last two labels, or three under a two-letter country
// code whose second level is short ("mx.mail.example.co.uk" gives "example.co.uk").
QString MailDomainOf(const QString &host);
// The domain of an address "local@domain" in lower case; empty when the address has no
// single "@" with something before it and a host name after it.
QString AddressDomain(const QString &address);
