#pragma once
// Joins the main window and the address book: the contacts pane and its refilling, the address
// book command and "Add sender to address book".
class TfrmMain;

void WireContacts(TfrmMain &frmMain);
