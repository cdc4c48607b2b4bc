// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/FolderConversations.h"

#include "storage/MailStorage.h"
#include "storage/cMailStore.h"
#include "ui/main/cMsgThreads.h"

#include <QFileInfo>
#include <QSet>

namespace {

// Deleted mail and junk stay out of the conversations they claim to belong to.
bool joinsConversations(const QString &folder)
{
    const eFolderKind kind = cMailStore::KindOf(folder);
    return kind != eFolderKind::Trash && kind != eFolderKind::Junk;
}

void appendNamed(std::vector<cIndexEntry> &entries, const QFileInfo &directory)
{
    for (cIndexEntry &entry : cFolderIndex::List(directory.filePath())) {
        entry.stamp.name = directory.fileName() + u'/' + entry.stamp.name;
        entries.push_back(std::move(entry));
    }
}

} // namespace

std::vector<cIndexEntry> FolderConversations(const QString &folder, const QStringList &folders)
{
    const QFileInfo shown(MailFolderPath(folder));
    std::vector<cIndexEntry> entries;
    appendNamed(entries, shown);
    const std::size_t own = entries.size();
    for (const QString &other : folders) {
        const QFileInfo directory(MailFolderPath(other));
        if (directory != shown && directory.isDir() && joinsConversations(other))
            appendNamed(entries, directory);
    }
    QList<cThreader::cMessage> messages;
    messages.reserve(qsizetype(entries.size()));
    for (const cIndexEntry &entry : entries)
        messages.append({entry.MessageId, entry.References, entry.Subject, entry.dateKey});
    cMsgThreads threads;
    threads.Build(messages);
    QSet<int> shownRoots;
    for (std::size_t id = 0; id < own; ++id)
        shownRoots.insert(threads.Root(int(id)));
    std::vector<cIndexEntry> related(std::make_move_iterator(entries.begin()),
                                     std::make_move_iterator(entries.begin() + qsizetype(own)));
    for (std::size_t id = own; id < entries.size(); ++id)
        if (shownRoots.contains(threads.Root(int(id))))
            related.push_back(std::move(entries[id]));
    return related;
}
