// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cListedSearch.h"

#include "search/SearchListing.h"

cResultOf<std::vector<cIndexEntry>> cListedSearch::Find(const QString &query)
{
    const std::lock_guard lock(fMutex);
    // The mail folder can be another since the last search.
    if (const QString path = cSearchIndex::DefaultPath(); path != fPath) {
        fPath.clear();
        if (cResult opened = fIndex.Open(path); !opened)
            return opened;
        fPath = path;
    }
    return FindListed(query, fIndex);
}
