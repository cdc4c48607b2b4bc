// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a search shows in the message list: the entries of the messages found, newest first,
// each named "<folder>/<file>" under MailFolderRoot, so that one list holds several folders.
// The entries come from each folder's listing cache where it is fresh, read where not, so a message
// moved or deleted since the index last looked is left out and a result reads as in its folder.
// A big result takes a while: call it off the window's thread.
#include "search/cSearchIndex.h"

// Fails (Refused) on a query that cannot be read, and when the index cannot be opened or read.
cResultOf<std::vector<cIndexEntry>> FindListed(const QString &query,
                                               const QString &indexPath = cSearchIndex::DefaultPath());
cResultOf<std::vector<cIndexEntry>> FindListed(const QString &query, cSearchIndex &index);
std::vector<cIndexEntry> ListedEntries(const std::vector<cSearchHit> &hits);
