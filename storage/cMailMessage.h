// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The in-memory record of one message file (".qrz"): an INI-style [Header] section whose
// keys end with X_MailBoundary=B, then the raw header lines of the mail, a line
// "X_MailBoundary!B", and the body lines. Every line ends in CR LF. Values are bytes as they
// came (received mail is never re-encoded); typed text is UTF-8.
#include "storage/AtomicFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class cMailMessage
{
public:
    QList<QByteArray> body;
    QByteArray Subject;
    QByteArray To;
    QByteArray From;
    QByteArray ReplyAddress;
    // The sender's own address, whatever Reply-To says. Files written before it was kept read
    // it from a "Name <address>" From line, else empty; older readers ignore it.
    QByteArray FromAddress;
    // FromAddress, else (a record that never knew it) the reply address.
    QByteArray SenderAddress() const { return FromAddress.isEmpty() ? ReplyAddress : FromAddress; }
    QByteArray Account;
    QByteArray CC;
    // Blind copies: envelope recipients only, kept here for the user. Older readers ignore it.
    QByteArray Bcc;
    // The account chosen to send it; empty: the default account at sending time, as for
    // files written before the choice existed.
    QByteArray SendAccount;
    int Priority = 2; // 0 highest .. 4 lowest
    QByteArray DateTime;
    bool Html = false;
    bool Read = false;
    // The id of the received bytes kept in the original store (cOriginalStore); empty for
    // typed mail and for messages stored before originals were kept. Older readers ignore it.
    QByteArray Original;
    QList<QByteArray> headerLines;
    // Paths of the attachment files, any characters allowed. Read back absolute: a relative
    // stored path is taken in the attachments folder, and is empty when it would leave that
    // folder or none is set.
    QStringList attachments;

    // Fills the record from a file. headerOnly skips the two blocks (message lists);
    // keepRawFrom keeps the whole stored sender line in From (sending needs it). When the
    // file cannot be read the record holds defaults.
    cResult ReadFile(const QString &path, bool headerOnly = false, bool keepRawFrom = false);
    // Replaces the file atomically; a failure leaves the old file whole.
    cResult WriteFile(const QString &path, eDurability durability = eDurability::Synced) const;

    // Marks a stored message read or unread, changing that one line of its file.
    static cResult SetReadFlag(const QString &path, bool read, eDurability durability = eDurability::Synced);
    // The same for its priority (the mail library's number).
    static cResult SetPriority(const QString &path, int priority, eDurability durability = eDurability::Synced);

    // The stored priority codes differ from the mail library's: 2 highest, 0 normal, 1 lowest.
    static int StoredPriority(int priority);
    static int PriorityFromStored(int stored);

private:
    void reset();
    void takeHeader(const class cIniSection &header, bool keepRawFrom);
    void takeBlocks(const QByteArray &text, const QByteArray &boundary);
    QByteArray boundaryAvoidingContent() const;
    // The file's lines up to the body.
    QByteArray HeadText(const QByteArray &boundary) const;
};
