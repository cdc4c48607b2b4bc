// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainCommands.h"

#include <QtGlobal>
#include <array>

namespace {

using enum eMainCommand;
using P = eCommandPlace;
using R = eCommandRule;

const std::array kCommands{
    cMainCommand{.id = tb_NewMessage, .place = P::Toolbar, .name = "tb_NewMessage",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "New"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "New message"),
                 .icon = "mail-message-new"},
    cMainCommand{.id = tb_Reply, .place = P::Toolbar, .name = "tb_Reply",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Reply"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Reply to author"),
                 .icon = "mail-reply-sender", .rule = R::NeedsMessage},
    cMainCommand{.id = tb_Delete, .place = P::Toolbar, .name = "tb_Delete",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Delete"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Delete message"),
                 .icon = "edit-delete", .rule = R::NeedsMessage},
    cMainCommand{.id = tb_Junk, .place = P::Toolbar, .name = "tb_Junk",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Junk"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Mark as junk"),
                 .icon = "mail-mark-junk", .rule = R::NeedsMessage},
    cMainCommand{.id = TB_Receive, .place = P::Toolbar, .name = "TB_Receive",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Receive"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Check for mail"),
                 .icon = "mail-receive", .separatorBefore = true},
    cMainCommand{.id = tbAccounts, .place = P::Toolbar, .name = "tbAccounts",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Accounts"),
                 .hint = QT_TRANSLATE_NOOP("TfrmMain", "Account management"), .icon = "system-users",
                 .separatorBefore = true},
    cMainCommand{.id = tb_AddressBook, .place = P::Toolbar, .name = "tb_AddressBook",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Addresses"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Address book"),
                 .icon = "x-office-address-book"},
    cMainCommand{.id = tb_Windows, .place = P::Toolbar, .name = "tb_Windows",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Windows"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Window list"),
                 .icon = "ravelin-window-list", .rule = R::WindowList, .separatorBefore = true},
    cMainCommand{.id = tbEmptyTrash, .place = P::Toolbar, .name = "tbEmptyTrash",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Empty Trash"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Empty Trash"),
                 .icon = "user-trash-full", .separatorBefore = true},

    cMainCommand{.id = mnuFile_Folder_New, .place = P::FolderMenu, .name = "mnuFile_Folder_New",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&New folder")},
    cMainCommand{.id = mnuFile_Folder_Rename, .place = P::FolderMenu, .name = "mnuFile_Folder_Rename",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Rename folder"), .rule = R::UserFolder},
    cMainCommand{.id = mnuFile_Folder_Delete, .place = P::FolderMenu, .name = "mnuFile_Folder_Delete",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Delete folder"), .rule = R::Deletable},
    cMainCommand{.id = mnuFile_Folder_Empty, .place = P::FolderMenu, .name = "mnuFile_Folder_Empty",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Empty")},
    cMainCommand{.id = mnuFile_Folder_SaveSearch, .place = P::FolderMenu, .name = "mnuFile_Folder_SaveSearch",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Save search..."), .separatorBefore = true},
    cMainCommand{.id = mnuFile_CopyTo, .place = P::FileMenu, .name = "mnuFile_CopyTo",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Copy message to..."), .rule = R::NeedsMessage},
    cMainCommand{.id = mnuFile_MoveTo, .place = P::FileMenu, .name = "mnuFile_MoveTo",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Move message to..."), .rule = R::NeedsMessage},
    cMainCommand{.id = mnuFile_Print, .place = P::FileMenu, .name = "mnuFile_Print",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Print..."), .rule = R::NeedsMessage},

    cMainCommand{.id = mnuEdit_Undo, .place = P::EditMenu, .name = "mnuEdit_Undo",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Undo"), .shortcut = "Ctrl+Z",
                 .rule = R::Undo},

    cMainCommand{.id = mnuView_Toolbar, .place = P::ViewMenu, .name = "mnuView_Toolbar",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Toolbar"), .checkable = true},
    cMainCommand{.id = mnuView_ContactPane, .place = P::ViewMenu, .name = "mnuView_ContactPane",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Contact Pane"), .checkable = true},
    cMainCommand{.id = mnuView_StatusBar, .place = P::ViewMenu, .name = "mnuView_StatusBar",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Status bar"), .checkable = true},
    cMainCommand{.id = mnuView_PreferPlainText, .place = P::ViewMenu, .name = "mnuView_PreferPlainText",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Prefer plain text"), .checkable = true},
    // The list's header from the keyboard: the same column again sorts the other way round.
    cMainCommand{.id = mnuView_SortSubject, .place = P::ViewMenu, .name = "mnuView_SortSubject",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Sort by s&ubject"), .separatorBefore = true},
    cMainCommand{.id = mnuView_SortPerson, .place = P::ViewMenu, .name = "mnuView_SortPerson",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Sort by &name")},
    cMainCommand{.id = mnuView_SortAttachment, .place = P::ViewMenu, .name = "mnuView_SortAttachment",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Sort by &attachment")},
    cMainCommand{.id = mnuView_SortDate, .place = P::ViewMenu, .name = "mnuView_SortDate",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Sort by &date")},
    // Left and Right collapse and expand the thread of the current message.
    cMainCommand{.id = mnuView_Threads, .place = P::ViewMenu, .name = "mnuView_Threads",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Threads"), .checkable = true, .separatorBefore = true},
    // Conversations of the shown folder with their messages from other folders.
    cMainCommand{.id = mnuView_ThreadsAcross, .place = P::ViewMenu, .name = "mnuView_ThreadsAcross",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Threads across folders"), .checkable = true},

    cMainCommand{.id = mnuTools_NewMessage, .place = P::ToolsMenu, .name = "mnuTools_NewMessage",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "New message"), .shortcut = "Ctrl+N"},
    cMainCommand{.id = mnuTools_Reply, .place = P::ToolsMenu, .name = "mnuTools_Reply",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Reply to author"), .shortcut = "Ctrl+R",
                 .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_ReplyQuoted, .place = P::ToolsMenu, .name = "mnuTools_ReplyQuoted",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Reply quoted"), .shortcut = "Ctrl+Q", .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_ReplyAll, .place = P::ToolsMenu, .name = "mnuTools_ReplyAll",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Reply &all"), .hint = QT_TRANSLATE_NOOP("TfrmMain", "Reply to the author and every recipient"),
                 .icon = "mail-reply-all", .shortcut = "Ctrl+Shift+R", .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_Forward, .place = P::ToolsMenu, .name = "mnuTools_Forward",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Forward message"), .shortcut = "Ctrl+F",
                 .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_ForwardAsAttachment, .place = P::ToolsMenu, .name = "mnuTools_ForwardAsAttachment",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Forward as attachment"), .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_Delete, .place = P::ToolsMenu, .name = "mnuTools_Delete",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Delete"), .shortcut = "Del", .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_AddSender, .place = P::ToolsMenu, .name = "mnuTools_AddSender",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Add sender to address book"), .rule = R::NeedsMessage},
    cMainCommand{.id = mnuTools_SendUnsent, .place = P::ToolsMenu, .name = "mnuTools_SendUnsent",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Send unsent messages"), .separatorBefore = true},
    cMainCommand{.id = mnuTools_CheckMail, .place = P::ToolsMenu, .name = "mnuTools_CheckMail",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Check for new mail"), .shortcut = "Ctrl+M"},
    cMainCommand{.id = mnuTools_CheckMailUsing, .place = P::ToolsMenu, .name = "mnuTools_CheckMailUsing",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Check for new mail using...")},
    cMainCommand{.id = mnuTools_MessageRules, .place = P::ToolsMenu, .name = "mnuTools_MessageRules",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Message rules...")},
    cMainCommand{.id = mnuTools_RunRules, .place = P::ToolsMenu, .name = "mnuTools_RunRules",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Run rules on this folder")},
    cMainCommand{.id = mnuTools_Signatures, .place = P::ToolsMenu, .name = "mnuTools_Signatures",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Manage signatures"), .separatorBefore = true},
    cMainCommand{.id = mnuTools_Accounts, .place = P::ToolsMenu, .name = "mnuTools_Accounts",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Accounts...")},
    cMainCommand{.id = mnuTools_Options, .place = P::ToolsMenu, .name = "mnuTools_Options",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Options")},

    cMainCommand{.id = mnuHelp_About, .place = P::HelpMenu, .name = "mnuHelp_About",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&About...")},

    cMainCommand{.id = popMsgs_SendNow, .place = P::Popup, .name = "popMsgs_SendNow",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Send now"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_Forward, .place = P::Popup, .name = "popMsgs_Forward",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Forward"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_MarkRead, .place = P::Popup, .name = "popMsgs_MarkRead",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Mark as read"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_MarkUnread, .place = P::Popup, .name = "popMsgs_MarkUnread",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Mark as unread"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_MarkJunk, .place = P::Popup, .name = "popMsgs_MarkJunk",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Mark as junk"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_NotJunk, .place = P::Popup, .name = "popMsgs_NotJunk",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Not junk"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_RunRules, .place = P::Popup, .name = "popMsgs_RunRules",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Run rules on these messages"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMsgs_Properties, .place = P::Popup, .name = "popMsgs_Properties",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Properties"), .rule = R::NeedsMessage},
    cMainCommand{.id = popMessage_Copy, .place = P::Popup, .name = "popMessage_Copy",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Copy to clipboard"), .rule = R::PreviewText},
    cMainCommand{.id = popMessage_Launch, .place = P::Popup, .name = "popMessage_Launch",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Launch as hyperlink"), .rule = R::PreviewText},
    cMainCommand{.id = popMessage_SelectAll, .place = P::Popup, .name = "popMessage_SelectAll",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Select all")},
    cMainCommand{.id = popMessage_ViewSource, .place = P::Popup, .name = "popMessage_ViewSource",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "View s&ource"), .rule = R::Original},
    cMainCommand{.id = popMessage_SaveEml, .place = P::Popup, .name = "popMessage_SaveEml",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Save as .&eml..."), .rule = R::Original},
    cMainCommand{.id = popFolders_Rename, .place = P::Popup, .name = "popFolders_Rename",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Rename"), .rule = R::UserFolder},
    cMainCommand{.id = popFolders_Delete, .place = P::Popup, .name = "popFolders_Delete",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Delete"), .rule = R::Deletable},
    cMainCommand{.id = popFolders_Empty, .place = P::Popup, .name = "popFolders_Empty",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Empty")},
    cMainCommand{.id = popFolders_LearnJunk, .place = P::Popup, .name = "popFolders_LearnJunk",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Learn from this folder as junk")},
    cMainCommand{.id = popFolders_LearnNotJunk, .place = P::Popup, .name = "popFolders_LearnNotJunk",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Learn from this folder as not junk")},
    cMainCommand{.id = popAttachment_Open, .place = P::Popup, .name = "popAttachment_Open",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Open"), .rule = R::Attachment},
    cMainCommand{.id = popAttachment_SaveAs, .place = P::Popup, .name = "popAttachment_SaveAs",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Save as..."), .rule = R::Attachment},
    cMainCommand{.id = popAttachment_OpenFolder, .place = P::Popup, .name = "popAttachment_OpenFolder",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "Open attachments folder")},
    cMainCommand{.id = popTray_Show, .place = P::Popup, .name = "popTray_Show",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Show")},
    cMainCommand{.id = popTray_NewMessage, .place = P::Popup, .name = "popTray_NewMessage",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&New message")},
    cMainCommand{.id = popTray_AddressBook, .place = P::Popup, .name = "popTray_AddressBook",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Address book")},
    cMainCommand{.id = popTray_CheckMail, .place = P::Popup, .name = "popTray_CheckMail",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Check for new messages")},
    cMainCommand{.id = popTray_SendUnsent, .place = P::Popup, .name = "popTray_SendUnsent",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Send unsent mail")},
    cMainCommand{.id = popTray_Close, .place = P::Popup, .name = "popTray_Close",
                 .text = QT_TRANSLATE_NOOP("TfrmMain", "&Close")},
};

constexpr eMainCommand kSeparator = eMainCommand::Count;

const std::array kMsgsItems{popMsgs_SendNow,       mnuTools_Reply,   mnuTools_ReplyQuoted, mnuTools_ReplyAll, popMsgs_Forward,
                            mnuTools_ForwardAsAttachment, mnuTools_AddSender, kSeparator, mnuFile_CopyTo,
                            mnuFile_MoveTo,        kSeparator,       popMsgs_MarkRead,     popMsgs_MarkUnread,
                            popMsgs_MarkJunk,      popMsgs_NotJunk,  popMsgs_RunRules, kSeparator,            mnuTools_Delete,  popMsgs_Properties};
const std::array kMessageItems{popMessage_Copy,       popMessage_Launch, kSeparator, popMessage_SelectAll,
                               kSeparator,            popMessage_ViewSource, popMessage_SaveEml};
const std::array kFolderItems{mnuFile_Folder_New, popFolders_Rename,   popFolders_Delete,      kSeparator,
                              popFolders_Empty,   kSeparator,          popFolders_LearnJunk, popFolders_LearnNotJunk};
const std::array kAttachmentItems{popAttachment_Open, popAttachment_SaveAs, popAttachment_OpenFolder};
const std::array kTrayItems{popTray_Show,     kSeparator,         popTray_NewMessage, popTray_AddressBook,
                            popTray_CheckMail, popTray_SendUnsent, kSeparator,         popTray_Close};

} // namespace

std::span<const cMainCommand> MainCommands()
{
    return kCommands;
}

std::span<const eMainCommand> PopupCommands(ePopup popup)
{
    switch (popup) {
    case ePopup::popMsgs: return kMsgsItems;
    case ePopup::popMessage: return kMessageItems;
    case ePopup::popFolders: return kFolderItems;
    case ePopup::popAttachment: return kAttachmentItems;
    case ePopup::popTray: return kTrayItems;
    }
    return {};
}

const char *PopupName(ePopup popup)
{
    static constexpr std::array names{"popMsgs", "popMessage", "popFolders", "popAttachment", "popTray"};
    return names.at(static_cast<std::size_t>(popup));
}
