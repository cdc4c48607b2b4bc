// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's commands, each named once: where it shows, its text, hint, image and
// shortcut, and when it may be used. The window makes one action per entry; other parts of the
// program reach a command through its eMainCommand (TfrmMain::WireCommand), never by name.
#include <span>

// Named after the window's toolbar buttons and menu items, which carry these names as object names.
enum class eMainCommand {
    tb_NewMessage,
    tb_Reply,
    tb_Delete,
    tb_Junk,
    TB_Receive,
    tbAccounts,
    tb_AddressBook,
    tb_Windows,
    tbEmptyTrash,
    mnuFile_Folder_New,
    mnuFile_Folder_Rename,
    mnuFile_Folder_Delete,
    mnuFile_Folder_Empty,
    mnuFile_Folder_SaveSearch,
    mnuFile_CopyTo,
    mnuFile_MoveTo,
    mnuFile_Print,
    mnuEdit_Undo,
    mnuView_Toolbar,
    mnuView_ContactPane,
    mnuView_StatusBar,
    mnuView_PreferPlainText,
    mnuView_SortSubject,
    mnuView_SortPerson,
    mnuView_SortAttachment,
    mnuView_SortDate,
    mnuView_Threads,
    mnuView_ThreadsAcross,
    mnuTools_NewMessage,
    mnuTools_Reply,
    mnuTools_ReplyQuoted,
    mnuTools_ReplyAll,
    mnuTools_Forward,
    mnuTools_ForwardAsAttachment,
    mnuTools_Delete,
    mnuTools_AddSender,
    mnuTools_SendUnsent,
    mnuTools_CheckMail,
    mnuTools_CheckMailUsing,
    mnuTools_MessageRules,
    mnuTools_RunRules,
    mnuTools_Signatures,
    mnuTools_Accounts,
    mnuTools_Options,
    mnuHelp_About,
    popMsgs_SendNow,
    popMsgs_Forward,
    popMsgs_MarkRead,
    popMsgs_MarkUnread,
    popMsgs_MarkJunk,
    popMsgs_NotJunk,
    popMsgs_RunRules,
    popMsgs_Properties,
    popMessage_Copy,
    popMessage_Launch,
    popMessage_SelectAll,
    popMessage_ViewSource,
    popMessage_SaveEml,
    popFolders_Rename,
    popFolders_Delete,
    popFolders_Empty,
    popFolders_LearnJunk,
    popFolders_LearnNotJunk,
    popAttachment_Open,
    popAttachment_SaveAs,
    popAttachment_OpenFolder,
    popTray_Show,
    popTray_NewMessage,
    popTray_AddressBook,
    popTray_CheckMail,
    popTray_SendUnsent,
    popTray_Close,
    Count
};

// Pop-up items are placed by the pop-up's own list (PopupCommands), beside items of the menus.
enum class eCommandPlace { Toolbar, FolderMenu, FileMenu, EditMenu, ViewMenu, ToolsMenu, HelpMenu, Popup };

// The pop-up menus, by their object names.
enum class ePopup { popMsgs, popMessage, popFolders, popAttachment, popTray };

enum class eCommandRule {
    Wired,        // usable once something handles it
    NeedsMessage, // usable once handled, while a message is selected
    WindowList,   // opens the window list; usable while a window is listed
    UserFolder,   // usable once handled, while a user folder is shown
    Deletable,    // usable once handled, while a user folder or a saved search is shown
    PreviewText,  // usable once handled, while text of the preview is selected
    Attachment,   // usable once handled, while an attachment is selected
    Original,     // usable once handled, while the previewed message's received bytes are kept
    Undo,         // usable once handled, while a step can be taken back
};

struct cMainCommand
{
    eMainCommand id;
    eCommandPlace place;
    const char *name;
    const char *text; // translated in the context "TfrmMain"
    const char *hint = nullptr;
    const char *icon = nullptr; // a freedesktop icon name
    const char *shortcut = nullptr;
    eCommandRule rule = eCommandRule::Wired;
    bool checkable = false;
    bool separatorBefore = false;
};

// Every command once, in the order it shows in its place.
std::span<const cMainCommand> MainCommands();
// The items of a pop-up menu in order; eMainCommand::Count stands for a separator.
std::span<const eMainCommand> PopupCommands(ePopup popup);
const char *PopupName(ePopup popup);
inline constexpr ePopup kPopups[] = {ePopup::popMsgs, ePopup::popMessage, ePopup::popFolders, ePopup::popAttachment,
                                     ePopup::popTray};
