// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchText.h"

#include <QHash>

#include <algorithm>

namespace {

bool isIdeograph(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x9FFF)     // radicals, kana, CJK symbols and unified ideographs
           || (c >= 0xAC00 && c <= 0xD7AF)  // Hangul syllables
           || (c >= 0xF900 && c <= 0xFAFF)  // compatibility ideographs
           || (c >= 0xFF66 && c <= 0xFF9F)  // half-width katakana
           || (c >= 0x20000 && c <= 0x3FFFF); // supplementary ideographs
}

QString entity(QStringView name)
{
    static const QHash<QString, QString> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QStringLiteral(" ");
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    return named.value(name.toString().toLower(), QStringLiteral(" "));
}

// Where the element that opens at `at` ends: past its closing tag for script and style,
// else past its own ">".
qsizetype skipElement(const QString &html, qsizetype at)
{
    for (const QLatin1String raw : {QLatin1String("script"), QLatin1String("style")}) {
        if (QStringView(html).mid(at + 1, raw.size()).compare(raw, Qt::CaseInsensitive) == 0) {
            const qsizetype close = html.indexOf(QLatin1String("</") + raw, at, Qt::CaseInsensitive);
            if (close < 0)
                return html.size();
            at = close;
            break;
        }
    }
    if (html.mid(at, 4) == QLatin1String("<!--")) {
        const qsizetype close = html.indexOf(QLatin1String("-->"), at);
        return close < 0 ? html.size() : close + 3;
    }
    const qsizetype close = html.indexOf(u'>', at);
    return close < 0 ? html.size() : close + 1;
}

} // namespace

QString SpacedIdeographs(const QString &text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x2E80; }))
        return text;
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (isIdeograph(c)) {
            result += u' ';
            result += QString::fromUcs4(&c, 1);
            result += u' ';
        } else {
            result += QString::fromUcs4(&c, 1);
        }
    }
    return result;
}

QString HtmlText(const QString &html)
{
    QString text;
    text.reserve(html.size());
    for (qsizetype at = 0; at < html.size();) {
        const QChar c = html.at(at);
        if (c == u'<') {
            at = skipElement(html, at);
            text += u' ';
        } else if (c == u'&') {
            const qsizetype semicolon = html.indexOf(u';', at);
            const QStringView name = QStringView(html).mid(at + 1, semicolon - at - 1);
            const bool reference = semicolon > at + 1 && semicolon - at <= 10
                                   && std::all_of(name.cbegin(), name.cend(), [](QChar n) { return n.isLetterOrNumber() || n == u'#'; });
            if (!reference) {
                text += c;
                ++at;
                continue;
            }
            text += entity(name);
            at = semicolon + 1;
        } else {
            text += c;
            ++at;
        }
    }
    return text;
}
