// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kinds of mail folder: the five fixed folders every mail tree has, in the order the folder
// tree lists them, the Junk folder, fixed as well but made only when the junk filter first files
// mail there, and the folders the user makes. The names are the directories on disk.
#include <QString>
#include <array>

enum class eFolderKind { Inbox, Unsent, SentItems, Unfinished, Trash, Junk, User };

inline constexpr std::array kFixedFolderKinds{eFolderKind::Inbox, eFolderKind::Unsent, eFolderKind::SentItems,
                                              eFolderKind::Unfinished, eFolderKind::Trash};
// Fixed folders that exist only once something made them; the tree lists them after the others.
inline constexpr std::array kOnDemandFolderKinds{eFolderKind::Junk};

// The directory name of a fixed folder; empty for a user folder, which has a name of its own.
inline QString FolderName(eFolderKind kind)
{
    switch (kind) {
    case eFolderKind::Inbox: return QStringLiteral("Inbox");
    case eFolderKind::Unsent: return QStringLiteral("Unsent");
    case eFolderKind::SentItems: return QStringLiteral("Sent items");
    case eFolderKind::Unfinished: return QStringLiteral("Unfinished");
    case eFolderKind::Trash: return QStringLiteral("Trash");
    case eFolderKind::Junk: return QStringLiteral("Junk");
    case eFolderKind::User: break;
    }
    return {};
}

// Unsent and Sent items hold outgoing mail, so their lists name the recipients, not the sender.
inline bool HoldsOutgoingMail(eFolderKind kind)
{
    return kind == eFolderKind::Unsent || kind == eFolderKind::SentItems;
}
