// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What File > Print puts on paper: the header block of the shown message, as the preview shows
// it, above the shown text.
#include <QString>

#include <memory>

class QTextDocument;

// A new document, owned by the caller, that asks shown for every resource (a message's own
// images), so printing loads nothing the preview would not.
std::unique_ptr<QTextDocument> PrintedMessage(const QString &headerHtml, QTextDocument &shown);
