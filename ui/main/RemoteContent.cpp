// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/RemoteContent.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QRegularExpression &tagPattern()
{
    static const QRegularExpression pattern(u"<\\s*([a-zA-Z][a-zA-Z0-9:-]*)([^>]*)>"_s);
    return pattern;
}

const QRegularExpression &attributePattern()
{
    static const QRegularExpression pattern(
        u"([a-zA-Z_:][-a-zA-Z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"_s);
    return pattern;
}

// url(...) in style sheets and style attributes, and @import "..." without url().
const QRegularExpression &cssPattern()
{
    static const QRegularExpression pattern(
        u"url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^)\\s]*))\\s*\\)|@import\\s*(?:\"([^\"]*)\"|'([^']*)')"_s,
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString firstCaptured(const QRegularExpressionMatch &match, int from)
{
    for (int index = from; index <= match.lastCapturedIndex(); ++index)
        if (match.capturedStart(index) >= 0)
            return match.captured(index);
    return {};
}

QString withoutEntities(QString value)
{
    return value.replace(u"&amp;"_s, u"&"_s, Qt::CaseInsensitive).trimmed();
}

// Attributes that load what they name, whatever the element.
bool loadsAttribute(const QString &attribute)
{
    static const QStringList kLoading{u"src"_s,    u"background"_s, u"poster"_s,  u"data"_s,
                                      u"action"_s, u"formaction"_s, u"lowsrc"_s,  u"dynsrc"_s,
                                      u"codebase"_s, u"archive"_s,  u"xlink:href"_s};
    return kLoading.contains(attribute);
}

// href loads on these; on a, area and the like it is a link the reader may follow.
bool loadsHref(const QString &element)
{
    static const QStringList kLoading{u"link"_s, u"image"_s, u"use"_s, u"base"_s};
    return kLoading.contains(element);
}

QStringList srcsetAddresses(const QString &value)
{
    QStringList addresses;
    for (const QString &candidate : value.split(u',', Qt::SkipEmptyParts))
        addresses.append(candidate.trimmed().section(u' ', 0, 0));
    return addresses;
}

// <meta http-equiv="refresh" content="0; url=...">
QString refreshAddress(const QString &content)
{
    static const QRegularExpression pattern(u"url\\s*=\\s*['\"]?([^'\"\\s]+)"_s, QRegularExpression::CaseInsensitiveOption);
    return pattern.match(content).captured(1);
}

QStringList tagAddresses(const QString &element, const QString &attributes)
{
    QStringList addresses;
    for (auto it = attributePattern().globalMatch(attributes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1).toLower();
        const QString value = withoutEntities(firstCaptured(match, 2));
        if (loadsAttribute(name) || (name == u"href"_s && loadsHref(element)))
            addresses.append(value);
        else if (name == u"srcset"_s)
            addresses += srcsetAddresses(value);
        else if (name == u"content"_s && element == u"meta"_s)
            addresses.append(refreshAddress(value));
    }
    return addresses;
}

void addRemote(QStringList &found, const QString &address)
{
    if (!address.isEmpty() && IsRemoteUrl(QUrl(address)) && !found.contains(address))
        found.append(address);
}

} // namespace

bool IsRemoteUrl(const QUrl &url)
{
    static const QStringList kInMessage{u"cid"_s, u"data"_s, u"mid"_s};
    const QString scheme = url.scheme().toLower();
    return !url.host().isEmpty() || (!scheme.isEmpty() && !kInMessage.contains(scheme));
}

QStringList RemoteReferences(const QString &html)
{
    QStringList found;
    for (auto it = tagPattern().globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        for (const QString &address : tagAddresses(match.captured(1).toLower(), match.captured(2)))
            addRemote(found, address);
    }
    for (auto it = cssPattern().globalMatch(html); it.hasNext();)
        addRemote(found, withoutEntities(firstCaptured(it.next(), 1)));
    return found;
}

bool IsFetchableImageUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme.isEmpty() || scheme == u"http"_s || scheme == u"https"_s) && !url.host().isEmpty();
}

QUrl FetchedUrl(const QUrl &url)
{
    QUrl fetched = url;
    if (fetched.scheme().isEmpty())
        fetched.setScheme(u"https"_s);
    return fetched;
}
