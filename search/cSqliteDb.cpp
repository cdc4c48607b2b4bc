// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSqliteDb.h"

#include <QCoreApplication>
#include <QFile>

#include <sqlite3.h>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cSqliteDb)
};

QString FailureSentence(eIndexWork doing)
{
    switch (doing) {
    case eIndexWork::Open:
        return cTexts::tr("Cannot open the search index \"%1\": %2.");
    case eIndexWork::Create:
        return cTexts::tr("Cannot create the search index \"%1\": %2.");
    case eIndexWork::Update:
        return cTexts::tr("Cannot update the search index \"%1\": %2.");
    case eIndexWork::Search:
        break;
    }
    return cTexts::tr("Cannot search the search index \"%1\": %2.");
}

} // namespace

cSqliteDb::~cSqliteDb()
{
    Close();
}

cResult cSqliteDb::Open(const QString &path, eSqliteOpen mode)
{
    Close();
    fPath = path;
    const int create = mode == eSqliteOpen::Create ? SQLITE_OPEN_CREATE : 0;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &fDb,
                                   SQLITE_OPEN_READWRITE | create | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(fDb, 5000);
        return cResult::Ok();
    }
    const cResult failure = Failure(eIndexWork::Open);
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

cResult cSqliteDb::Failure(eIndexWork doing) const
{
    const QString reason = fDb ? QString::fromUtf8(sqlite3_errmsg(fDb)) : cTexts::tr("out of memory");
    const int code = fDb ? sqlite3_errcode(fDb) : SQLITE_NOMEM;
    return cResult::Failed(IsDamage(code) ? eFailure::Format : eFailure::FileSystem,
                           FailureSentence(doing).arg(fPath, reason));
}

bool cSqliteDb::IsDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}
