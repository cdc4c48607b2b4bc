#pragma once
// Joins the main window and the address book: the contacts pane and its refilling, the address
// book command, "Add sender to address book", and the composer's recipient picker and
// Tools > "&Address book".
class TfrmMain;

void WireContacts(TfrmMain &frmMain);
