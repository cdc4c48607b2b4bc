// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The addresses a composer offers while To, CC or Bcc is typed: the address book's and those
// the user has sent to (Sent items of the store), best first. Read again at most every few
// seconds, so typing stays quick and a contact added a moment ago is offered.
#include <QString>
#include <QStringList>

class cMailStore;

QStringList SuggestAddresses(const cMailStore &store, const QString &typed);
