// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An INI file on disk, used for the settings files and for the header of message files.
// Every call opens the file, acts and closes it; nothing is cached, so a value written is
// seen by the next reader at once. Section and key names match without regard to case and
// the first occurrence wins; a missing file, section or key gives the caller's default.
// A write changes only the line of its key (or adds the key at the end of its section, or
// the section at the end of the file) and replaces the file atomically, so every other
// byte stays as it was and a failed write leaves the old file whole.
#include "storage/AtomicFile.h"
#include "storage/cIniSection.h"
#include "storage/cResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One key to write: see cIniFile::writeValues.
struct cIniValue
{
    QString section;
    QByteArray key;
    QByteArray value;
};

class cIniFile
{
public:
    explicit cIniFile(QString path);

    // For files whose section keys end at a known key (message files end their [Header] keys
    // with X_MailBoundary): lines after it are data, never read as keys, and a missing key is
    // inserted before it.
    cIniFile &closedBy(QByteArray closingKey);
    // Deferred, for many writes in a row: they reach the disk only with the caller's later
    // SyncFileSystemOf (still atomically: a reader sees the old file or the new one).
    cIniFile &withDurability(eDurability durability);

    const QString &path() const { return fPath; }

    cIniSection readSection(const QString &section) const;
    QByteArray readBytes(const QString &section, const QByteArray &key, const QByteArray &def = {}) const;
    QString readString(const QString &section, const QByteArray &key, const QString &def = {}) const;
    int readInteger(const QString &section, const QByteArray &key, int def) const;
    bool readBool(const QString &section, const QByteArray &key, bool def) const;
    // Section names in file order, each once.
    QStringList readSections() const;
    bool sectionExists(const QString &section) const;

    bool writeBytes(const QString &section, const QByteArray &key, const QByteArray &value);
    bool writeString(const QString &section, const QByteArray &key, const QString &value);
    bool writeInteger(const QString &section, const QByteArray &key, int value);
    bool writeBool(const QString &section, const QByteArray &key, bool value);
    // Many keys in one replacement of the file, in order: all of them or, on failure, none.
    bool writeValues(const QList<cIniValue> &values);
    bool eraseSection(const QString &section);

    // Why the last call failed, naming the file; empty after success.
    const QString &errorString() const { return fError; }

private:
    QString fPath;
    QByteArray fClosingKey;
    eDurability fDurability = eDurability::Synced;
    mutable QString fError;
};

// Renames the first section whose header line is "[oldName]" (without regard to case);
// the file is left untouched when there is none. Fails only when the file could not
// be read or written.
cResult RenameIniSection(const QString &file, const QString &oldName, const QString &newName);
