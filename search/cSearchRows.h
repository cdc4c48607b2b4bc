// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message of the search index in the order results show (newest first, undated last),
// held in memory: a search with tens of thousands of hits then costs a lookup in a vector per
// hit instead of a look into the message table. Load reads the table in one pass; the owner
// loads again whenever the index changed.
#include "search/cSqliteDb.h"

#include <QString>

#include <optional>
#include <vector>

struct cSearchHit
{
    QString folder;
    QString path;
    QString dateText; // these three only once cSearchIndex::Describe filled them
    QString sender;
    QString subject;
    qint64 id = 0; // the message's entry in the index
};

class cSearchRows
{
public:
    [[nodiscard]] bool Load(cSqliteDb &db);
    // The hits of the ids (in any order, each once) in the order results show; ids of no
    // message, such as the left-behind words of one deleted, are left out.
    std::vector<cSearchHit> Hits(std::vector<qint64> ids) const;

private:
    struct cRow
    {
        qint64 id = 0;
        QString folder;
        QString path;
        std::optional<qint64> date;
    };

    std::vector<cRow> fRows; // newest first
    std::vector<std::pair<qint64, std::size_t>> fPlaces; // each id with its row, ids ascending
};
