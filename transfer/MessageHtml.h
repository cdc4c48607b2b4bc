// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTML of a stored message, for a reader that shows HTML. Received mail keeps its text in
// the record and an HTML alternative beside it as a part; both, and the images its cid: links
// name, are read again from the kept original. A message without an original shows its own
// body when that is HTML.
#include "mime/cHtmlBody.h"
#include "storage/cMailMessage.h"

// Empty html when the message has no HTML to show.
cHtmlBody MessageHtml(const cMailMessage &message);
// About how many bytes MessageHtml reads and parses for message, without reading them.
qint64 MessageHtmlBytes(const cMailMessage &message);
