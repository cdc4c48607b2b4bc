// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Suggestions for an address being typed in To, CC or Bcc: the address book's entries and the
// addresses seen in mail, best first by how often and how lately they were used. Fill it with
// AddContact and AddSeen (header fields as stored), then ask Complete as the user types.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

class cAddressCompletion
{
public:
    void AddContact(const QString &name, const QString &address);
    // Every mailbox of a From, To or CC field, used at when (seconds since the epoch).
    void AddSeen(const QByteArray &field, qint64 when);
    // Up to limit mailboxes ("Name <address>") whose address, or a word of whose name, begins
    // with typed, case and accents aside; now dates the uses.
    QStringList Complete(const QString &typed, qint64 now, int limit = 10) const;

private:
    struct cEntry
    {
        QString name;
        QString address;
        int uses = 0;
        qint64 lastUse = 0;
        bool inAddressBook = false;
        // The address and each word of the name, folded once for matching as the user types.
        QStringList keys;
    };

    cEntry &EntryFor(const QString &address);
    static void SetName(cEntry &entry, const QString &name);
    double Score(const cEntry &entry, qint64 now) const;
    static bool Matches(const cEntry &entry, const QString &foldedTyped);


    QHash<QString, cEntry> fEntries;
};
