// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message as plain text, for the reader who prefers it: its text part when it has one, else a
// text rendering of its HTML (laid out as the preview would, loading nothing).
#include "mime/cHtmlBody.h"
#include "storage/cMailMessage.h"

#include <QString>

QString HtmlAsPlainText(const QString &html);
// html: what MessageHtml found for message.
QString PlainTextOf(const cMailMessage &message, const cHtmlBody &html);
