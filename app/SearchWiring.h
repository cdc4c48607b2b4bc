// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the search index of the main window's store up to date while the window is open: a
// first round at start-up (which goes on where an earlier one stopped), a round for each folder
// mail arrives in or the store reports changed, and the folders watched for everything else.
// Progress shows in the status bar. Call once the mail folder is ready.
class TfrmMain;

void WireSearch(TfrmMain &frmMain);
