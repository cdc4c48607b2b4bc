// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text rules shared by indexing and querying, so both sides cut words alike.
#include <QString>

// The index's word splitter keeps a run of CJK characters as one word, which nobody would
// type whole; each such character becomes a word of its own, and a CJK query is then a phrase.
QString SpacedIdeographs(const QString &text);

// The readable text of an HTML body: tags, comments, scripts and styles dropped, the common
// entities and numeric references decoded.
QString HtmlText(const QString &html);
