// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSqliteDb.h"

#include <QFile>

#include <sqlite3.h>

cSqliteDb::~cSqliteDb()
{
    Close();
}

cResult cSqliteDb::Open(const QString &path)
{
    Close();
    fPath = path;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &fDb,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(fDb, 5000);
        return cResult::Ok();
    }
    const cResult failure = Failure(QStringLiteral("open"));
    Close();
    return failure;
}

void cSqliteDb::Close()
{
    // A statement still alive keeps the connection until it is finalized.
    sqlite3_close_v2(fDb);
    fDb = nullptr;
}

bool cSqliteDb::Exec(const char *sql)
{
    return sqlite3_exec(fDb, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 cSqliteDb::LastInsertId() const
{
    return sqlite3_last_insert_rowid(fDb);
}

cResult cSqliteDb::Failure(const QString &doing) const
{
    const QString reason = fDb ? QString::fromUtf8(sqlite3_errmsg(fDb)) : QStringLiteral("out of memory");
    const int code = fDb ? sqlite3_errcode(fDb) : SQLITE_NOMEM;
    return cResult::Failed(IsDamage(code) ? eFailure::Format : eFailure::FileSystem,
                           QStringLiteral("Cannot %1 the search index \"%2\": %3.").arg(doing, fPath, reason));
}

bool cSqliteDb::IsDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}
