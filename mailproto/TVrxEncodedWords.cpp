#include "mailproto/TVrxEncodedWords.h"

#include "mailproto/TVrxAddressList.h"

#include <algorithm>

namespace {

// 39 bytes give 52 base64 characters: with "=?UTF-8?B?" and "?=" a word fits beside "Subject: " in 78.
constexpr qsizetype kWordBytes = 39;
constexpr qsizetype kFoldAt = 78;

bool IsAscii(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return quint8(c) < 0x80; });
}

// Never cuts a UTF-8 sequence: a word must decode on its own.
qsizetype WordEnd(const QByteArray &utf8, qsizetype start)
{
    qsizetype end = std::min(utf8.size(), start + kWordBytes);
    while (end < utf8.size() && end > start + 1 && (quint8(utf8.at(end)) & 0xC0) == 0x80)
        --end;
    return end;
}

QByteArray Unquoted(QByteArray phrase)
{
    phrase = phrase.trimmed();
    if (phrase.size() >= 2 && phrase.startsWith('"') && phrase.endsWith('"'))
        phrase = phrase.mid(1, phrase.size() - 2).replace("\\\"", "\"").replace("\\\\", "\\");
    return phrase;
}

QByteArray EncodeMailbox(const QByteArray &mailbox)
{
    const qsizetype open = mailbox.lastIndexOf('<');
    if (IsAscii(mailbox) || open < 0)
        return mailbox.trimmed();
    const QByteArray name = Unquoted(mailbox.left(open));
    const QByteArray address = mailbox.mid(open).trimmed();
    return name.isEmpty() ? address : TVrxEncodedWords::EncodeText(name) + ' ' + address;
}

} // namespace

QByteArray TVrxEncodedWords::EncodeText(const QByteArray &utf8)
{
    if (IsAscii(utf8))
        return utf8;
    QList<QByteArray> words;
    for (qsizetype start = 0; start < utf8.size();) {
        const qsizetype end = WordEnd(utf8, start);
        words.append("=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=");
        start = end;
    }
    return words.join(' ');
}

QByteArray TVrxEncodedWords::EncodeAddressList(const QByteArray &list)
{
    if (IsAscii(list))
        return list;
    QList<QByteArray> mailboxes;
    for (const QByteArray &mailbox : TVrxAddressList::Mailboxes(list))
        mailboxes.append(EncodeMailbox(mailbox));
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
    return lines;
}
