// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searches for the message list that keep the index open from one to the next, so the index's
// rows are read once rather than for every search (see cSearchIndex::Find). Find may run on
// any thread; searches made at the same time wait for each other.
#include "search/cSearchIndex.h"

#include <mutex>

class cListedSearch
{
public:
    // As FindListed. The path is the caller's to take: the mail folder in use when the search
    // was asked for may be another by the time it runs.
    cResultOf<std::vector<cIndexEntry>> Find(const QString &query, const QString &path);

private:
    std::mutex fMutex;
    cSearchIndex fIndex;
    QString fPath; // of the index open; empty when none is
    quint64 fInode = 0; // of its file when opened
};
