// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fills the steps by which the windows reach one another (cWindowSteps), once at start.
// Composers and the send window work on the store given, the program's one mail store.
// Composers opened through them belong to the main window given; without one (a window tested
// alone) they are windows of their own and mail to contacts opens nothing.
class TfrmMain;
class cMailStore;

void InstallWindowSteps(cMailStore &store, TfrmMain *frmMain = nullptr);
