// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSearchQuery.h"

#include "search/SearchText.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <functional>
#include <map>

struct cSearchQuery::cNode
{
    enum class eKind { Text, Filter, And, Or, Not };
    eKind kind = eKind::Text;
    QString column; // Text: empty for every text
    QString words;  // Text: a word or phrase as typed
    bool prefix = false;
    QString sql; // Filter
    std::vector<cValue> values;
    std::vector<cNode> children;
};

namespace {

using cNode = cSearchQuery::cNode;
using eKind = cNode::eKind;

constexpr qint64 kMillisecondsPerDay = 86400000;

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cSearchQuery)
};

struct cToken
{
    QString field; // "from" of from:ann; empty for none
    QString text;
    bool quoted = false;
    bool prefix = false;
    bool open = false;  // "("
    bool close = false; // ")"

    bool isOperator(const char *word) const { return !quoted && field.isEmpty() && text == QLatin1String(word); }
};

cResult misread(const QString &what)
{
    return cResult::Failed(eFailure::Refused, cTexts::tr("Cannot read the search: %1.").arg(what));
}

// The text of a quoted phrase from the opening quote at `at`; `at` moves past its end.
QString readQuoted(const QString &text, qsizetype &at)
{
    const qsizetype close = text.indexOf(u'"', at + 1);
    const qsizetype end = close < 0 ? text.size() : close;
    const QString phrase = text.mid(at + 1, end - at - 1);
    at = close < 0 ? text.size() : close + 1;
    return phrase;
}

QString readWord(const QString &text, qsizetype &at)
{
    const qsizetype start = at;
    while (at < text.size() && !text.at(at).isSpace() && text.at(at) != u'(' && text.at(at) != u')'
           && text.at(at) != u'"')
        ++at;
    return text.mid(start, at - start);
}

std::vector<cToken> tokens(const QString &text)
{
    std::vector<cToken> result;
    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text.at(at);
        if (c.isSpace()) {
            ++at;
        } else if (c == u'(' || c == u')') {
            cToken bracket;
            bracket.open = c == u'(';
            bracket.close = !bracket.open;
            result.push_back(bracket);
            ++at;
        } else if (c == u'"') {
            cToken phrase;
            phrase.text = readQuoted(text, at);
            phrase.quoted = true;
            result.push_back(phrase);
        } else {
            cToken token;
            token.text = readWord(text, at);
            const qsizetype colon = token.text.indexOf(u':');
            if (colon > 0 && colon + 1 == token.text.size() && at < text.size() && text.at(at) == u'"') {
                token.field = token.text.left(colon).toLower();
                token.text = readQuoted(text, at);
                token.quoted = true;
            } else if (colon > 0) {
                token.field = token.text.left(colon).toLower();
                token.text = token.text.mid(colon + 1);
            }
            if (!token.quoted && token.text.size() > 1 && token.text.endsWith(u'*')) {
                token.text.chop(1);
                token.prefix = true;
            }
            // A lone dash or ampersand has no word in it, and an empty phrase would match nothing.
            const bool wordless = std::none_of(token.text.cbegin(), token.text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
            if (token.field.isEmpty() && !token.quoted && wordless)
                continue;
            result.push_back(token);
        }
    }
    return result;
}

std::optional<QDate> dayOf(const QString &text)
{
    for (const char *format : {"yyyy-MM-dd", "yyyy-MM", "yyyy"})
        if (const QDate day = QDate::fromString(text, QLatin1String(format)); day.isValid())
            return day;
    return std::nullopt;
}

cNode filter(QString sql, std::vector<cSearchQuery::cValue> values = {})
{
    cNode node;
    node.kind = eKind::Filter;
    node.sql = std::move(sql);
    node.values = std::move(values);
    return node;
}

cNode textTerm(const QString &column, const QString &words, bool prefix)
{
    cNode node;
    node.column = column;
    node.words = words;
    node.prefix = prefix;
    return node;
}

cNode group(eKind kind, std::vector<cNode> children)
{
    cNode node;
    node.kind = kind;
    node.children = std::move(children);
    return node;
}

const std::map<QString, QString> kTextColumns = {
    {QStringLiteral("from"), QStringLiteral("sender")}, {QStringLiteral("to"), QStringLiteral("recipient")},
    {QStringLiteral("cc"), QStringLiteral("cc")},       {QStringLiteral("subject"), QStringLiteral("subject")},
    {QStringLiteral("body"), QStringLiteral("body")},
};

