#pragma once
// Tools > Options on the main window: the options dialog with its effects on the window and
// the storage.
class TfrmMain;

void WireOptions(TfrmMain &frmMain);
