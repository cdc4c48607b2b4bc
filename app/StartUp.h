// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start of the program after the command line: the main window is made and its creation
// prepares the mail storage, falling back on the first-run prompt, then offers to make the
// program the desktop's mail client.
#include <functional>

class QWidget;
class TfrmMain;

// InitMailStorage, with the "Cannot create folder" box when a folder cannot be made.
[[nodiscard]] bool InitMailStorageOrWarn(QWidget *parent = nullptr);
// The storage as it is set, else as the first-run prompt sets it; false when neither works.
[[nodiscard]] bool PrepareMailStorage(QWidget *parent = nullptr);
// When another program handles mailto: links, asks whether this one should, and registers it
// on "Yes"; a failure is shown and the start goes on.
void CheckDefaultClient(QWidget *parent = nullptr);
// Runs the creation of the main window; false when the program is to end. The default-client
// check is passed in by the program (tests go without it).
[[nodiscard]] bool CreateMainWindow(TfrmMain &frmMain, const std::function<void()> &checkDefaultClient = {});
