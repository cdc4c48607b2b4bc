// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cListedSearch.h"

#include "search/SearchListing.h"

#include <QFile>

#include <sys/stat.h>

namespace {

quint64 inodeOf(const QString &path)
{
    struct stat info{};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

} // namespace

cResultOf<std::vector<cIndexEntry>> cListedSearch::Find(const QString &query, const QString &path)
{
    const std::lock_guard lock(fMutex);
    // The mail folder can be another since the last search, and an index made anew (damaged,
    // outgrown) is another file: the connection open would go on reading the one removed.
    if (path != fPath || inodeOf(path) != fInode) {
        fPath.clear();
        if (cResult opened = fIndex.OpenToRead(path); !opened)
            return opened;
        fPath = path;
        fInode = inodeOf(path);
    }
    return FindListed(query, fIndex);
}
