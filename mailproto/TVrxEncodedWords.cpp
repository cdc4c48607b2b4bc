// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxEncodedWords.h"

#include "mailproto/TVrxAddressList.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// 39 bytes give 52 base64 characters: with "=?UTF-8?B?" and "?=" a word fits beside "Subject: " in 78.
constexpr qsizetype kWordBytes = 39;
constexpr qsizetype kFoldAt = 78;
// RFC 5322 section 2.1.1: no line may be longer, CR LF not counted.
constexpr qsizetype kMaxLine = 998;

// Typed text is UTF-8; a stored header from elsewhere may be Latin-1, which is read as such
// rather than sent under a label it does not fit.
QByteArray AsUtf8(const QByteArray &text)
{
    return TVrxEncodedWords::IsUtf8(text) ? text : QString::fromLatin1(text).toUtf8();
}

// Never cuts a UTF-8 sequence: a word must decode on its own.
qsizetype WordEnd(const QByteArray &utf8, qsizetype start)
{
    qsizetype end = std::min(utf8.size(), start + kWordBytes);
    while (end < utf8.size() && end > start + 1 && (quint8(utf8.at(end)) & 0xC0) == 0x80)
        --end;
    return end;
}

// atext of RFC 5322 section 3.2.3.
bool IsAtomChar(char c)
{
    static const QByteArray specials = "!#$%&'*+-/=?^_`{|}~";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || specials.contains(c);
}

// Atoms separated by single blanks; "=?" would read as the start of an encoded word.
bool IsPlainPhrase(const QByteArray &name)
{
    if (name.contains("=?") || name.contains("  ") || name.startsWith(' ') || name.endsWith(' '))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return c == ' ' || IsAtomChar(c); });
}

// Only a word longer than the hard limit is cut, which a reader sees as a blank inside it.
QList<QByteArray> WithinHardLimit(const QList<QByteArray> &lines)
{
    QList<QByteArray> out;
    for (const QByteArray &line : lines) {
        out.append(line.left(kMaxLine));
        for (qsizetype at = kMaxLine; at < line.size(); at += kMaxLine - 1)
            out.append(' ' + line.mid(at, kMaxLine - 1));
    }
    return out;
}

} // namespace

bool TVrxEncodedWords::IsAscii(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return quint8(c) < 0x80; });
}

bool TVrxEncodedWords::IsUtf8(const QByteArray &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(text);
    return !decoder.hasError();
}

QByteArray TVrxEncodedWords::EncodeText(const QByteArray &text, bool force)
{
    if (IsAscii(text) && !force)
        return text;
    const QByteArray utf8 = AsUtf8(text);
    QList<QByteArray> words;
    for (qsizetype start = 0; start < utf8.size();) {
        const qsizetype end = WordEnd(utf8, start);
        words.append("=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=");
        start = end;
    }
    return words.join(' ');
}

QByteArray TVrxEncodedWords::QuotedString(const QByteArray &text)
{
    QByteArray quoted = text;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + '"';
}

QByteArray TVrxEncodedWords::EncodePhrase(const QByteArray &name)
{
    if (!IsAscii(name))
        return EncodeText(name);
    return IsPlainPhrase(name) ? name : QuotedString(name);
}

QByteArray TVrxEncodedWords::EncodeMailbox(const QByteArray &name, const QByteArray &address)
{
    const QByteArray phrase = name.simplified();
    return phrase.isEmpty() ? address : EncodePhrase(phrase) + " <" + address + '>';
}

QByteArray TVrxEncodedWords::EncodeAddressList(const QByteArray &list)
{
    QList<QByteArray> mailboxes;
    for (const QByteArray &mailbox : TVrxAddressList::Mailboxes(list))
        mailboxes.append(EncodeMailbox(TVrxAddressList::DisplayNameOf(mailbox), TVrxAddressList::AddressOf(mailbox)));
    return mailboxes.join(", ");
}

// Folding puts a line break before a blank, so unfolding gives back the very same text.
QList<QByteArray> TVrxEncodedWords::FoldedField(const QByteArray &name, const QByteArray &value)
{
    QList<QByteArray> lines;
    QByteArray rest = name + ": " + value;
    while (rest.size() > kFoldAt) {
        const qsizetype earliest = lines.isEmpty() ? name.size() + 1 : 0;
        qsizetype cut = rest.lastIndexOf(' ', kFoldAt);
        if (cut <= earliest)
            cut = rest.indexOf(' ', kFoldAt + 1);
        if (cut < 0)
            break;
        lines.append(rest.left(cut));
        rest = rest.mid(cut);
    }
    lines.append(rest);
    return WithinHardLimit(lines);
}

QList<QByteArray> TVrxEncodedWords::FoldedText(const QByteArray &name, const QByteArray &text)
{
    const QList<QByteArray> lines = FoldedField(name, EncodeText(text));
    const bool cut = std::any_of(lines.begin(), lines.end(), [](const QByteArray &line) { return line.size() >= kMaxLine; });
    return cut ? FoldedField(name, EncodeText(text, true)) : lines;
}
