// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one POP3 mailbox has given us: the unique id (RFC 1939 section 7) of every message
// stored from it, with the time it was stored. One file per mailbox ("user@host:port", so a
// renamed account keeps its record and two accounts on one mailbox share it) beside the
// settings files, plus a journal of the messages filed since the last Save.
//
// Call order: Load; per message Filing (before its file takes its name), then, once the files
// are flushed to disk, Record and Save; only then may the server delete them. A process killed
// in between leaves the journal, from which the next Load takes every message whose file is
// there and whole, so nothing is stored twice and nothing unproven is ever deleted.
#include "storage/cResult.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class cPop3State
{
public:
    cPop3State(const QString &user, const QString &host, int port);

    const QString &Path() const { return fPath; }

    // A missing file is a mailbox never fetched. A damaged one fails with a text naming it;
    // the state then holds what the journal proves, and the next Save rebuilds the file.
    [[nodiscard]] cResult Load();
    bool Knows(const QByteArray &uid) const { return fStored.contains(uid); }
    // Seconds since the epoch, when the message was stored.
    std::optional<qint64> StoredAt(const QByteArray &uid) const;
    // Forgets the ids the server no longer has.
    void KeepOnly(const QSet<QByteArray> &onServer);

    // Notes that the message is about to be filed at path; mark is what its file will hold to
    // tell it from another (the stored date and time).
    [[nodiscard]] cResult Filing(const QByteArray &uid, const QString &path, const QByteArray &mark);
    // Takes the message as stored now; its file must be on disk.
    void Record(const QByteArray &uid);
    // True when the file no longer says what the state holds.
    bool Changed() const { return fChanged; }
    // True when Load took messages from the journal: their files must be on disk before Save.
    bool Proven() const { return fProven; }
    // Replaces the file atomically and on disk, then clears the journal of what it recorded;
    // messages filed since and not yet recorded stay in it.
    [[nodiscard]] cResult Save();

private:
    [[nodiscard]] cResult Parse(const QByteArray &text);
    void Recover();
    QByteArray Text() const;
    [[nodiscard]] cResult KeepUnrecordedInJournal();
    [[nodiscard]] cResult OpenJournal(QIODevice::OpenMode mode);

    QString fMailbox;
    QString fPath;
    QString fJournalPath;
    QHash<QByteArray, qint64> fStored;
    // Open from the first Filing to the Save that leaves nothing unrecorded.
    std::unique_ptr<QFile> fJournal;
    // The journal's lines of the messages filed and not recorded yet, by id.
    QHash<QByteArray, QByteArray> fUnrecorded;
    bool fChanged = false;
    bool fProven = false;
};
