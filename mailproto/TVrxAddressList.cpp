// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxAddressList.h"

namespace {

// Walks a list byte by byte and tells which bytes stand outside quoted strings and comments,
// the only places where the list's punctuation means anything.
class Scanner
{
public:
    // True when c, the byte at this position, is punctuation at the top level.
    bool Structural(char c)
    {
        if (fEscaped) {
            fEscaped = false;
            return false;
        }
        if (fQuoted || fComment > 0) {
            if (c == '\\')
                fEscaped = true;
            else if (fQuoted && c == '"')
                fQuoted = false;
            else if (!fQuoted && c == '(')
                ++fComment;
            else if (!fQuoted && c == ')')
                --fComment;
            return false;
        }
        fQuoted = c == '"';
        fComment = c == '(' ? 1 : 0;
        return !fQuoted && fComment == 0;
    }
private:
    bool fQuoted = false;
    bool fEscaped = false;
    int fComment = 0;
};

// The text with its comments left out. Unquoted, quoted strings are opened (their quotes and
// backslashes dropped); otherwise they stay as written and blanks outside them go.
QByteArray OutsideComments(const QByteArray &text, bool unquote)
{
    QByteArray out;
    bool quoted = false, escaped = false;
    int comment = 0;
    for (char c : text) {
        if (escaped) {
            escaped = false;
            if (comment == 0)
                out += c;
        } else if (c == '\\') {
            escaped = true;
            if (comment == 0 && !unquote)
                out += c;
        } else if (comment > 0) {
            comment += c == '(' ? 1 : c == ')' ? -1 : 0;
        } else if (c == '"') {
            quoted = !quoted;
            if (!unquote)
                out += c;
        } else if (!quoted && c == '(') {
            comment = 1;
        } else if (unquote || quoted || (c != ' ' && c != '\t' && c != '\r' && c != '\n')) {
            out += c;
        }
    }
    return out;
}

QByteArray WithoutCommentsAndBlanks(const QByteArray &text)
{
    return OutsideComments(text, false);
}

// The phrase before an angle-addr, its quoted strings opened.
QByteArray PhraseText(const QByteArray &phrase)
{
    return OutsideComments(phrase, true).simplified();
}

} // namespace

QByteArray TVrxAddressList::DisplayNameOf(const QByteArray &mailbox)
{
    Scanner scanner;
    for (qsizetype i = 0; i < mailbox.size(); ++i)
        if (scanner.Structural(mailbox.at(i)) && mailbox.at(i) == '<')
            return PhraseText(mailbox.left(i));
    return {};
}

QByteArray TVrxAddressList::AddressOf(const QByteArray &mailbox)
{
    Scanner scanner;
    qsizetype open = -1;
    for (qsizetype i = 0; i < mailbox.size(); ++i) {
        const char c = mailbox.at(i);
        if (!scanner.Structural(c))
            continue;
        if (c == '<' && open < 0) {
            open = i;
        } else if (c == '>' && open >= 0) {
            QByteArray address = WithoutCommentsAndBlanks(mailbox.mid(open + 1, i - open - 1));
            if (address.startsWith('@'))
                address.remove(0, address.indexOf(':') + 1);
            return address;
        }
    }
    return WithoutCommentsAndBlanks(open >= 0 ? mailbox.mid(open + 1) : mailbox);
}

QList<QByteArray> TVrxAddressList::Addresses(const QByteArray &list)
{
    QList<QByteArray> addresses;
    for (const QByteArray &mailbox : Mailboxes(list))
        addresses.append(AddressOf(mailbox));
    return addresses;
}

QList<QByteArray> TVrxAddressList::Mailboxes(const QByteArray &list)
{
    QList<QByteArray> mailboxes;
    Scanner scanner;
    bool inAngle = false;
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        const QByteArray mailbox = list.mid(start, end - start);
        if (!AddressOf(mailbox).isEmpty())
            mailboxes.append(mailbox);
        start = end + 1;
    };
    for (qsizetype i = 0; i < list.size(); ++i) {
        const char c = list.at(i);
        if (!scanner.Structural(c))
            continue;
        if (c == '<')
            inAngle = true;
        else if (c == '>')
            inAngle = false;
        else if (inAngle)
            continue;
        else if (c == ',' || c == ';')
            take(i);
        else if (c == ':')
            start = i + 1; // a group's display name
    }
    take(list.size());
    return mailboxes;
}
