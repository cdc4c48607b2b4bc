// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fills the steps by which the windows reach one another (cWindowSteps), once at start.
// Composers opened through them belong to the main window given; without one (a window tested
// alone) they are windows of their own and mail to contacts opens nothing.
class TfrmMain;

void InstallWindowSteps(TfrmMain *frmMain = nullptr);
