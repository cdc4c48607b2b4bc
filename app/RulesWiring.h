// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Joins the main window and the message rules and junk filter: "Message rules..." opens the
// rules window; "Run rules on this folder", "Mark as junk" and "Not junk" run off the window's
// thread on the store it is given, and when they are done the status bar says how it went; the
// list follows the store's announcements, one per folder a run changed.
// Without bogofilter the junk commands stay disabled and their hint names the package to install.
class TfrmMain;
class cMailStore;

void WireRules(TfrmMain &frmMain, cMailStore &store);
