// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One connection to an SQLite database file, for one thread. The owner opens it, prepares
// statements on it and asks it why the last call failed in words for the user.
#include "search/cSqliteStatement.h"
#include "storage/cResult.h"

#include <QString>

// What was being done to the index when a call failed.
enum class eIndexWork { Open, Create, Update, Search };

enum class eSqliteOpen { Create, Existing };

class cSqliteDb
{
public:
    cSqliteDb() = default;
    ~cSqliteDb();
    cSqliteDb(const cSqliteDb &) = delete;
    cSqliteDb &operator=(const cSqliteDb &) = delete;

    cResult Open(const QString &path, eSqliteOpen mode);
    void Close();
    bool IsOpen() const { return fDb != nullptr; }

    [[nodiscard]] bool Exec(const char *sql);
    cSqliteStatement Prepare(const char *sql) { return cSqliteStatement(fDb, sql); }
    qint64 LastInsertId() const;

    // The failure of the last call: what was done, the file, and SQLite's reason.
    cResult Failure(eIndexWork doing) const;
    // Whether a result code says the file is not a sound database.
    static bool IsDamage(int code);

private:
    struct sqlite3 *fDb = nullptr;
    QString fPath;
};
