#pragma once
// The images of the main window, by the numbers its lists use: the folder tree (one per fixed
// folder by FolderKind, then the user folders), the message list (plain, status, HTML,
// unread), the tray (normal, new mail), the toolbar and the attachment mark. Each comes from
// the desktop's icon theme when it has one, else from a drawing of our own, so the window
// looks whole on a bare system.
#include <QIcon>

namespace FolderImage {
inline constexpr int Inbox = 0;
inline constexpr int Unsent = 1;
inline constexpr int SentItems = 2;
inline constexpr int Unfinished = 3;
inline constexpr int Trash = 4;
inline constexpr int UserFolder = 5;
} // namespace FolderImage

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

enum class eCommandImage { NewMessage, Reply, Delete, Receive, Accounts, AddressBook, Windows, EmptyTrash };

QIcon FolderIcon(int index);
// A null icon for numbers without a role.
QIcon MessageIcon(int index);
QIcon TrayIcon(int index);
QIcon CommandIcon(eCommandImage command);
QIcon AttachmentIcon();
QIcon ProgramIcon();
// The desktop's image for the type of a file, judged by its name.
QIcon FileTypeIcon(const QString &path);
