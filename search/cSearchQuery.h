// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A search as the user types it, read into the condition of an SQL query over the index.
//
// Words and "phrases" are looked up in every text; from:, to:, cc:, subject: and body: look in
// one (word* matches by prefix). folder:, has:attachment, is:unread / is:read and
// before: / after: (YYYY, YYYY-MM or YYYY-MM-DD; after: takes its day, before: does not)
// filter by the message's fields. Terms next to each other must all match; AND, OR, NOT and
// parentheses combine them, NOT binding tightest and OR loosest. Case and accents never count.
//
// What the user typed is only ever bound as a value, never spliced into the SQL: the text
// terms become one FTS5 expression of quoted strings, the filters bound parameters.
#include "storage/cResult.h"

#include <QString>

#include <memory>
#include <variant>
#include <vector>

class cSearchQuery
{
public:
    using cValue = std::variant<qint64, QString>;

    // Fails (Refused) on a query that says nothing or that cannot be read, naming the term.
    static cResultOf<cSearchQuery> Parse(const QString &text);

    // The condition over the message table `m` and the FTS5 table `words`; its values bind in order.
    const QString &Where() const { return fWhere; }
    const std::vector<cValue> &Values() const { return fValues; }
    // The FTS5 expression when the whole query is words, which the word index answers alone;
    // empty when it filters by fields too.
    const QString &Words() const { return fWords; }

    struct cNode;

private:
    QString fWhere;
    std::vector<cValue> fValues;
    QString fWords;
};