using fFilter = std::function<cResultOf<cNode>(const QString &value)>;

cResultOf<cNode> dateFilter(const QString &value, const char *sql)
{
    const std::optional<QDate> day = dayOf(value);
    if (!day)
        return misread(cTexts::tr("\"%1\" is not a date such as 2024-03-31").arg(value));
    return filter(QLatin1String(sql), {day->toJulianDay() * kMillisecondsPerDay});
}

struct cChoice
{
    const char *word;
    const char *sql;
};

// The filter of the one word of `choices` the value is, without regard to case.
cResultOf<cNode> choiceFilter(const QString &value, std::initializer_list<cChoice> choices)
{
    QStringList words;
    for (const cChoice &choice : choices) {
        if (value.compare(QLatin1String(choice.word), Qt::CaseInsensitive) == 0)
            return filter(QLatin1String(choice.sql));
        words.append(u'"' + QLatin1String(choice.word) + u'"');
    }
    return misread(cTexts::tr("only %1 can follow here, not \"%2\"").arg(words.join(cTexts::tr(" or ")), value));
}

const std::map<QString, fFilter> kFilters = {
    {QStringLiteral("folder"), [](const QString &v) -> cResultOf<cNode> {
         return filter(QStringLiteral("m.folder = ? COLLATE NOCASE"), {v});
     }},
    {QStringLiteral("has"), [](const QString &v) { return choiceFilter(v, {{"attachment", "m.attachments > 0"}}); }},
    {QStringLiteral("is"), [](const QString &v) {
         return choiceFilter(v, {{"unread", "m.read = 0"}, {"read", "m.read = 1"}});
     }},
    {QStringLiteral("before"), [](const QString &v) { return dateFilter(v, "m.date < ?"); }},
    {QStringLiteral("after"), [](const QString &v) { return dateFilter(v, "m.date >= ?"); }},
};

cResultOf<cNode> term(const cToken &token)
{
    const bool known = kTextColumns.contains(token.field) || kFilters.contains(token.field);
    if (known && token.text.isEmpty() && !token.quoted)
        return misread(cTexts::tr("\"%1:\" needs a word after it").arg(token.field));
    if (const auto column = kTextColumns.find(token.field); column != kTextColumns.end())
        return textTerm(column->second, token.text, token.prefix);
    if (const auto made = kFilters.find(token.field); made != kFilters.end())
        return made->second(token.text);
    // An unknown field is part of the words, as in "re:" or a time "10:30".
    const QString words = token.field.isEmpty() ? token.text : token.field + u':' + token.text;
    return textTerm(QString(), words, token.prefix);
}

// Recursive descent over the tokens: or := and ("OR" and)*; and := not ("AND"? not)*;
// not := "NOT" not | "(" or ")" | term.
class cParser
{
public:
    explicit cParser(std::vector<cToken> tokens) : fTokens(std::move(tokens)) {}

    cResultOf<cNode> Query()
    {
        cResultOf<cNode> node = Or();
        if (node && fAt < fTokens.size())
            return misread(cTexts::tr("a \")\" closes nothing"));
        return node;
    }

private:
    bool more() const { return fAt < fTokens.size(); }
    const cToken &peek() const { return fTokens[fAt]; }

    cResultOf<cNode> Combined(eKind kind, const char *word, cResultOf<cNode> (cParser::*operand)())
    {
        cResultOf<cNode> first = (this->*operand)();
        if (!first)
            return first;
        cNode node = group(kind, {first.value()});
        while (more() && !peek().close && !(kind == eKind::And && peek().isOperator("OR"))) {
            if (peek().isOperator(word))
                ++fAt;
            else if (kind == eKind::Or)
                break;
            cResultOf<cNode> next = (this->*operand)();
            if (!next)
                return next;
            node.children.push_back(next.value());
        }
        if (node.children.size() == 1)
            return node.children.front();
        return node;
    }

    cResultOf<cNode> Or() { return Combined(eKind::Or, "OR", &cParser::And); }
    cResultOf<cNode> And() { return Combined(eKind::And, "AND", &cParser::Not); }

