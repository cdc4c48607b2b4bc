// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder's messages together with the messages of other folders that belong to the same
// conversations, such as the user's replies in Sent under the Inbox mail they answer. Threads
// are found as the threaded list finds them (cMsgThreads), from the folders' listing caches.
// Each entry is named "<folder>/<file>", as a list of several folders names its rows.
#include "storage/cFolderIndex.h"

#include <QString>

#include <vector>

// `folders` are every folder of the mail tree, as the mail store lists them.
std::vector<cIndexEntry> FolderConversations(const QString &folder, const QStringList &folders);
