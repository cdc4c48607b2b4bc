// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rest of the main window's own commands: the view toggles, the pop-up menus and the
// tray menu, the keyboard, the preview's selection (copy, launch as a link), attachments,
// signatures and the about box.
#include "ui/main/MainCommands.h"

#include <QObject>

#include <optional>

class QPoint;
class QWidget;
class TfrmMain;
struct cMainParts;

class cMainViewCommands : public QObject
{
    Q_OBJECT
public:
    cMainViewCommands(TfrmMain &window, const cMainParts &parts);

    void Wire();

    // Opens the preview's selected text with the desktop when it is a web, mail or news
    // address; anything else (a local file, a program) is not opened, and the status bar
    // says so.
    void LaunchSelection();
    // "View source" and "Save as .eml" of the previewed message's kept original.
    void ViewSource();
    void SaveEml();

private:
    void WireToggles();
    void WireSorting();
    void WirePopups();
    void WireTray();
    void WireKeyboard();
    void ShowPopup(ePopup popup, QWidget *widget, const QPoint &pos);
    void ShowMessagePopup(const QPoint &pos);
    void ShowFolderPopup(const QPoint &pos);
    // The previewed message's original, or none after telling the user why.
    std::optional<QByteArray> PreviewOriginal(const QString &caption);

    TfrmMain &fWindow;
    const cMainParts &fParts;
};
