// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Joins the main window and the mail transfer: its receive, send and account commands, the
// periodic check and the new-account wizard, and the sessions' reports back to it (status bar,
// a row for each message arriving in Inbox, the new-mail tray icon), and the stopping of
// transfers when the program ends.
#include "app/cNewMailNotice.h"

class TfrmMain;

void WireTransfer(TfrmMain &frmMain, const cNewMailNotice &notice = cNewMailNotice::ForDesktop());
