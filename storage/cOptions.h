// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every key of the options file with the default its readers pass, in one table, and the
// typed reads and writes of them. Keys whose default is a window's designed size carry no
// default here; the window passes its own.
#include "storage/cResult.h"

#include <QString>

struct cTextOption { const char *section; const char *key; const char *def; };
struct cIntOption { const char *section; const char *key; int def; };
struct cBoolOption { const char *section; const char *key; bool def; };
struct cSizeOption { const char *section; const char *key; };

namespace Opt {
inline constexpr cTextOption MailFolder{"Options", "MailFolder", ""};
// Its default is MailRoot + "/Attachments"; see DefaultAttachmentsFolder().
inline constexpr cTextOption MailAttchFolder{"Options", "MailAttchFolder", ""};
inline constexpr cTextOption MailDisplayFont{"Options", "MailDisplayFont", "Verdana"};
inline constexpr cIntOption MailDisplayFontSize{"Options", "MailDisplayFontSize", 8};
inline constexpr cTextOption MsgCompFont{"Options", "MsgCompFont", "Verdana"};
inline constexpr cIntOption MsgCompFontSize{"Options", "MsgCompFontSize", 8};
inline constexpr cBoolOption VerifyMail{"Options", "VerifyMail", false};
inline constexpr cIntOption VerifyMailInterval{"Options", "VerifyMailInterval", 5};
inline constexpr cBoolOption CheckForDefClient{"Options", "CheckForDefClient", true};
inline constexpr cTextOption DefAccount{"Options", "DefAccount", ""};
inline constexpr cTextOption DefSubject{"Options", "DefSubject", ""};
inline constexpr cBoolOption AutoInsertDefSig{"Options", "AutoInsertDefSig", false};
inline constexpr cTextOption MsgQuoteChar{"Options", "MsgQuoteChar", ">"};
inline constexpr cIntOption SigPosition{"Options", "SigPosition", 1};
inline constexpr cBoolOption IncludeOriginalMsgInReply{"Options", "IncludeOriginalMsgInReply", true};
inline constexpr cBoolOption SendMailAfterMailFetch{"Options", "SendMailAfterMailFetch", false};
inline constexpr cBoolOption SendMailImmideatly{"Options", "SendMailImmideatly", true};
inline constexpr cTextOption NewMailSound{"Options", "NewMailSound", ""};
inline constexpr cTextOption MailErrorSound{"Options", "MailErrorSound", ""};
// Larger messages are left on the server with an error line.
inline constexpr cIntOption MaxMessageSizeMB{"Options", "MaxMessageSizeMB", 100};

// On by default everywhere: an options dialog showing it off would turn it off on OK.
inline constexpr cBoolOption TrashPrompt{"MainWnd", "TrashPrompt", true};
inline constexpr cBoolOption MainWnd_SBVisible{"MainWnd", "SBVisible", true};
inline constexpr cBoolOption MainWnd_ExpandedToolbar{"MainWnd", "ExpandedToolbar", true};
inline constexpr cBoolOption MainWnd_ContactPaneVisible{"MainWnd", "ContactPaneVisible", true};
// Messages with HTML are shown as their plain text (each may still be switched).
inline constexpr cBoolOption MainWnd_PreferPlainText{"MainWnd", "PreferPlainText", false};
inline constexpr cBoolOption MainWnd_Threads{"MainWnd", "Threads", false};
inline constexpr cBoolOption MainWnd_ThreadsAcross{"MainWnd", "ThreadsAcross", false};
inline constexpr cSizeOption MainWnd_ContactPaneHeight{"MainWnd", "ContactPaneHeight"};
inline constexpr cBoolOption MainWnd_Maximized{"MainWnd", "Maximized", false};
inline constexpr cSizeOption MainWnd_Height{"MainWnd", "Height"};
inline constexpr cSizeOption MainWnd_Width{"MainWnd", "Width"};
inline constexpr cSizeOption MainWnd_Left{"MainWnd", "Left"};
inline constexpr cSizeOption MainWnd_Top{"MainWnd", "Top"};
inline constexpr cSizeOption MainWnd_MsgListHeight{"mainWnd", "MsgListHeight"};
inline constexpr cSizeOption MainWnd_LeftPaneWidth{"mainWnd", "LeftPaneWidth"};

inline constexpr cBoolOption MsgComp_ExpandedToolbar{"MsgComp", "ExpandedToolbar", true};
inline constexpr cBoolOption MsgComp_SBVisible{"MsgComp", "SbVisible", true};
inline constexpr cSizeOption MsgComp_Height{"MsgComp", "Height"};
inline constexpr cSizeOption MsgComp_Width{"MsgComp", "Width"};

inline constexpr cBoolOption AddressBook_ExpandedToolbar{"AddressBook", "ExpandedToolbar", true};
inline constexpr cBoolOption AddressBook_Maximized{"AddressBook", "Maximized", false};
inline constexpr cSizeOption AddressBook_Height{"AddressBook", "Height"};
inline constexpr cSizeOption AddressBook_Width{"AddressBook", "Width"};
inline constexpr cSizeOption AddressBook_Left{"AddressBook", "Left"};
inline constexpr cSizeOption AddressBook_Top{"AddressBook", "Top"};
} // namespace Opt

// Reads and writes of the options file; each call opens and closes it.
class cOptions
{
public:
    static QString read(const cTextOption &option);
    static int read(const cIntOption &option);
    static bool read(const cBoolOption &option);
    static bool read(const cBoolOption &option, bool def);
    static int read(const cSizeOption &option, int designed);

    // Each fails when the file could not be written.
    static cResult write(const cTextOption &option, const QString &value);
    static cResult write(const cIntOption &option, int value);
    static cResult write(const cBoolOption &option, bool value);
    static cResult write(const cSizeOption &option, int value);
};
