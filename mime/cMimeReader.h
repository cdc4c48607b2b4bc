// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a received message (its exact bytes) into decoded texts and parts. The MIME library
// stays inside this class: nothing of it shows in the header.
//
// The text shown is the first text/plain outside attachments (within multipart/related only
// its start part), else the first text/html. Every other leaf part is an attachment, except the
// text alternatives beside the shown text; an attached message is one attachment, not entered.
// Shown text in format=flowed comes re-flowed (UnflowedText).
#include "mime/cDecodedMail.h"
#include "mime/cHtmlBody.h"

class cMimeReader
{
public:
    // Never fails: what cannot be read stays empty, and unparsable bytes come back as text.
    static cDecodedMail Read(const QByteArray &raw, const cReadOptions &options = {});
    // The HTML text found where Read looks for text, but before plain text, and the parts with a
    // Content-ID; both empty when the message has no HTML text.
    static cHtmlBody ReadHtml(const QByteArray &raw);
};
