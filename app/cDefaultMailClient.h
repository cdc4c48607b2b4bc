// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Being the desktop's handler of mailto: links, the freedesktop way: the program's desktop
// entry (ravelin.desktop, "Exec=ravelin -newmail %u") is named as the default application for
// x-scheme-handler/mailto. The check asks xdg-mime when it is installed, else reads the
// mimeapps.list files in XDG order; registering runs "xdg-mime default", else writes the
// user's mimeapps.list. A user without an installed entry gets one of their own first.
#include "storage/cResult.h"

#include <QString>
#include <QStringList>

// The XDG base folders as the environment gives them, with the XDG Base Directory defaults.
struct cXdgFolders
{
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;

    static cXdgFolders FromEnvironment();
    // Where mimeapps.list files are looked for, most important first.
    QStringList MimeAppsLists() const;
};

class cDefaultMailClient
{
public:
    static constexpr char kDesktopId[] = "ravelin.desktop";
    static constexpr char kMailtoType[] = "x-scheme-handler/mailto";

    // xdgMime: the path of the xdg-mime tool, empty to go without it.
    cDefaultMailClient(cXdgFolders folders, QString xdgMime, QString programPath);
    // For this program as it runs, with xdg-mime when it is on the PATH.
    static cDefaultMailClient ForThisProgram();

    // The desktop entry that now opens mailto: links; empty when none is set.
    QString CurrentHandler() const;
    bool IsDefault() const { return CurrentHandler() == QLatin1String(kDesktopId); }
    [[nodiscard]] cResult Register() const;

    // The entry written for a user who has none installed: the installed one, starting this
    // very program.
    QString UserDesktopEntry() const;
    QString UserDesktopEntryPath() const;

private:
    bool IsInstalled() const;
    [[nodiscard]] cResult WriteUserDesktopEntry() const;
    [[nodiscard]] cResult SetDefaultWithTool() const;
    [[nodiscard]] cResult SetDefaultInMimeAppsList() const;

    cXdgFolders fFolders;
    QString fXdgMime;
    QString fProgramPath;
};
