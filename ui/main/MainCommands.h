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
    TB_Receive,
    tbAccounts,
    tb_AddressBook,
    tb_Windows,
    tbEmptyTrash,
    mnuFile_Folder_New,
    mnuFile_Folder_Rename,
    mnuFile_Folder_Delete,
    mnuFile_Folder_Empty,
    mnuFile_CopyTo,
    mnuFile_MoveTo,
    mnuFile_Print,
    mnuView_Toolbar,
    mnuView_ContactPane,
    mnuView_StatusBar,
    mnuTools_NewMessage,
    mnuTools_Reply,
    mnuTools_ReplyQuoted,
    mnuTools_Forward,
    mnuTools_ForwardAsAttachment,
    mnuTools_Delete,
    mnuTools_AddSender,
    mnuTools_SendUnsent,
    mnuTools_CheckMail,
    mnuTools_CheckMailUsing,
    mnuTools_Signatures,
    mnuTools_Accounts,
    mnuTools_Options,
    mnuHelp_About,
    Count
};

enum class eCommandPlace { Toolbar, FolderMenu, FileMenu, ViewMenu, ToolsMenu, HelpMenu };

enum class eCommandRule {
    Wired,        // usable once something handles it
    NeedsMessage, // usable once handled, while a message is selected
    WindowList,   // opens the window list; usable while a window is listed
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
