#pragma once
// Reads a received message (its exact bytes) into decoded texts and parts. The MIME library
// stays inside this class: nothing of it shows in the header.
//
// The text shown is the first text/plain outside attachments (within multipart/related only
// its start part), else the first text/html. Every other leaf part is an attachment, except the
// text alternatives beside the shown text; an attached message is one attachment, not entered.
#include "mime/cDecodedMail.h"

class cMimeReader
{
public:
    // Never fails: what cannot be read stays empty, and unparsable bytes come back as text.
    static cDecodedMail Read(const QByteArray &raw, const cReadOptions &options = {});
};
