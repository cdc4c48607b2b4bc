// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/NestingGuard.h"

#include <QList>

#include <algorithm>

namespace {

// Every field the library parses as an address list when it builds a message.
const QList<QByteArray> kAddressFields = {"from",      "sender",        "reply-to",        "to",
                                          "cc",        "bcc",           "resent-from",     "resent-sender",
                                          "resent-to", "resent-cc",     "resent-bcc",      "resent-reply-to"};

struct cLine
{
    qsizetype start;
    qsizetype end; // after its line feed
};

cLine lineAt(const QByteArray &raw, qsizetype start)
{
    const qsizetype feed = raw.indexOf('\n', start);
    return {start, feed < 0 ? raw.size() : feed + 1};
}

constexpr qsizetype kLongestAddressField = 16;

// Where the value of the address field that line starts begins; 0 when it starts none.
qsizetype addressValueStart(QByteArrayView line)
{
    const qsizetype colon = line.first(std::min(line.size(), kLongestAddressField)).indexOf(':');
    if (colon <= 0)
        return 0;
    const QByteArray name = line.first(colon).trimmed().toByteArray().toLower();
    return kAddressFields.contains(name) ? colon + 1 : 0;
}

bool continues(const QByteArray &raw, qsizetype at)
{
    return at < raw.size() && (raw.at(at) == ' ' || raw.at(at) == '\t');
}

} // namespace

int AddressNesting(QByteArrayView value)
{
    int groups = 0;
    int comments = 0;
    int deepest = 0;
    bool quoted = false;
    bool angle = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == '\\') {
            ++i;
            continue;
        }
        if (quoted) {
            quoted = c != '"';
            continue;
        }
        if (c == '(')
            ++comments;
        else if (c == ')' && comments > 0)
            --comments;
        else if (comments > 0)
            continue;
        else if (c == '"')
            quoted = true;
        else if (c == '<' || c == '>')
            angle = c == '<';
        else if (c == ':' && !angle)
            ++groups;
        else if (c == ';' && groups > 0)
            --groups;
        deepest = std::max(deepest, groups + comments);
    }
    return deepest;
}

QByteArray HiddenFieldName(const QByteArray &field)
{
    return "X-Ravelin-Unparsed-" + field;
}

QList<qsizetype> DeepAddressFields(const QByteArray &raw)
{
    QList<qsizetype> deepFields;
    qsizetype start = 0;
    while (start < raw.size()) {
        cLine line = lineAt(raw, start);
        const qsizetype value = addressValueStart(QByteArrayView(raw).sliced(line.start, line.end - line.start));
        if (value > 0) {
            while (continues(raw, line.end))
                line.end = lineAt(raw, line.end).end;
            const qsizetype from = line.start + value;
            if (AddressNesting(QByteArrayView(raw).sliced(from, line.end - from)) > kMaxNesting)
                deepFields.append(line.start);
        }
        start = line.end;
    }
    return deepFields;
}

QByteArray WithFieldsHidden(const QByteArray &raw, const QList<qsizetype> &fieldStarts)
{
    if (fieldStarts.isEmpty())
        return raw;
    const QByteArray prefix = HiddenFieldName({});
    QByteArray hidden;
    hidden.reserve(raw.size() + fieldStarts.size() * prefix.size());
    qsizetype copied = 0;
    for (const qsizetype at : fieldStarts) {
        hidden.append(QByteArrayView(raw).sliced(copied, at - copied)).append(prefix);
        copied = at;
    }
    return hidden.append(QByteArrayView(raw).sliced(copied));
}

qsizetype RawOffset(qsizetype hiddenOffset, const QList<qsizetype> &fieldStarts)
{
    const qsizetype width = HiddenFieldName({}).size();
    // How many names were put in at or before hiddenOffset: a mail may hold many.
    qsizetype low = 0;
    qsizetype high = fieldStarts.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (fieldStarts.at(middle) + middle * width <= hiddenOffset)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && hiddenOffset < fieldStarts.at(low - 1) + low * width)
        return fieldStarts.at(low - 1); // within a name put in: its field
    return hiddenOffset - low * width;
}
