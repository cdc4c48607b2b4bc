// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One section of an INI text, read in a single pass: the key=value pairs in file order.
// Lookups match key names without regard to case and take the first occurrence, so a
// reader that needs several keys opens the file once (message lists read many files).
#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <utility>

class cIniSection
{
public:
    void append(QByteArray key, QByteArray value);
    bool isEmpty() const { return fEntries.isEmpty(); }

    bool contains(const QByteArray &key) const;
    // Each key once, as first spelled, in file order.
    QList<QByteArray> keys() const;
    QByteArray value(const QByteArray &key, const QByteArray &def = {}) const;
    QString text(const QByteArray &key, const QString &def = {}) const;
    // Text that is no decimal integer gives the default; booleans are integers, non-zero true.
    int integer(const QByteArray &key, int def) const;
    bool boolean(const QByteArray &key, bool def) const;

    static bool parseInteger(const QByteArray &text, int *result);
    static bool parseSectionName(const QByteArray &line, QString *name);
    static bool parseKeyValue(const QByteArray &line, QByteArray *key, QByteArray *value);

    // Reads the first section of that name from an open device, line by line, stopping at its
    // end, or right after closingKey when one is given (the data after it is never read).
    static cIniSection readFrom(QIODevice &device, const QString &section, const QByteArray &closingKey = {});

private:
    const QByteArray *find(const QByteArray &key) const;
    QList<std::pair<QByteArray, QByteArray>> fEntries;
};
