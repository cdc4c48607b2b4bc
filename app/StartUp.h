#pragma once
// The start of the program after the command line: the main window is made and its creation
// prepares the mail storage, falling back on the first-run prompt.
class QWidget;
class TfrmMain;

// InitMailStorage, with the "Cannot create folder" box when a folder cannot be made.
[[nodiscard]] bool InitMailStorageOrWarn(QWidget *parent = nullptr);
// The storage as it is set, else as the first-run prompt sets it; false when neither works.
[[nodiscard]] bool PrepareMailStorage(QWidget *parent = nullptr);
// Runs the creation of the main window; false when the program is to end.
[[nodiscard]] bool CreateMainWindow(TfrmMain &frmMain);
