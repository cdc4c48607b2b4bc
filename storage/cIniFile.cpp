// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cIniFile.h"

#include "storage/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cIniFile)
};

struct IniLine
{
    QByteArray text;
    QByteArray eol;
};

bool isSection(const QByteArray &line, const QString &section)
{
    QString name;
    return cIniSection::parseSectionName(line, &name) && name.compare(section, Qt::CaseInsensitive) == 0;
}

bool keyIs(const QByteArray &line, const QByteArray &key)
{
    QByteArray found, value;
    return !key.isEmpty() && cIniSection::parseKeyValue(line, &found, &value)
           && found.compare(key, Qt::CaseInsensitive) == 0;
}

QList<IniLine> splitLines(const QByteArray &data)
{
    QList<IniLine> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) {
            lines.append({data.mid(start), {}});
            break;
        }
        qsizetype textEnd = end;
        if (textEnd > start && data.at(textEnd - 1) == '\r')
            --textEnd;
        lines.append({data.mid(start, textEnd - start), data.mid(textEnd, end + 1 - textEnd)});
        start = end + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<IniLine> &lines)
{
    QByteArray data;
    for (const IniLine &line : lines)
        data += line.text + line.eol;
    return data;
}

QByteArray lineEndOf(const QList<IniLine> &lines)
{
    for (const IniLine &line : lines)
        if (!line.eol.isEmpty())
            return line.eol;
    return QByteArrayLiteral("\r\n");
}

cResult loadLines(const QString &path, QList<IniLine> *lines)
{
    QFile file(path);
    if (!file.exists()) {
        lines->clear();
        return cResult::Ok();
    }
    if (!file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot read the settings file \"%1\": %2").arg(path, file.errorString()));
    *lines = splitLines(file.readAll());
    return cResult::Ok();
}

cResult saveLines(const QString &path, const QList<IniLine> &lines, eDurability durability = eDurability::Synced)
{
    return WriteFileAtomically(path, joinLines(lines), durability);
}

// cIniFile keeps its last failure for errorString().
bool noted(const cResult &result, QString *error)
{
    if (!result)
        *error = result.text();
    return result.ok();
}

// Index of the first line after the section's last line (the next header or the end).
qsizetype sectionEnd(const QList<IniLine> &lines, qsizetype header)
{
    QString name;
    qsizetype i = header + 1;
    while (i < lines.size() && !cIniSection::parseSectionName(lines.at(i).text, &name))
        ++i;
    return i;
}

qsizetype findSection(const QList<IniLine> &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (isSection(lines.at(i).text, section))
            return i;
    return -1;
}

} // namespace

cIniFile::cIniFile(QString path) : fPath(std::move(path)) {}

cIniFile &cIniFile::closedBy(QByteArray closingKey)
{
    fClosingKey = std::move(closingKey);
    return *this;
}

cIniFile &cIniFile::withDurability(eDurability durability)
{
    fDurability = durability;
    return *this;
}

cIniSection cIniFile::readSection(const QString &section) const
{
    fError.clear();
    QFile file(fPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.exists())
            fError = cTexts::tr("Cannot read the file \"%1\": %2").arg(fPath, file.errorString());
        return {};
    }
    return cIniSection::readFrom(file, section, fClosingKey);
}

QByteArray cIniFile::readBytes(const QString &section, const QByteArray &key, const QByteArray &def) const
{
    return readSection(section).value(key, def);
}

QString cIniFile::readString(const QString &section, const QByteArray &key, const QString &def) const
{
    return readSection(section).text(key, def);
}

int cIniFile::readInteger(const QString &section, const QByteArray &key, int def) const
{
    return readSection(section).integer(key, def);
}

bool cIniFile::readBool(const QString &section, const QByteArray &key, bool def) const
{
    return readSection(section).boolean(key, def);
}

