// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place composers are made: from the content a window asked for, or from a draft of
// Unfinished. Each works on the program's one mail store, so the main window hears of what it
// saves, and is shown in front, with typing where the content says.
class QWidget;
class TfrmNewMessage;
class cMailStore;
struct cComposerContent;
struct cMessageRef;

// The owner (the main window) takes the composer with it when it goes; a composer stays a
// window of its own.
TfrmNewMessage *OpenComposer(cMailStore &store, const cComposerContent &content, QWidget *owner);
// Null when the message cannot be read; the user is told why over parent.
TfrmNewMessage *OpenDraft(cMailStore &store, const cMessageRef &draft, QWidget *owner, QWidget *parent);
