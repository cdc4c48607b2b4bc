#pragma once
// Text rules for bytes as they come off the wire, before or beside the MIME library.
#include <QByteArray>
#include <QString>

// The value with every base64 encoded word (RFC 2047) rewritten as the same bytes in a "Q"
// word. The library joins adjacent words of one charset before decoding them, and a base64
// word that ends in "=" padding then cuts off all that follows it; "Q" words join safely.
QByteArray WithQEncodedWords(const QByteArray &value);

// Bytes that are not UTF-8 are read as Windows-1252, the superset of Latin-1 that mailers
// meant when they sent undeclared 8-bit text.
QString Utf8OrWindows1252(const QByteArray &bytes);

// Base64 as RFC 2045 asks: characters outside the alphabet are skipped, and a last group
// without its "=" padding keeps its bytes.
QByteArray DecodeBase64(const QByteArray &encoded);
