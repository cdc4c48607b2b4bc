// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text rules for bytes as they come off the wire, before or beside the MIME library.
#include <QByteArray>
#include <QString>

// The value with every base64 encoded word (RFC 2047) rewritten as the same bytes in a "Q"
// word. The library joins adjacent words of one charset before decoding them, and a base64
// word that ends in "=" padding then cuts off all that follows it; "Q" words join safely.
QByteArray WithQEncodedWords(const QByteArray &value);

// Base64 as RFC 2045 asks: characters outside the alphabet are skipped, and a last group
// without its "=" padding keeps its bytes.
QByteArray DecodeBase64(const QByteArray &encoded);
