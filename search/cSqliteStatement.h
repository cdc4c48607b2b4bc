// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One prepared SQLite statement: bind by position (from 1), step through its rows, read
// columns (from 0). Move-only; finalized when it goes. A statement that failed to prepare
// steps to no row and reports the failure from Run and Failed.
#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

class cSqliteStatement
{
public:
    cSqliteStatement(sqlite3 *db, const char *sql);
    ~cSqliteStatement();
    cSqliteStatement(cSqliteStatement &&other) noexcept;
    cSqliteStatement(const cSqliteStatement &) = delete;
    cSqliteStatement &operator=(const cSqliteStatement &) = delete;

    cSqliteStatement &Bind(int index, qint64 value);
    cSqliteStatement &Bind(int index, const QString &value);

    // Steps to the next row; false at the end or on a failure (see Failed).
    bool Next();
    // Steps through the whole statement; false on a failure.
    [[nodiscard]] bool Run();
    // Makes the statement ready to run again with new values.
    void Reset();
    // The SQLite result code of the last failure, 0 when none.
    int Failed() const { return fFailure; }

    qint64 Int(int column) const;
    QString Text(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3 *fDb = nullptr;
    sqlite3_stmt *fStatement = nullptr;
    int fFailure = 0;
};
