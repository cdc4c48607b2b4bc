// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The header block of a message or of one body part, read as RFC 5322 section 2.2 defines it:
// a field is a name, a colon and a value that goes on over the following lines that begin
// with a blank (folding, section 2.2.3). Names match without regard to case, blanks before
// the colon are allowed (section 4.5.3), and the first field of a name counts.
//
// The static helpers read MIME values (RFC 2045 section 5.1, RFC 2046 section 5.1.1): a media
// type or token, then "; attribute=value" parameters in any order, attribute names in any
// case, each value a quoted string or the text up to the next ";".
#include <QByteArray>
#include <QList>

class TVrxMimeHeader
{
public:
    explicit TVrxMimeHeader(const QList<QByteArray> &lines);

    bool Has(const QByteArray &name) const;
    // The unfolded value without its surrounding blanks; empty when there is no such field.
    QByteArray Value(const QByteArray &name) const;

    // The first word, upper-cased: "TEXT/PLAIN" of "text/plain; charset=x", "BASE64" of
    // "base64 (sent by x)".
    static QByteArray Token(const QByteArray &value);
    // The value of the first parameter named attribute; empty when there is none.
    static QByteArray Parameter(const QByteArray &value, const QByteArray &attribute);

private:
    struct Field
    {
        QByteArray upperName;
        QByteArray value;
    };
    QList<Field> fFields;
};
