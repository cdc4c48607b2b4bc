// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place composers are made: from the content a window asked for, or from a draft of
// Unfinished. Each is shown in front, with typing where the content says.
class QString;
class QWidget;
class TfrmNewMessage;
struct cComposerContent;

// The owner (the main window) takes the composer with it when it goes; a composer stays a
// window of its own.
TfrmNewMessage *OpenComposer(const cComposerContent &content, QWidget *owner);
// Null when the file cannot be read; the user is told why over parent.
TfrmNewMessage *OpenDraft(const QString &path, QWidget *owner, QWidget *parent);
