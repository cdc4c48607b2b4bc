// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stored message bytes as text for the screen, the same in every window that shows or edits a
// message. The bytes on disk are never changed; only their showing decodes them: valid UTF-8
// first (plain ASCII is), else the character set the message declares, else Windows-1252
// (StoredText), which takes every byte.
#include <QByteArray>
#include <QList>
#include <QString>

QString DisplayText(const QByteArray &bytes, const QByteArray &charset = {});

// The charset parameter of the message's Content-Type header (RFC 2045 section 5.1), folded
// lines joined (RFC 5322 section 2.2.3); empty when there is none.
QByteArray DeclaredCharset(const QList<QByteArray> &headerLines);

// Body lines as one text, decoded together so that a multi-byte character is never judged
// line by line.
QString DisplayBody(const QList<QByteArray> &body, const QByteArray &charset);
