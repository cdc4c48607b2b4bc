// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchListing.h"

#include <QHash>

cResultOf<std::vector<cIndexEntry>> FindListed(const QString &query, const QString &indexPath)
{
    cSearchIndex index;
    if (cResult opened = index.OpenToRead(indexPath); !opened)
        return opened;
    return FindListed(query, index);
}

cResultOf<std::vector<cIndexEntry>> FindListed(const QString &query, cSearchIndex &index)
{
    const cResultOf<cSearchQuery> parsed = cSearchQuery::Parse(query);
    if (!parsed)
        return parsed.result();
    const cResultOf<std::vector<cSearchHit>> hits = index.Find(parsed.value());
    if (!hits)
        return hits.result();
    return ListedEntries(hits.value());
}

namespace {

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

std::vector<cIndexEntry> ListedEntries(const std::vector<cSearchHit> &hits)
{
    // Each folder is looked at once for all of its messages found.
    struct cFolder
    {
        QString directory;
        QStringList files;
    };
    QHash<QString, cFolder> folders;
    for (const cSearchHit &hit : hits) {
        cFolder &folder = folders[hit.folder];
        if (folder.directory.isEmpty())
            folder.directory = hit.path.left(hit.path.lastIndexOf(u'/'));
        folder.files.append(fileNameOf(hit.path));
    }
    QHash<QString, cIndexEntry> listed;
    listed.reserve(qsizetype(hits.size()));
    for (auto folder = folders.cbegin(); folder != folders.cend(); ++folder) {
        for (cIndexEntry &entry : cFolderIndex::ListNamed(folder->directory, folder->files)) {
            entry.stamp.name = folder.key() + u'/' + entry.stamp.name;
            listed.insert(entry.stamp.name, std::move(entry));
        }
    }
    std::vector<cIndexEntry> entries;
    entries.reserve(listed.size());
    for (const cSearchHit &hit : hits)
        if (const auto found = listed.constFind(hit.folder + u'/' + fileNameOf(hit.path)); found != listed.cend())
            entries.push_back(*found);
    return entries;
}
