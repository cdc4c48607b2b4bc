// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computed texts and images of the main window, apart from the window so that they are
// tested without one: the message list's columns and entries, the message count, the mail
// check period and which preview links are handed to the desktop.
#include "storage/cFolderIndex.h"
#include "storage/cMailStore.h"
#include "storage/cMailMessage.h"
#include "storage/eFolderKind.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <utility>
#include <vector>

namespace MsgColumn {
inline constexpr int Subject = 0;
inline constexpr int Person = 1; // the sender, or the recipients where the folder shows them
inline constexpr int Attachment = 2;
inline constexpr int DateTime = 3;
inline constexpr int Count = 4;
inline constexpr int Folder = Count; // shown after the others in a list of several folders
} // namespace MsgColumn

inline constexpr int kAttachmentColumnWidth = 18;

struct cMessageEntry
{
    QStringList texts; // by MsgColumn
    int icon;          // message list image
    int readIcon;      // the image the entry takes once read
};

QStringList MessageListCaptions(eFolderKind folder);
cMessageEntry MessageListEntry(const cIndexEntry &header, eFolderKind folder);
cMessageEntry MessageListEntry(const cMailMessage &header, eFolderKind folder);
int ReadIcon(bool html);

QString MessageCountText(int count);

// The listed entries, each named by its message's key, as the message list takes them.
std::vector<cIndexEntry> IndexEntries(std::vector<cStoredEntry> listed);

// Milliseconds between mail checks, or 0 when the period cannot run: a period of no minutes
// would check without pause, and a huge one is held at the timer's limit.
int CheckTimerInterval(int minutes);

// Links that leave the program: web, mail and news addresses. Local files and relative
// links in a message are never opened from the preview.
bool IsOpenableLink(const QUrl &url);
