// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The searches the user saved under a name, shown as search folders in the folder tree. They
// are kept in "Ravelin2 Searches.ini" beside the other settings files, one numbered section
// each with its Name and Query, in the order they were saved. Every change replaces the file
// whole, so a failed write leaves the old one. Removing a search forgets its query; no message
// is touched.
#include "storage/cResult.h"

#include <QString>

#include <vector>

struct cSavedSearch
{
    QString name;
    QString query;

    bool operator==(const cSavedSearch &) const = default;
};

class cSavedSearches
{
public:
    static QString FilePath();
    // Those with a name and a query; a missing or unreadable file holds none.
    static std::vector<cSavedSearch> Read();
    // Saved at the end, or in the place of the one of that name (names compare without case).
    static cResult Save(const cSavedSearch &search);
    static cResult Remove(const QString &name);

private:
    static cResult Write(const std::vector<cSavedSearch> &searches);
};
