// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question asked before changed messages are closed: one composer's window button or
// Close, or Exit of the program for all of them at once.
class QWidget;

enum class eDraftAnswer { Save, Discard, Cancel };

// A message box with Save (the default), Discard and Cancel; count is how many messages it is about.
eDraftAnswer AskAboutUnsavedMessages(QWidget *parent, int count);
