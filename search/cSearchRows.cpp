// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchRows.h"

#include "storage/MailStorage.h"

#include <QHash>

#include <algorithm>

bool cSearchRows::Load(cSqliteDb &db)
{
    fRows.clear();
    fPlaces.clear();
    cSqliteStatement select = db.Prepare("SELECT id, folder, file, date FROM message ORDER BY id");
    // One string per folder, shared by its rows; resolving a directory costs a look at the disk.
    QHash<QString, QString> directories;
    while (select.Next()) {
        cRow row;
        row.id = select.Int(0);
        const QString folder = select.Text(1);
        auto directory = directories.constFind(folder);
        if (directory == directories.cend())
            directory = directories.insert(folder, MailFolderPath(folder) + u'/');
        row.folder = directory.key();
        row.path = *directory + select.Text(2);
        if (!select.IsNull(3))
            row.date = select.Int(3);
        fRows.push_back(std::move(row));
    }
    if (select.Failed())
        return false;
    // Rows come by id, so equal dates keep the order in which they were indexed.
    std::stable_sort(fRows.begin(), fRows.end(), [](const cRow &a, const cRow &b) { return a.date > b.date; });
    fPlaces.reserve(fRows.size());
    for (std::size_t at = 0; at < fRows.size(); ++at)
        fPlaces.emplace_back(fRows[at].id, at);
    std::sort(fPlaces.begin(), fPlaces.end());
    return true;
}

std::vector<cSearchHit> cSearchRows::Hits(std::vector<qint64> ids) const
{
    // The word index gives its ids in order already; then one walk beside the places finds them.
    if (!std::is_sorted(ids.cbegin(), ids.cend()))
        std::sort(ids.begin(), ids.end());
    std::vector<char> found(fRows.size(), 0);
    auto place = fPlaces.cbegin();
    for (const qint64 id : ids) {
        while (place != fPlaces.cend() && place->first < id)
            ++place;
        if (place != fPlaces.cend() && place->first == id)
            found[place->second] = 1;
    }
    std::vector<cSearchHit> hits;
    hits.reserve(ids.size());
    for (std::size_t at = 0; at < fRows.size(); ++at)
        if (found[at])
            hits.push_back({fRows[at].folder, fRows[at].path, {}, {}, {}, fRows[at].id});
    return hits;
}
