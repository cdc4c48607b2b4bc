// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening an attachment with the desktop, as every window that lists attachments does. A file
// that can run (a program, a script, a desktop entry, anything marked executable) may be run
// by the desktop rather than shown, so it is opened only after the user says yes to a question
// that names that risk.
#include <QString>

class QWidget;

// By the type its name and its content give it, and by its executable bit.
bool AttachmentCanRun(const QString &path);
// Hands path to the desktop, asking first (over parent) when it can run.
void OpenAttachment(QWidget *parent, const QString &path);
