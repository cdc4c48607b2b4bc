// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tools > Options on the main window: the options dialog with its effects on the window and
// the storage.
class TfrmMain;

void WireOptions(TfrmMain &frmMain);
