// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets of the main window that its command classes work on, handed to them when the
// window makes them. The contacts pane changes once, when app hands the real one over.
class QListWidget;
class QSystemTrayIcon;
class QTimer;
class QTreeWidget;
class cAttachmentList;
class cMessageList;
class cPreviewPane;

struct cMainParts
{
    cMessageList *lstMsgs = nullptr;
    QTreeWidget *lstFolders = nullptr;
    cPreviewPane *previewPane = nullptr;
    cAttachmentList *lstAttachments = nullptr;
    QListWidget *lstContacts = nullptr;
    QSystemTrayIcon *RxTrayIcon = nullptr;
    QTimer *tmrReadUnread = nullptr;
};
