// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Contacts brought in from a file never write over one the address book has unasked: for each
// card whose name is taken (in any case, by the book or an earlier card of the same file) the
// caller's question decides whether it replaces that contact, is kept beside it under a new
// name ("Ann Lee (2)"), is skipped, or merges into it. The plan says what to write.
#include "storage/cContactStore.h"

#include <QList>
#include <QStringList>

#include <functional>

enum class eDuplicateChoice { Replace, KeepBoth, Skip, Merge };
using cDuplicateQuestion = std::function<eDuplicateChoice(const cContactCard &incoming, const cContactCard &existing)>;

struct cContactImportPlan
{
    QList<cContactCard> added;    // new contacts
    QList<cContactCard> replaced; // contacts of the book written whole, empty keys included
    int skipped = 0;
};

cContactImportPlan PlanContactImport(const QList<cContactCard> &cards, const QList<cContactCard> &book,
                                     const cDuplicateQuestion &ask);
// The existing contact with the incoming one's e-mail addresses in its free e-mail fields and
// its empty fields filled; nothing it has is overwritten.
cContactCard MergedContact(const cContactCard &existing, const cContactCard &incoming);
// name, or "name (2)", "name (3)", .. : the first that none of taken has in any case.
QString FreeContactName(const QString &name, const QStringList &taken);
