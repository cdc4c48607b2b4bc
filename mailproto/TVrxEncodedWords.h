#pragma once
// Header text that is not pure ASCII, made safe for any server (RFC 2047): a Subject becomes
// "=?UTF-8?B?...?=" words, and so does the display name of each mailbox in an address list;
// the addresses themselves and ASCII text are left as typed. The words are separated by blanks,
// where a header line may be folded.
#include <QByteArray>
#include <QList>

class TVrxEncodedWords
{
public:
    static QByteArray EncodeText(const QByteArray &utf8);
    static QByteArray EncodeAddressList(const QByteArray &list);
    // "Name: value" as header lines of at most 78 characters where blanks allow, folded
    // (RFC 5322 section 2.2.3); a word longer than a line stays whole.
    static QList<QByteArray> FoldedField(const QByteArray &name, const QByteArray &value);
};
