// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxMimeHeader.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// RFC 5322 section 3.6.8: printable characters other than the colon.
bool IsNameChar(char c)
{
    return c > ' ' && c < 127 && c != ':';
}

qsizetype NameEnd(const QByteArray &line)
{
    qsizetype at = 0;
    while (at < line.size() && IsNameChar(line.at(at)))
        ++at;
    return at;
}

qsizetype SkipBlanks(const QByteArray &text, qsizetype at)
{
    while (at < text.size() && IsBlank(text.at(at)))
        ++at;
    return at;
}

// A quoted string from the quote at "at": its text without quotes and escapes, and where it
// ends. An unclosed quote runs to the end of the value.
QByteArray QuotedString(const QByteArray &value, qsizetype &at)
{
    QByteArray text;
    for (++at; at < value.size() && value.at(at) != '"'; ++at) {
        if (value.at(at) == '\\' && at + 1 < value.size())
            ++at;
        text += value.at(at);
    }
    ++at;
    return text;
}

// Where the next ";" outside a quoted string lies, or the end of the value.
qsizetype NextSemicolon(const QByteArray &value, qsizetype at)
{
    while (at < value.size() && value.at(at) != ';') {
        if (value.at(at) == '"')
            QuotedString(value, at);
        else
            ++at;
    }
    return std::min(at, value.size());
}

} // namespace

TVrxMimeHeader::TVrxMimeHeader(const QList<QByteArray> &lines)
{
    bool continuing = false;
    for (const QByteArray &line : lines) {
        if (!line.isEmpty() && IsBlank(line.at(0))) {
            if (continuing)
                fFields.last().value += line;
            continue;
        }
        const qsizetype nameEnd = NameEnd(line);
        const qsizetype colon = SkipBlanks(line, nameEnd);
        continuing = nameEnd > 0 && colon < line.size() && line.at(colon) == ':';
        if (continuing)
            fFields.append({line.first(nameEnd).toUpper(), line.mid(colon + 1)});
    }
    for (Field &field : fFields)
        field.value = field.value.trimmed();
}

bool TVrxMimeHeader::Has(const QByteArray &name) const
{
    const QByteArray upperName = name.toUpper();
    return std::any_of(fFields.cbegin(), fFields.cend(), [&](const Field &field) { return field.upperName == upperName; });
}

QByteArray TVrxMimeHeader::Value(const QByteArray &name) const
{
    const QByteArray upperName = name.toUpper();
    for (const Field &field : fFields)
        if (field.upperName == upperName)
            return field.value;
    return {};
}

QByteArray TVrxMimeHeader::Token(const QByteArray &value)
{
    const qsizetype start = SkipBlanks(value, 0);
    qsizetype end = start;
    while (end < value.size() && !IsBlank(value.at(end)) && value.at(end) != ';' && value.at(end) != '(')
        ++end;
    return value.mid(start, end - start).toUpper();
}

QByteArray TVrxMimeHeader::Parameter(const QByteArray &value, const QByteArray &attribute)
{
    const QByteArray wanted = attribute.toUpper();
    for (qsizetype at = NextSemicolon(value, 0); at < value.size();) {
        const qsizetype start = at + 1;
        const qsizetype end = NextSemicolon(value, start);
        const qsizetype equals = value.indexOf('=', start);
        at = end;
        if (equals < 0 || equals > end || value.mid(start, equals - start).trimmed().toUpper() != wanted)
            continue;
        qsizetype valueAt = SkipBlanks(value, equals + 1);
        if (valueAt < end && value.at(valueAt) == '"')
            return QuotedString(value, valueAt);
        return value.mid(valueAt, end - valueAt).trimmed();
    }
    return {};
}
