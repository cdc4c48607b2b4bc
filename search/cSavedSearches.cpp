// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cSavedSearches.h"

#include "storage/AtomicFile.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"

#include <algorithm>

namespace {

// A value is one line of the file whatever was typed or pasted.
QByteArray oneLine(const QString &text)
{
    return text.simplified().toUtf8();
}

bool sameName(const cSavedSearch &search, const QString &name)
{
    return search.name.compare(name.simplified(), Qt::CaseInsensitive) == 0;
}

} // namespace

QString cSavedSearches::FilePath()
{
    return ProgramFolder() + QStringLiteral("/Ravelin2 Searches.ini");
}

std::vector<cSavedSearch> cSavedSearches::Read()
{
    const cIniFile file(FilePath());
    std::vector<cSavedSearch> searches;
    for (const QString &section : file.readSections()) {
        const cIniSection keys = file.readSection(section);
        cSavedSearch search{keys.text("Name"), keys.text("Query")};
        if (!search.name.isEmpty() && !search.query.isEmpty())
            searches.push_back(std::move(search));
    }
    return searches;
}

cResult cSavedSearches::Save(const cSavedSearch &search)
{
    std::vector<cSavedSearch> searches = Read();
    const cSavedSearch saved{search.name.simplified(), search.query.simplified()};
    const auto same = std::find_if(searches.begin(), searches.end(),
                                   [&saved](const cSavedSearch &s) { return sameName(s, saved.name); });
    if (same != searches.end())
        *same = saved;
    else
        searches.push_back(saved);
    return Write(searches);
}

cResult cSavedSearches::Remove(const QString &name)
{
    std::vector<cSavedSearch> searches = Read();
    std::erase_if(searches, [&name](const cSavedSearch &s) { return sameName(s, name); });
    return Write(searches);
}

cResult cSavedSearches::Write(const std::vector<cSavedSearch> &searches)
{
    QByteArray text;
    for (std::size_t at = 0; at < searches.size(); ++at)
        text += "[Search" + QByteArray::number(at + 1) + "]\r\nName=" + oneLine(searches[at].name) + "\r\nQuery="
                + oneLine(searches[at].query) + "\r\n";
    return WriteFileAtomically(FilePath(), text);
}
