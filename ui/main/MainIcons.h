// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The images of the main window, by the numbers its lists use: the folder tree (by folder
// kind), the message list (plain, status, HTML, unread), the tray (normal, new mail), the
// attachment mark and the program itself. Each comes from the desktop's icon theme when it has
// one, else from the drawings bundled with the program.
#include "storage/eFolderKind.h"

#include <QIcon>

namespace MsgImage {
inline constexpr int Plain = 0;
inline constexpr int Status = 1; // before the session text in the status bar
inline constexpr int Html = 4;
inline constexpr int Unread = 5;
} // namespace MsgImage

namespace TrayImage {
inline constexpr int Normal = 0;
inline constexpr int NewMail = 1;
} // namespace TrayImage

QIcon FolderIcon(eFolderKind kind);
// A null icon for numbers without a role.
QIcon MessageIcon(int index);
QIcon TrayIcon(int index);
QIcon AttachmentIcon();
QIcon ProgramIcon();
// The desktop's image for the type of a file, judged by its name.
QIcon FileTypeIcon(const QString &path);
