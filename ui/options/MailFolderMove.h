// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question and the progress window of a change of mail folder; the move itself is
// MoveMailTree's. Options asks first, then moves when the user chose to.
#include "storage/MailTreeMove.h"

class QWidget;

enum class eMailFolderChange { Move, UseAsItIs, Cancel };

// Move the existing mail to the new folder, use the new folder as it is, or change nothing.
eMailFolderChange AskMailFolderChange(QWidget *parent, const QString &from, const QString &to);
// Runs the move off the window's thread with a progress window whose Cancel stops it between
// two files; true when every file arrived. A move that did not finish is explained to the user.
bool MoveMailWithProgress(QWidget *parent, const cMailTreeMove &move);
