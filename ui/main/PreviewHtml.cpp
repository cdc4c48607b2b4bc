// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PreviewHtml.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class eToken { Text, Open, Close };

struct cToken
{
    eToken kind;
    QString name; // tags: the lower-case name
    QString text; // text: escaped; an opening tag: written back whole
};

bool isTagStart(QChar c)
{
    return c.isLetter() && c.unicode() < 128;
}

bool isNameChar(QChar c)
{
    return (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

QString escapedAttribute(QString value)
{
    return value.replace(u'"', u"&quot;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
}

// The number a list starts at, within kMaxListStart: litehtml writes a list's numbers in roman
// letters whatever their size, a thousand letters for each million. It takes the start of a
// list item's parent whatever that parent is (a "<l<ol" is one element to it), so every
// element's start is bounded.
QString boundedValue(const QString &attribute, const QString &value)
{
    if (attribute != u"start"_s)
        return value;
    // Read as litehtml reads it (atoi): a sign and digits after spaces, whatever follows.
    static const QRegularExpression kNumber(u"^\\s*([-+]?)0*([0-9]+)"_s);
    const QRegularExpressionMatch match = kNumber.match(value);
    if (!match.hasMatch())
        return value;
    const QStringView digits = match.capturedView(2);
    const qint64 start = digits.size() > 9 ? kMaxListStart : std::min<qint64>(digits.toLongLong(), kMaxListStart);
    return QString::number(match.capturedView(1) == u"-" ? -start : start);
}

// Splits HTML into text and tags; comments, declarations and scripts go.
class cHtmlScanner
{
public:
    explicit cHtmlScanner(const QString &html) : fHtml(html) {}

    std::vector<cToken> Scan()
    {
        while (fPos < fHtml.size()) {
            if (startsTag())
                readMarkup();
            else
                readText();
        }
        return std::move(fTokens);
    }

private:
    QChar at(qsizetype pos) const { return pos < fHtml.size() ? fHtml.at(pos) : QChar(); }

    bool startsTag() const
    {
        if (at(fPos) != u'<')
            return false;
        const QChar next = at(fPos + 1);
        return isTagStart(next) || next == u'!' || next == u'?' || (next == u'/' && isTagStart(at(fPos + 2)));
    }

    // Up to the next tag; a "<" that starts none is escaped.
    void readText()
    {
        QString text;
        for (bool first = true; fPos < fHtml.size() && (first || !startsTag()); first = false) {
            if (fHtml.at(fPos) == u'<') {
                text += u"&lt;"_s;
                ++fPos;
            }
            const qsizetype next = fHtml.indexOf(u'<', fPos);
            const qsizetype end = next < 0 ? fHtml.size() : next;
            text += QStringView(fHtml).mid(fPos, end - fPos);
            fPos = end;
        }
        fTokens.push_back({eToken::Text, {}, text});
    }

    void skipPast(const QString &end)
    {
        const qsizetype found = fHtml.indexOf(end, fPos, Qt::CaseInsensitive);
        fPos = found < 0 ? fHtml.size() : found + end.size();
    }

    void skipSpace()
    {
        while (fPos < fHtml.size() && fHtml.at(fPos).isSpace())
            ++fPos;
    }

    // The names of tags mail is made of share one copy each: a large message holds millions.
    QString readName()
    {
        static const std::array kCommon{u"table"_s, u"tr"_s, u"td"_s, u"th"_s, u"tbody"_s, u"div"_s, u"span"_s,
                                        u"p"_s,     u"a"_s,  u"b"_s,  u"i"_s,  u"font"_s,  u"img"_s, u"br"_s};
        const qsizetype start = fPos;
        while (fPos < fHtml.size() && isNameChar(fHtml.at(fPos)))
            ++fPos;
        const QStringView name = QStringView(fHtml).mid(start, fPos - start);
        for (const QString &common : kCommon) {
            if (name.compare(common, Qt::CaseInsensitive) == 0)
                return common;
        }
        return name.toString().toLower();
    }

    void readMarkup()
    {
        if (QStringView(fHtml).mid(fPos, 4) == u"<!--")
            return skipPast(u"-->"_s);
        const QChar second = at(fPos + 1);
        if (second == u'!' || second == u'?')
            return skipPast(u">"_s);
        fPos += second == u'/' ? 2 : 1;
        const QString name = readName();
        if (second == u'/') {
            skipPast(u">"_s);
            fTokens.push_back({eToken::Close, name, {}});
            return;
        }
        const std::optional<QString> attributes = readAttributes();
        if (!attributes)
            return; // cut off inside the tag
        if (name == u"script"_s) {
            skipPast(u"</script"_s);
            skipPast(u">"_s);
            return;
        }
        fTokens.push_back({eToken::Open, name, u'<' + name + *attributes + u'>'});
    }

    std::optional<QString> readAttributes()
    {
        QString written;
        for (;;) {
            skipSpace();
            if (fPos >= fHtml.size())
                return std::nullopt;
            const QChar c = fHtml.at(fPos);
            if (c == u'>') {
                ++fPos;
                return written;
            }
            const QString name = readName();
            if (name.isEmpty()) {
                ++fPos; // "/", a quote or another stray character
                continue;
            }
            skipSpace();
            written += u' ' + name;
            if (at(fPos) == u'=') {
                ++fPos;
                skipSpace();
                written += u"=\""_s + escapedAttribute(boundedValue(name, readValue())) + u'"';
            }
        }
    }

    QString readValue()
    {
        const QChar quote = at(fPos);
        if (quote == u'"' || quote == u'\'') {
            const qsizetype end = fHtml.indexOf(quote, fPos + 1);
            const qsizetype stop = end < 0 ? fHtml.size() : end;
            const QString value = fHtml.mid(fPos + 1, stop - fPos - 1);
            fPos = std::min(stop + 1, fHtml.size());
            return value;
        }
        const qsizetype start = fPos;
        while (fPos < fHtml.size() && !fHtml.at(fPos).isSpace() && fHtml.at(fPos) != u'>')
            ++fPos;
        return fHtml.mid(start, fPos - start);
    }

    const QString &fHtml;
    qsizetype fPos = 0;
    std::vector<cToken> fTokens;
};

// Asked for every tag: comparing a few short names costs less than hashing one.
template <std::size_t N>
bool isOneOf(QStringView name, const std::array<QStringView, N> &names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isVoid(QStringView name)
{
    static constexpr std::array<QStringView, 15> kVoid{u"area", u"base", u"basefont", u"br",   u"col",
                                                       u"embed", u"hr", u"img",      u"input", u"link",
                                                       u"meta", u"param", u"source", u"track", u"wbr"};
    return isOneOf(name, kVoid);
}

bool isTablePart(QStringView name)
{
    static constexpr std::array<QStringView, 9> kParts{u"tr",    u"td",      u"th",       u"thead", u"tbody",
                                                       u"tfoot", u"caption", u"colgroup", u"col"};
    return isOneOf(name, kParts);
}

// An element that a new one of its kind ends, and the elements that end that search (a table
// always does).
struct cImplicitEnd
{
    QSet<QString> ended;
    QSet<QString> scope;
};

const cImplicitEnd *implicitEnd(const QString &name)
{
    static const cImplicitEnd kParagraph{{u"p"_s}, {u"div"_s, u"td"_s, u"th"_s, u"li"_s, u"blockquote"_s}};
    static const cImplicitEnd kItem{{u"li"_s}, {u"ul"_s, u"ol"_s, u"menu"_s}};
    static const cImplicitEnd kTerm{{u"dt"_s, u"dd"_s}, {u"dl"_s}};
    static const cImplicitEnd kRow{{u"tr"_s}, {}};
    static const cImplicitEnd kCell{{u"td"_s, u"th"_s}, {u"tr"_s}};
    static const cImplicitEnd kSection{{u"thead"_s, u"tbody"_s, u"tfoot"_s}, {}};
    static const cImplicitEnd kOption{{u"option"_s}, {u"select"_s}};
    static const QHash<QString, const cImplicitEnd *> kByName{
        {u"p"_s, &kParagraph}, {u"li"_s, &kItem},     {u"dt"_s, &kTerm},       {u"dd"_s, &kTerm},
        {u"tr"_s, &kRow},      {u"td"_s, &kCell},     {u"th"_s, &kCell},       {u"thead"_s, &kSection},
        {u"tbody"_s, &kSection}, {u"tfoot"_s, &kSection}, {u"option"_s, &kOption}};
    return kByName.value(name);
}

// For each outermost table in turn, the table depth its layout affords.
std::vector<int> affordedTableDepths(const std::vector<cToken> &tokens)
{
    std::vector<int> depths;
    std::vector<qint64> cellsAt(kMaxTableNesting + 1); // by depth, the deepest counted at the cap
    int depth = 0;
    const auto afford = [&] {
        int cap = kMaxTableNesting;
        for (;; --cap) {
            qint64 cost = 0;
            for (int d = 1; d <= kMaxTableNesting; ++d)
                cost += cellsAt[d] * TableCellWeight(std::min(d, cap));
            if (cost <= kTableLayoutBudget || cap == 0)
                break;
        }
        depths.push_back(cap);
        std::fill(cellsAt.begin(), cellsAt.end(), 0);
    };
    for (const cToken &token : tokens) {
        if (token.name == u"table"_s && token.kind == eToken::Open)
            ++depth;
        else if (token.name == u"table"_s && token.kind == eToken::Close && depth > 0 && --depth == 0)
            afford();
        else if (token.kind == eToken::Open && depth > 0 && (token.name == u"td"_s || token.name == u"th"_s))
            ++cellsAt[std::min(depth, kMaxTableNesting)];
    }
    if (depth > 0)
        afford();
    return depths;
}

// "display:none" or the hidden attribute: mail hides a preview line or a tracking note this way.
bool hidesItsContent(const QString &openTag)
{
    static const QRegularExpression hidden(u"\\sstyle=\"[^\"]*display\\s*:\\s*none|\\shidden[\\s=>]"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    const bool mayHide = openTag.contains(u"none"_s, Qt::CaseInsensitive) || openTag.contains(u"hidden"_s, Qt::CaseInsensitive);
    return mayHide && hidden.match(openTag).hasMatch();
}

// A row of a table shown as text: a block, and a bound for end tags like a table.
const QString kTextRow = u"tr/div"_s;

// Writes tokens back within the bounds, every element it opens closed again. An end tag never
// reaches across a table, and cells stand in rows in tables, so the engine nests tables exactly
// as counted here, never deeper.
class cHtmlBounder
{
public:
    explicit cHtmlBounder(std::vector<int> tableDepths) : fTableDepths(std::move(tableDepths)) {}

    QString Write(const std::vector<cToken> &tokens)
    {
        for (const cToken &token : tokens) {
            if (token.kind == eToken::Text)
                fOut += hiding() ? QString() : token.text;
            else if (token.name == u"table"_s)
                token.kind == eToken::Open ? openTable(token) : closeTable();
            else if (isTablePart(token.name) && (fTables.empty() || fTables.back().form == eTableForm::Text))
                writeAsText(token);
            else
                token.kind == eToken::Open ? open(token) : close(token.name);
        }
        while (!fOpen.empty())
            popTop();
        return fOut;
    }

private:
    using cOpenElement = std::vector<QString>::iterator;

    enum class eTableForm { Table, Text };

    struct cOpenTable
    {
        eTableForm form;
    };

    void openTable(const cToken &token)
    {
        if (fTables.empty())
            fDepthCap = fNextTable < fTableDepths.size() ? fTableDepths[fNextTable++] : 0;
        const bool inKeptTable = fTables.empty() || fTables.back().form != eTableForm::Text;
        const bool kept = inKeptTable && int(fTables.size()) < fDepthCap && roomForOne();
        fTables.push_back({kept ? eTableForm::Table : eTableForm::Text});
        if (!kept)
            breakLine();
        else
            push(token);
    }

    void closeTable()
    {
        if (fTables.empty())
            return;
        const eTableForm form = fTables.back().form;
        if (form == eTableForm::Text)
            endTextRow();
        fTables.pop_back();
        const auto table = std::find_if(fOpen.rbegin(), fOpen.rend(), isTableBound);
        if (form == eTableForm::Text)
            breakLine();
        else if (table != fOpen.rend())
            popThrough(std::prev(table.base()));
    }

    static bool isTableBound(const QString &name)
    {
        return name == u"table"_s || name == kTextRow;
    }

    // Runs of empty lines say nothing in a table shown as text, and cost the layout of each.
    void breakLine()
    {
        while (fOut.endsWith(u' '))
            fOut.chop(1);
        if (!fOut.endsWith(u"<br>"_s))
            fOut += u"<br>"_s;
    }

    void writeAsText(const cToken &token)
    {
        if (token.kind != eToken::Open)
            return;
        if (token.name == u"tr"_s && !fTables.empty())
            startTextRow();
        else if (token.name == u"tr"_s || token.name == u"caption"_s)
            breakLine();
        else if (token.name == u"td"_s || token.name == u"th"_s)
            fOut += u' ';
    }

    // A row of its own block: the engine lays a block out whole, so a large table as one block
    // of lines would hold the window for as long as all of it takes, and draws only the blocks
    // in sight. Blocks of rows follow each other, whichever table shown as text they are of,
    // and never nest: the rows of the tables in a row would nest as deep as the tables did, and
    // within a table all inside it is laid out three times for each level. A new row ends the
    // one before, with all begun in it; a row still blank goes on instead: rows of nothing but
    // nested tables would be a block for each.
    void startTextRow()
    {
        if (fTextRow >= 0 && isBlank(QStringView(fOut).mid(fTextRowStart)))
            return;
        endTextRow();
        if (!roomForOne())
            return breakLine();
        fTextRow = qsizetype(fOpen.size());
        push({eToken::Open, kTextRow, u"<div>"_s});
        fTextRowStart = fOut.size();
    }

    // Nothing but spaces and line breaks.
    static bool isBlank(QStringView written)
    {
        for (qsizetype at = 0; at < written.size();) {
            if (written.mid(at).startsWith(u"<br>"))
                at += 4;
            else if (written.at(at).isSpace())
                ++at;
            else
                return false;
        }
        return true;
    }

    void endTextRow()
    {
        if (const qsizetype row = std::exchange(fTextRow, -1); row >= 0 && row < qsizetype(fOpen.size()))
            popThrough(fOpen.begin() + row);
    }

    bool roomForOne() const
    {
        return int(fOpen.size()) < (fDeepLeft > 0 ? kMaxElementNesting : kDeepNesting);
    }

    bool hiding() const { return !fOpenHidden.empty() && fOpenHidden.back(); }

    void open(const cToken &token)
    {
        if (isVoid(token.name)) {
            fOut += hiding() ? QString() : token.text;
            return;
        }
        if (const cImplicitEnd *end = implicitEnd(token.name)) {
            if (const cOpenElement ended = openInTable(end->ended, end->scope); ended != fOpen.end())
                popThrough(ended);
        }
        const bool cell = token.name == u"td"_s || token.name == u"th"_s;
        if (cell && openInTable({u"tr"_s}, {}) == fOpen.end() && roomForOne())
            push({eToken::Open, u"tr"_s, u"<tr>"_s});
        if (roomForOne())
            push(token);
    }

    void close(const QString &name)
    {
        if (const cOpenElement element = openInTable({name}, {}); element != fOpen.end())
            popThrough(element);
    }

    // The innermost open element of those names, looking no further out than the scope or
    // the innermost table; end() when there is none.
    cOpenElement openInTable(const QSet<QString> &names, const QSet<QString> &scope)
    {
        for (auto it = fOpen.rbegin(); it != fOpen.rend(); ++it) {
            if (names.contains(*it))
                return std::prev(it.base());
            if (isTableBound(*it) || scope.contains(*it))
                break;
        }
        return fOpen.end();
    }

    void push(const cToken &token)
    {
        if (int(fOpen.size()) >= kDeepNesting)
            --fDeepLeft;
        fOpenHidden.push_back(hiding() || hidesItsContent(token.text));
        fOpen.push_back(token.name);
        fOut += token.text;
    }

    void popThrough(cOpenElement element)
    {
        for (auto count = std::distance(element, fOpen.end()); count > 0; --count)
            popTop();
    }

    void popTop()
    {
        fOut += u"</"_s + (fOpen.back() == kTextRow ? u"div"_s : fOpen.back()) + u'>';
        if (fTextRow == qsizetype(fOpen.size()) - 1)
            fTextRow = -1;
        fOpen.pop_back();
        fOpenHidden.pop_back();
    }

    std::vector<int> fTableDepths;
    std::size_t fNextTable = 0;
    int fDepthCap = 0;
    std::vector<cOpenTable> fTables; // every table open, and how it is written
    std::vector<QString> fOpen;
    qsizetype fTextRow = -1; // where in fOpen the row of a table shown as text stands, if one does
    qsizetype fTextRowStart = 0; // where in fOut its content starts
    int fDeepLeft = kDeepElements;
    std::vector<bool> fOpenHidden; // by fOpen: whether it or an element around it is hidden
    QString fOut;
};

} // namespace

QString BoundedPreviewHtml(const QString &html)
{
    const std::vector<cToken> tokens = cHtmlScanner(html).Scan();
    return cHtmlBounder(affordedTableDepths(tokens)).Write(tokens);
}