    cResultOf<cNode> Not()
    {
        if (!more())
            return misread(cTexts::tr("it ends where a word should follow"));
        const cToken token = fTokens[fAt++];
        if (token.isOperator("NOT")) {
            cResultOf<cNode> inner = Not();
            if (!inner)
                return inner;
            return group(eKind::Not, {inner.value()});
        }
        if (token.open) {
            cResultOf<cNode> inner = Or();
            if (inner && (!more() || !peek().close))
                return misread(cTexts::tr("a \"(\" is not closed"));
            ++fAt;
            return inner;
        }
        if (token.close || token.isOperator("AND") || token.isOperator("OR"))
            return misread(cTexts::tr("\"%1\" stands where a word should").arg(token.close ? QStringLiteral(")") : token.text));
        return term(token);
    }

    std::vector<cToken> fTokens;
    std::size_t fAt = 0;
};

// Whether the node is one FTS5 expression: text terms joined by OR, or by AND with NOT
// beside at least one positive term (FTS5 has no NOT on its own).
bool isTextExpression(const cNode &node)
{
    switch (node.kind) {
    case eKind::Text:
        return true;
    case eKind::Or:
        return std::all_of(node.children.cbegin(), node.children.cend(), isTextExpression);
    case eKind::And: {
        bool positive = false;
        for (const cNode &child : node.children) {
            if (child.kind == eKind::Not ? !isTextExpression(child.children.front()) : !isTextExpression(child))
                return false;
            positive = positive || child.kind != eKind::Not;
        }
        return positive;
    }
    default:
        return false;
    }
}

QString quoted(const QString &words)
{
    QString escaped = SpacedIdeographs(words);
    escaped.replace(u'"', QLatin1String("\"\""));
    return u'"' + escaped + u'"';
}

QString textExpression(const cNode &node)
{
    if (node.kind == eKind::Text) {
        const QString phrase = quoted(node.words) + (node.prefix ? QStringLiteral(" *") : QString());
        return node.column.isEmpty() ? phrase : node.column + QStringLiteral(" : ") + phrase;
    }
    QStringList positives;
    QString negatives;
    for (const cNode &child : node.children) {
        if (child.kind == eKind::Not)
            negatives += QStringLiteral(" NOT (") + textExpression(child.children.front()) + u')';
        else
            positives.append(u'(' + textExpression(child) + u')');
    }
    const QString joined = positives.join(node.kind == eKind::Or ? QStringLiteral(" OR ") : QStringLiteral(" AND "));
    return negatives.isEmpty() ? joined : u'(' + joined + u')' + negatives;
}

void appendValues(std::vector<cSearchQuery::cValue> &to, const std::vector<cSearchQuery::cValue> &from)
{
    to.insert(to.end(), from.cbegin(), from.cend());
}

// The SQL condition of a node and its values in order.
cNode condition(const cNode &node)
{
    if (isTextExpression(node))
        return filter(QStringLiteral("m.id IN (SELECT rowid FROM words WHERE words MATCH ?)"), {textExpression(node)});
    switch (node.kind) {
    case eKind::Filter:
        return node;
    case eKind::Not: {
        const cNode inner = condition(node.children.front());
        return filter(QStringLiteral("NOT (") + inner.sql + u')', inner.values);
    }
    default:
        break;
    }
    // Text terms of an AND go to the index as one expression; the rest stay SQL.
    cNode texts = group(eKind::And, {});
    std::vector<cNode> rest;
    for (const cNode &child : node.children) {
        const bool text = child.kind == eKind::Not ? isTextExpression(child.children.front()) : isTextExpression(child);
        (node.kind == eKind::And && text ? texts.children : rest).push_back(child);
    }
    if (!isTextExpression(texts))
        rest.insert(rest.end(), texts.children.cbegin(), texts.children.cend());
    else
        rest.push_back(texts.children.size() == 1 ? texts.children.front() : texts);
    QStringList parts;
    std::vector<cSearchQuery::cValue> values;
    for (const cNode &child : rest) {
        const cNode part = condition(child);
        parts.append(u'(' + part.sql + u')');
        appendValues(values, part.values);
    }
    return filter(parts.join(node.kind == eKind::Or ? QStringLiteral(" OR ") : QStringLiteral(" AND ")), values);
}

} // namespace

cResultOf<cSearchQuery> cSearchQuery::Parse(const QString &text)
{
    std::vector<cToken> all = tokens(text);
    if (all.empty())
        return misread(cTexts::tr("it is empty"));
    cResultOf<cNode> tree = cParser(std::move(all)).Query();
    if (!tree)
        return tree.result();
    const cNode where = condition(tree.value());
    cSearchQuery query;
    query.fWhere = where.sql;
    query.fValues = where.values;
    if (isTextExpression(tree.value()))
        query.fWords = textExpression(tree.value());
    return query;
}
