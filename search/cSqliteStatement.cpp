// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSqliteStatement.h"

#include <sqlite3.h>

#include <utility>

cSqliteStatement::cSqliteStatement(sqlite3 *db, const char *sql) : fDb(db)
{
    const int rc = sqlite3_prepare_v2(db, sql, -1, &fStatement, nullptr);
    if (rc != SQLITE_OK)
        fFailure = rc;
}

cSqliteStatement::~cSqliteStatement()
{
    sqlite3_finalize(fStatement);
}

cSqliteStatement::cSqliteStatement(cSqliteStatement &&other) noexcept
    : fDb(other.fDb), fStatement(std::exchange(other.fStatement, nullptr)), fFailure(other.fFailure)
{
}

cSqliteStatement &cSqliteStatement::Bind(int index, qint64 value)
{
    sqlite3_bind_int64(fStatement, index, value);
    return *this;
}

cSqliteStatement &cSqliteStatement::Bind(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(fStatement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

bool cSqliteStatement::Next()
{
    if (!fStatement || fFailure)
        return false;
    const int rc = sqlite3_step(fStatement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fFailure = rc;
    return false;
}

bool cSqliteStatement::Run()
{
    while (Next()) {
    }
    return fFailure == 0;
}

void cSqliteStatement::Reset()
{
    sqlite3_reset(fStatement);
    sqlite3_clear_bindings(fStatement);
    fFailure = fStatement ? 0 : fFailure;
}

qint64 cSqliteStatement::Int(int column) const
{
    return sqlite3_column_int64(fStatement, column);
}

QString cSqliteStatement::Text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(fStatement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(fStatement, column));
}

bool cSqliteStatement::IsNull(int column) const
{
    return sqlite3_column_type(fStatement, column) == SQLITE_NULL;
}
