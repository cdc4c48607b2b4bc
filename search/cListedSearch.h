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
    // As FindListed, in the index of the mail folder in use.
    cResultOf<std::vector<cIndexEntry>> Find(const QString &query);

private:
    std::mutex fMutex;
    cSearchIndex fIndex;
    QString fPath; // of the index open; empty when none is
    quint64 fInode = 0; // of its file when opened
};
