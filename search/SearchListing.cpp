#include "search/SearchListing.h"

#include <QFileInfo>
#include <QHash>

cResultOf<std::vector<cIndexEntry>> FindListed(const QString &query, const QString &indexPath)
{
    const cResultOf<cSearchQuery> parsed = cSearchQuery::Parse(query);
    if (!parsed)
        return parsed.result();
    cSearchIndex index;
    if (cResult opened = index.Open(indexPath); !opened)
        return opened;
    const cResultOf<std::vector<cSearchHit>> hits = index.Find(parsed.value());
    if (!hits)
        return hits.result();
    return ListedEntries(hits.value());
}

std::vector<cIndexEntry> ListedEntries(const std::vector<cSearchHit> &hits)
{
    // Each folder is listed once, however many of its messages were found.
    QHash<QString, QHash<QString, cIndexEntry>> folders;
    std::vector<cIndexEntry> entries;
    entries.reserve(hits.size());
    for (const cSearchHit &hit : hits) {
        const QFileInfo file(hit.path);
        auto listed = folders.find(hit.folder);
        if (listed == folders.end()) {
            listed = folders.insert(hit.folder, {});
            for (cIndexEntry &entry : cFolderIndex::List(file.path()))
                listed->insert(entry.stamp.name, std::move(entry));
        }
        const auto found = listed->constFind(file.fileName());
        if (found == listed->cend())
            continue;
        entries.push_back(*found);
        entries.back().stamp.name = hit.folder + u'/' + file.fileName();
    }
    return entries;
}
