// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mail folders as the search index sees them: their names and directories, read from a
// store once on the thread that owns it, so an update on a worker thread never asks the store
// (which may be gone by then). Made from the store wherever one is passed.
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class cMailStore;

class cIndexedFolders
{
public:
    // None.
    cIndexedFolders() = default;
    cIndexedFolders(const cMailStore &store);

    // Those a full update covers: the store's, but the ones made on demand (Junk).
    const QStringList &Indexed() const { return fIndexed; }
    // The directory of any folder of the store, its name taken without regard to case; empty
    // for one the store does not have.
    QString DirectoryOf(const QString &folder) const;

private:
    std::vector<std::pair<QString, QString>> fDirectories; // folder, directory
    QStringList fIndexed;
};
