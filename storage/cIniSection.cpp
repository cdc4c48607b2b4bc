// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cIniSection.h"

#include <algorithm>

void cIniSection::append(QByteArray key, QByteArray value)
{
    fEntries.append({std::move(key), std::move(value)});
}

const QByteArray *cIniSection::find(const QByteArray &key) const
{
    for (const auto &entry : fEntries)
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.second;
    return nullptr;
}

QList<QByteArray> cIniSection::keys() const
{
    QList<QByteArray> keys;
    for (const auto &entry : fEntries)
        if (find(entry.first) == &entry.second)
            keys.append(entry.first);
    return keys;
}

bool cIniSection::contains(const QByteArray &key) const
{
    return find(key) != nullptr;
}

QByteArray cIniSection::value(const QByteArray &key, const QByteArray &def) const
{
    const QByteArray *found = find(key);
    return found ? *found : def;
}

QString cIniSection::text(const QByteArray &key, const QString &def) const
{
    const QByteArray *found = find(key);
    return found ? QString::fromUtf8(*found) : def;
}

bool cIniSection::parseInteger(const QByteArray &text, int *result)
{
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed.at(i);
        const bool sign = i == 0 && (c == '-' || c == '+') && trimmed.size() > 1;
        if (!sign && (c < '0' || c > '9'))
            return false;
    }
    bool ok = false;
    const int parsed = trimmed.toInt(&ok, 10);
    if (ok)
        *result = parsed;
    return ok;
}

int cIniSection::integer(const QByteArray &key, int def) const
{
    int result = def;
    if (const QByteArray *found = find(key))
        parseInteger(*found, &result);
    return result;
}

bool cIniSection::boolean(const QByteArray &key, bool def) const
{
    return integer(key, def ? 1 : 0) != 0;
}

bool cIniSection::parseSectionName(const QByteArray &line, QString *name)
{
    const QByteArray trimmed = line.trimmed();
    const qsizetype close = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || close < 0)
        return false;
    *name = QString::fromUtf8(trimmed.mid(1, close - 1)).trimmed();
    return true;
}

bool cIniSection::parseKeyValue(const QByteArray &line, QByteArray *key, QByteArray *value)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    *value = line.mid(eq + 1).trimmed();
    return !key->isEmpty();
}

namespace {

// Lines of a device read in blocks: one system call serves a whole message header. Each byte is
// scanned once and moved at most once, so a line of any length costs time in proportion to it.
class cBlockLineReader
{
public:
    explicit cBlockLineReader(QIODevice &device) : fDevice(device) {}

    bool next(QByteArray *line)
    {
        qsizetype end = fBuffer.indexOf('\n', fPos);
        while (end < 0) {
            const qsizetype scanned = fBuffer.size() - fPos;
            if (!fill())
                break;
            end = fBuffer.indexOf('\n', fPos + scanned);
        }
        if (end < 0)
            end = fBuffer.size();
        if (fPos >= end && end == fBuffer.size())
            return false;
        qsizetype textEnd = end;
        while (textEnd > fPos && fBuffer.at(textEnd - 1) == '\r')
            --textEnd;
        *line = fBuffer.mid(fPos, textEnd - fPos);
        fPos = end + 1;
        return true;
    }

private:
    // Appends the next block after dropping the lines already handed out.
    bool fill()
    {
        if (fDevice.atEnd())
            return false;
        if (fPos > 0) {
            fBuffer.remove(0, fPos);
            fPos = 0;
        }
        const qsizetype before = fBuffer.size();
        fBuffer.resize(before + kBlock);
        const qint64 got = fDevice.read(fBuffer.data() + before, kBlock);
        fBuffer.resize(before + std::max<qint64>(got, 0));
        return got > 0;
    }

    static constexpr qint64 kBlock = 64 * 1024;
    QIODevice &fDevice;
    QByteArray fBuffer;
    qsizetype fPos = 0;
};

} // namespace

cIniSection cIniSection::readFrom(QIODevice &device, const QString &section, const QByteArray &closingKey)
{
    cIniSection result;
    bool inSection = false;
    QString name;
    cBlockLineReader reader(device);
    QByteArray line;
    while (reader.next(&line)) {
        if (parseSectionName(line, &name)) {
            if (inSection)
                break;
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QByteArray key, value;
        if (!inSection || !parseKeyValue(line, &key, &value))
            continue;
        const bool closing = !closingKey.isEmpty() && key.compare(closingKey, Qt::CaseInsensitive) == 0;
        result.append(std::move(key), std::move(value));
        if (closing)
            break;
    }
    return result;
}
