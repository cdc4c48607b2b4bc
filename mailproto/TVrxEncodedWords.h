// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Header text made safe for any server and read back as typed: text that is not pure ASCII
// becomes "=?UTF-8?B?...?=" words (RFC 2047), a display name with specials becomes a quoted
// string (RFC 5322 section 3.2.4), and address lists are written again mailbox by mailbox,
// each as `name <address>`. Addresses themselves are left as typed. Fields are folded at
// blanks so that unfolding gives back the very same text.
#include <QByteArray>
#include <QList>

class TVrxEncodedWords
{
public:
    // Unstructured text (RFC 2047 section 5 (1)); with force, ASCII text becomes words too,
    // which gives a text without blanks places to fold.
    static QByteArray EncodeText(const QByteArray &text, bool force = false);
    // A display name as a phrase (RFC 2047 section 5 (3)): atoms stay, specials are quoted.
    static QByteArray EncodePhrase(const QByteArray &name);
    static QByteArray EncodeMailbox(const QByteArray &name, const QByteArray &address);
    static QByteArray EncodeAddressList(const QByteArray &list);
    static QByteArray QuotedString(const QByteArray &text);
    // "Name: value" as header lines of at most 78 characters where blanks allow (RFC 5322
    // section 2.2.3); a word longer than that stays whole up to the hard limit of 998.
    static QList<QByteArray> FoldedField(const QByteArray &name, const QByteArray &value);
    // An unstructured field folded; when a run without blanks would pass 998, as words.
    static QList<QByteArray> FoldedText(const QByteArray &name, const QByteArray &text);
    static bool IsAscii(const QByteArray &text);
    static bool IsUtf8(const QByteArray &text);
};
