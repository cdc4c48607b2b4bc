// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the MIME reader understood of a received message, put into its record: decoded
// subject, sender, recipients and text (UTF-8), and names for parts that came without one.
#include "mime/cDecodedMail.h"
#include "storage/cMailMessage.h"

// Fills the record's Subject, From, ReplyAddress, FromAddress, To, CC (each one line), Html and
// body. Text in a charset nobody knows gets a first line that says so. The body's lines may point
// into mail's text (or the bytes it was read from): the record is used while they live.
void TakeDecoded(const cDecodedMail &mail, cMailMessage &record);

// The name a part is saved under: its own, else "attachment" or "message" with the suffix of
// its type ("attachment.png", "message.eml").
QByteArray PartFileName(const cDecodedPart &part);