QStringList cIniFile::readSections() const
{
    fError.clear();
    QList<IniLine> lines;
    QStringList names;
    if (!noted(loadLines(fPath, &lines), &fError))
        return names;
    QString name;
    for (const IniLine &line : lines)
        if (cIniSection::parseSectionName(line.text, &name) && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    return names;
}

bool cIniFile::sectionExists(const QString &section) const
{
    return readSections().contains(section, Qt::CaseInsensitive);
}

namespace {

bool breaksTheFile(const QByteArray &key, const QByteArray &value)
{
    return value.contains('\n') || value.contains('\r') || key.contains('=');
}

// The lines cut into sections (the lines before the first header come first, without one),
// with the first section of each name indexed, so that many writes cost one pass over the file.
class cIniLayout
{
public:
    explicit cIniLayout(const QList<IniLine> &lines) : fEol(lineEndOf(lines))
    {
        fBlocks.append(QList<IniLine>());
        QString name;
        for (const IniLine &line : lines) {
            if (cIniSection::parseSectionName(line.text, &name)) {
                const QString folded = name.toCaseFolded();
                if (!fFirst.contains(folded)) // the first of a name counts
                    fFirst.insert(folded, fBlocks.size());
                fBlocks.append(QList<IniLine>());
            }
            fBlocks.last().append(line);
        }
    }

    // Sets one key: its own line when present, else a new line at the end of its section
    // (before the closing key), else a new section at the end of the file.
    void set(const QString &section, const QByteArray &key, const QByteArray &value, const QByteArray &closingKey)
    {
        const QString folded = section.toCaseFolded();
        if (!fFirst.contains(folded)) {
            endLastLine();
            fFirst.insert(folded, fBlocks.size());
            fBlocks.append(QList<IniLine>{{'[' + section.toUtf8() + ']', fEol}});
        }
        const qsizetype index = fFirst.value(folded);
        QList<IniLine> &block = fBlocks[index];
        qsizetype insertAt = 1;
        for (qsizetype i = 1; i < block.size(); ++i) {
            IniLine &line = block[i];
            if (keyIs(line.text, key)) {
                line.text = line.text.left(line.text.indexOf('=') + 1) + value;
                return;
            }
            if (keyIs(line.text, closingKey)) {
                insertAt = i;
                break;
            }
            if (!line.text.trimmed().isEmpty())
                insertAt = i + 1;
        }
        if (insertAt == block.size() && index == fBlocks.size() - 1)
            endLastLine();
        block.insert(insertAt, {key + '=' + value, fEol});
    }

    QList<IniLine> lines() const
    {
        QList<IniLine> all;
        for (const QList<IniLine> &block : fBlocks)
            all += block;
        return all;
    }

private:
    // A line added after the file's last line needs that line ended first.
    void endLastLine()
    {
        for (auto block = fBlocks.rbegin(); block != fBlocks.rend(); ++block) {
            if (block->isEmpty())
                continue;
            if (block->last().eol.isEmpty())
                block->last().eol = fEol;
            return;
        }
    }

    QByteArray fEol;
    QList<QList<IniLine>> fBlocks;
    QHash<QString, qsizetype> fFirst;
};

} // namespace

bool cIniFile::writeBytes(const QString &section, const QByteArray &key, const QByteArray &value)
{
    return writeValues({{section, key, value}});
}

bool cIniFile::writeValues(const QList<cIniValue> &values)
{
    fError.clear();
    for (const cIniValue &entry : values) {
        if (breaksTheFile(entry.key, entry.value)) {
            fError = cTexts::tr("Cannot store the setting \"%1\" in \"%2\": it holds a line break or an equals sign.")
                         .arg(QString::fromUtf8(entry.key), fPath);
            return false;
        }
    }
    QList<IniLine> lines;
    if (!noted(loadLines(fPath, &lines), &fError))
        return false;
    cIniLayout layout(lines);
    for (const cIniValue &entry : values)
        layout.set(entry.section, entry.key, entry.value, fClosingKey);
    return noted(saveLines(fPath, layout.lines(), fDurability), &fError);
}

bool cIniFile::writeString(const QString &section, const QByteArray &key, const QString &value)
{
    return writeBytes(section, key, value.toUtf8());
}

bool cIniFile::writeInteger(const QString &section, const QByteArray &key, int value)
{
    return writeBytes(section, key, QByteArray::number(value));
}

bool cIniFile::writeBool(const QString &section, const QByteArray &key, bool value)
{
    return writeBytes(section, key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

bool cIniFile::eraseSection(const QString &section)
{
    fError.clear();
    QList<IniLine> lines;
    if (!noted(loadLines(fPath, &lines), &fError))
        return false;
    bool erased = false;
    for (qsizetype header = findSection(lines, section); header >= 0; header = findSection(lines, section)) {
        lines.remove(header, sectionEnd(lines, header) - header);
        erased = true;
    }
    return !erased || noted(saveLines(fPath, lines), &fError);
}

cResult RenameIniSection(const QString &file, const QString &oldName, const QString &newName)
{
    QList<IniLine> lines;
    if (cResult loaded = loadLines(file, &lines); !loaded)
        return loaded;
    const QByteArray oldHeader = '[' + oldName.toUtf8() + ']';
    for (IniLine &line : lines) {
        if (QString::fromUtf8(line.text).compare(QString::fromUtf8(oldHeader), Qt::CaseInsensitive) != 0)
            continue;
        line.text = '[' + newName.toUtf8() + ']';
        return saveLines(file, lines);
    }
    return cResult::Ok();
}
