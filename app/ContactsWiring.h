// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Joins the main window and the address book: the contacts pane, made here and handed to the
// window, the address book command and "Add sender to address book".
class TfrmMain;

void WireContacts(TfrmMain &frmMain);
