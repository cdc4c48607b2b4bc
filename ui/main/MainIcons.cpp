// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainIcons.h"

#include "ui/icons/ThemedIcon.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

using namespace Qt::StringLiterals;

QIcon FolderIcon(eFolderKind kind)
{
    switch (kind) {
    case eFolderKind::Inbox: return ThemedIcon(u"ravelin-folder-inbox"_s);
    case eFolderKind::Unsent: return ThemedIcon(u"ravelin-folder-unsent"_s);
    case eFolderKind::SentItems: return ThemedIcon(u"ravelin-folder-sent"_s);
    case eFolderKind::Unfinished: return ThemedIcon(u"ravelin-folder-unfinished"_s);
    case eFolderKind::Trash: return ThemedIcon(u"user-trash"_s);
    case eFolderKind::Junk: return ThemedIcon(u"mail-mark-junk"_s);
    case eFolderKind::User: break;
    }
    return ThemedIcon(u"folder"_s);
}

QIcon MessageIcon(int index)
{
    switch (index) {
    case MsgImage::Plain: return ThemedIcon(u"mail-read"_s);
    case MsgImage::Status: return ThemedIcon(u"dialog-information"_s);
    case MsgImage::Html: return ThemedIcon(u"ravelin-mail-html"_s);
    // The closed envelope is the program's own image.
    case MsgImage::Unread: return QIcon::fromTheme(u"mail-unread"_s, BundledIcon(u"ravelin"_s));
    default: return {};
    }
}

QIcon TrayIcon(int index)
{
    return index == TrayImage::NewMail ? ThemedIcon(u"ravelin-new-mail"_s) : ProgramIcon();
}

QIcon AttachmentIcon()
{
    return ThemedIcon(u"mail-attachment"_s);
}

QIcon ProgramIcon()
{
    return ThemedIcon(u"ravelin"_s);
}

QIcon FileTypeIcon(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const QIcon generic = QIcon::fromTheme(type.genericIconName(), QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    return QIcon::fromTheme(type.iconName(), generic);
}
