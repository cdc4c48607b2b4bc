// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/PartNesting.h"

#include "mime/NestingGuard.h"

#include <QByteArrayView>

#include <algorithm>

namespace {

struct cLevel
{
    QList<QByteArray> delimiters; // "--" + boundary, one per boundary the part might mean
    int depth; // of the parts that open inside it
};

enum class eBoundary
{
    None,
    Delimiter,
    End
};

struct cMatch
{
    eBoundary kind = eBoundary::None;
    qsizetype level = -1;
};

QByteArray unquoted(QByteArray value)
{
    value = value.trimmed();
    if (!value.startsWith('"'))
        return value;
    QByteArray text;
    for (qsizetype i = 1; i < value.size() && value.at(i) != '"'; ++i)
        text += value.at(value.at(i) == '\\' && i + 1 < value.size() ? ++i : i);
    return text;
}

QList<QByteArray> parameters(const QByteArray &value)
{
    QList<QByteArray> result;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= value.size(); ++i) {
        const char c = i < value.size() ? value.at(i) : ';';
        if (c == '\\' && quoted)
            ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == ';' && !quoted) {
            result.append(value.mid(start, i - start));
            start = i + 1;
        }
    }
    return result;
}

// RFC 2231 sections ("boundary*0*=utf-8''a%20b; boundary*1=c") joined in their order.
QByteArray extendedValue(QList<std::pair<int, QByteArray>> sections)
{
    std::sort(sections.begin(), sections.end());
    QByteArray joined;
    for (const auto &[number, section] : sections)
        joined += section;
    return joined;
}

// Every boundary a Content-Type value may declare: the library may take any of them.
QList<QByteArray> boundariesOf(const QByteArray &value)
{
    QList<QByteArray> found;
    QList<std::pair<int, QByteArray>> sections;
    for (const QByteArray &parameter : parameters(value)) {
        const qsizetype equals = parameter.indexOf('=');
        const QByteArray name = parameter.first(std::max<qsizetype>(equals, 0)).trimmed().toLower();
        if (equals < 0 || !name.startsWith("boundary"))
            continue;
        QByteArray text = unquoted(parameter.mid(equals + 1));
        if (name == "boundary") {
            found.append(text);
            continue;
        }
        if (name.endsWith('*')) {
            const qsizetype quote = text.lastIndexOf('\'');
            text = QByteArray::fromPercentEncoding(text.mid(quote + 1));
        }
        sections.append({name.mid(9).chopped(name.endsWith('*') ? 1 : 0).toInt(), text});
    }
    if (!sections.isEmpty())
        found.append(extendedValue(sections));
    found.removeAll(QByteArray());
    return found;
}

QByteArrayView lineText(QByteArrayView line)
{
    while (!line.isEmpty() && QByteArrayView("\r\n").contains(line.back()))
        line.chop(1);
    return line;
}

class cScan
{
public:
    explicit cScan(const QByteArray &raw) : fRaw(raw) { }

    QList<qsizetype> Run()
    {
        for (qsizetype start = 0; start < fRaw.size();) {
            const qsizetype feed = fRaw.indexOf('\n', start);
            const qsizetype end = feed < 0 ? fRaw.size() : feed + 1;
            takeLine(start, QByteArrayView(fRaw).sliced(start, end - start));
            start = end;
        }
        return fHidden;
    }

private:
    struct cField
    {
        qsizetype start;
        QByteArray value;
    };

    // Like the library: a line that starts with an end delimiter of any part around ends it, and
    // one that is a delimiter and white space opens that part's next part.
    cMatch boundaryOf(QByteArrayView text) const
    {
        if (!text.startsWith("--"))
            return {};
        for (qsizetype level = fLevels.size() - 1; level >= 0; --level) {
            for (const QByteArray &delimiter : fLevels.at(level).delimiters) {
                if (!text.startsWith(delimiter))
                    continue;
                const QByteArrayView rest = text.sliced(delimiter.size());
                if (rest.startsWith("--"))
                    return {eBoundary::End, level};
                if (rest.trimmed().isEmpty())
                    return {eBoundary::Delimiter, level};
            }
        }
        return {};
    }

    void takeLine(qsizetype start, QByteArrayView line)
    {
        const QByteArrayView text = lineText(line);
        if (boundaryOf(text).kind != eBoundary::None) {
            if (fInHeader)
                endHeader();
            return takeBoundary(boundaryOf(text)); // the header may have opened a level
        }
        if (!fInHeader)
            return;
        if (text.trimmed().isEmpty())
            return endHeader();
        if ((text.startsWith(' ') || text.startsWith('\t')) && fFolding)
            fFields.last().value += text.toByteArray();
        else
            startField(start, text);
    }

    void takeBoundary(const cMatch &match)
    {
        fInHeader = false;
        fLevels.resize(match.level + (match.kind == eBoundary::End ? 0 : 1));
        if (match.kind == eBoundary::Delimiter)
            openHeader(fLevels.last().depth);
    }

    void startField(qsizetype start, QByteArrayView text)
    {
        const qsizetype colon = text.indexOf(':');
        fFolding = colon > 0 && text.first(colon).trimmed().compare("content-type", Qt::CaseInsensitive) == 0;
        if (fFolding)
            fFields.append({start, text.sliced(colon + 1).toByteArray()});
    }

    void openHeader(int depth)
    {
        fInHeader = true;
        fFolding = false;
        fDepth = depth;
        fFields.clear();
    }

    void endHeader()
    {
        fInHeader = false;
        QList<QByteArray> delimiters;
        bool multipart = false;
        bool message = false;
        for (const cField &field : std::as_const(fFields)) {
            const QByteArray type = field.value.split(';').constFirst().trimmed().toLower();
            multipart = multipart || type.startsWith("multipart/");
            message = message || type.startsWith("message/");
            for (const QByteArray &boundary : boundariesOf(field.value))
                delimiters.append("--" + boundary);
        }
        if ((multipart || message) && fDepth >= kMaxNesting) {
            for (const cField &field : std::as_const(fFields))
                fHidden.append(field.start);
        } else if (multipart && !delimiters.isEmpty()) {
            // The library takes the first or the last; thousands more would slow every line.
            if (delimiters.size() > 2)
                delimiters = {delimiters.constFirst(), delimiters.constLast()};
            fLevels.append({delimiters, fDepth + 1});
        } else if (message) {
            openHeader(fDepth + 1); // an attached message's header starts right away
        }
    }

    const QByteArray &fRaw;
    QList<cLevel> fLevels;
    QList<cField> fFields;
    QList<qsizetype> fHidden;
    int fDepth = 0;
    bool fInHeader = true;
    bool fFolding = false;
};

} // namespace

QList<qsizetype> DeepContentTypes(const QByteArray &raw)
{
    return cScan(raw).Run();
}
