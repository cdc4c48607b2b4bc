#pragma once
// Joins the main window and the message rules and junk filter: "Run rules on this folder",
// "Mark as junk" and "Not junk". The work runs off the window's thread; when it is done the
// status bar says how it went and the list is reloaded. Without bogofilter the junk commands
// stay disabled and their hint names the package to install.
class TfrmMain;

void WireRules(TfrmMain &frmMain);
