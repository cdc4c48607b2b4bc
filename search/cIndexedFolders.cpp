// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/cIndexedFolders.h"

#include "storage/cMailStore.h"

#include <algorithm>

cIndexedFolders::cIndexedFolders(const cMailStore &store)
{
    for (const QString &folder : store.Folders()) {
        fDirectories.emplace_back(folder, store.FolderDirectory(folder));
        if (std::ranges::find(kOnDemandFolderKinds, cMailStore::KindOf(folder)) == kOnDemandFolderKinds.end())
            fIndexed.append(folder);
    }
}

QString cIndexedFolders::DirectoryOf(const QString &folder) const
{
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (const auto &[name, directory] : fDirectories)
            if (name.compare(folder, sensitivity) == 0)
                return directory;
    return {};
}
