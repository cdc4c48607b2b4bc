// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cPop3State.h"

#include "storage/AtomicFile.h"
#include "storage/DeferredFlush.h"
#include "storage/PrivateFiles.h"
#include "storage/SettingsPaths.h"
#include "storage/cMailMessage.h"
#include "storage/cOriginalStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cPop3State)
};

const QByteArray kFirstLine = QByteArrayLiteral("Ravelin2 POP3 state 1");
const QByteArray kMailboxKey = QByteArrayLiteral("mailbox ");
const QByteArray kEndKey = QByteArrayLiteral("end ");
// File names stay well inside the 255 bytes a name may have.
constexpr qsizetype kLongestReadableName = 120;
constexpr qsizetype kHashChars = 16;

bool plainInAFileName(QChar c)
{
    return (c.isLetterOrNumber() && c.unicode() < 0x80) || QStringLiteral("@._:-").contains(c);
}

// The mailbox as it reads; a name that had to be changed or cut gets a hash of the whole, so
// two mailboxes never share a file.
QString fileStem(const QString &mailbox)
{
    QString readable = mailbox.left(kLongestReadableName);
    for (QChar &c : readable)
        if (!plainInAFileName(c))
            c = QLatin1Char('_');
    if (readable == mailbox)
        return readable;
    const QByteArray hash = QCryptographicHash::hash(mailbox.toUtf8(), QCryptographicHash::Sha256).toHex();
    return readable + QLatin1Char('-') + QString::fromLatin1(hash.left(kHashChars));
}

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

std::optional<qint64> seconds(const QByteArray &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

cPop3State::cPop3State(const QString &user, const QString &host, int port)
    : fMailbox(QStringLiteral("%1@%2:%3").arg(user, host).arg(port))
{
    const QString stem = ProgramFolder() + QStringLiteral("/Ravelin2 POP3 state ") + fileStem(fMailbox);
    fPath = stem + QStringLiteral(".txt");
    fJournalPath = stem + QStringLiteral(".journal");
}

std::optional<qint64> cPop3State::StoredAt(const QByteArray &uid) const
{
    const auto found = fStored.constFind(uid);
    return found == fStored.constEnd() ? std::nullopt : std::optional<qint64>(*found);
}

cResult cPop3State::Load()
{
    fStored.clear();
    fChanged = false;
    fProven = false;
    QFile file(fPath);
    cResult loaded;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            loaded = cResult::Failed(eFailure::FileSystem, cTexts::tr("The record of fetched messages \"%1\" cannot be read: %2")
                                                               .arg(fPath, file.errorString()));
        else
            loaded = Parse(file.readAll());
    }
    if (!loaded) {
        fStored.clear();
        fChanged = true;
    }
    Recover();
    return loaded;
}

cResult cPop3State::Parse(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    auto damaged = [this](qsizetype line) {
        return cResult::Failed(eFailure::Format,
                               cTexts::tr("The record of fetched messages \"%1\" is damaged (line %2); it is rebuilt, "
                                              "and messages left on the server may be fetched again.")
                                   .arg(fPath, QString::number(line + 1)));
    };
    if (lines.value(0) != kFirstLine)
        return damaged(0);
    if (lines.value(1) != kMailboxKey + fMailbox.toUtf8())
        return damaged(1);
    qsizetype i = 2;
    for (; i < lines.size() && !lines.at(i).startsWith(kEndKey); ++i) {
        const QList<QByteArray> fields = lines.at(i).split(' ');
        const std::optional<qint64> time = seconds(fields.value(0));
        if (fields.size() != 2 || !time || fields.at(1).isEmpty())
            return damaged(i);
        fStored.insert(fields.at(1), *time);
    }
    // The end line with the count proves the file was not cut short or spliced.
    if (i >= lines.size() || seconds(lines.at(i).mid(kEndKey.size())) != fStored.size()
        || lines.mid(i + 1) != QList<QByteArray>{QByteArray()})
        return damaged(std::min(i, lines.size() - 1));
    return cResult::Ok();
}

namespace {

// The files of a message filed by a process stopped before its flush: they are on disk only
// once this one flushes them.
void noteUnflushed(const QString &path, const cMailMessage &filed)
{
    QStringList paths = filed.attachments;
    paths.append(path);
    if (const QString original = cOriginalStore::PathOf(filed.Original); !original.isEmpty())
        paths.append(original);
    for (const QString &file : std::as_const(paths))
        if (!file.isEmpty())
            NoteDeferredWrite(file);
}

} // namespace

// A journal line is "uid time path mark", the last two percent-encoded; a line cut short by a
// killed process has no line end and is ignored.
void cPop3State::Recover()
{
    QFile journal(fJournalPath);
    if (!journal.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = journal.readAll().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split(' ');
        const std::optional<qint64> time = seconds(fields.value(1));
        if (fields.size() != 4 || !time || fStored.contains(fields.at(0)))
            continue;
        cMailMessage filed;
        const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(2)));
        if (filed.ReadFile(path, true) && filed.DateTime == QByteArray::fromPercentEncoding(fields.at(3))) {
            fStored.insert(fields.at(0), *time);
            fChanged = true;
            fProven = true;
            noteUnflushed(path, filed);
        }
    }
}

cResult cPop3State::OpenJournal(QIODevice::OpenMode mode)
{
    auto journal = std::make_unique<QFile>(fJournalPath);
    if (!journal->open(mode | QIODevice::Unbuffered, kPrivateFileMode))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot write the journal \"%1\": %2").arg(fJournalPath, journal->errorString()));
    fJournal = std::move(journal);
    return cResult::Ok();
}

cResult cPop3State::Filing(const QByteArray &uid, const QString &path, const QByteArray &mark)
{
    if (!fJournal) {
        if (cResult opened = OpenJournal(QIODevice::Append); !opened)
            return opened;
    }
    // One write per line: a kill leaves whole lines or a cut last one, never a mix.
    const QByteArray line = uid + ' ' + QByteArray::number(now()) + ' ' + path.toUtf8().toPercentEncoding() + ' '
                            + mark.toPercentEncoding() + '\n';
    if (fJournal->write(line) != line.size())
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot write the journal \"%1\": %2").arg(fJournalPath, fJournal->errorString()));
    fUnrecorded.insert(uid, line);
    NoteDeferredWrite(fJournalPath);
    return cResult::Ok();
}

void cPop3State::Record(const QByteArray &uid)
{
    fStored.insert(uid, now());
    fUnrecorded.remove(uid);
    fChanged = true;
}

void cPop3State::KeepOnly(const QSet<QByteArray> &onServer)
{
    for (auto it = fStored.begin(); it != fStored.end();) {
        if (onServer.contains(it.key())) {
            ++it;
        } else {
            it = fStored.erase(it);
            fChanged = true;
        }
    }
}

QByteArray cPop3State::Text() const
{
    QByteArray text = kFirstLine + '\n' + kMailboxKey + fMailbox.toUtf8() + '\n';
    for (auto it = fStored.constBegin(); it != fStored.constEnd(); ++it)
        text += QByteArray::number(it.value()) + ' ' + it.key() + '\n';
    return text + kEndKey + QByteArray::number(fStored.size()) + '\n';
}

cResult cPop3State::Save()
{
    if (cResult written = WriteFileAtomically(fPath, Text()); !written)
        return written;
    fChanged = false;
    fProven = false;
    return KeepUnrecordedInJournal();
}

// A message filed while the ones before it were being flushed keeps its line: the next start
// proves it from there.
cResult cPop3State::KeepUnrecordedInJournal()
{
    fJournal.reset();
    if (fUnrecorded.isEmpty()) {
        if (QFile::exists(fJournalPath) && !QFile::remove(fJournalPath))
            return cResult::Failed(eFailure::FileSystem, cTexts::tr("Cannot clear the journal \"%1\".").arg(fJournalPath));
        return cResult::Ok();
    }
    QByteArray lines;
    for (const QByteArray &line : std::as_const(fUnrecorded))
        lines += line;
    if (cResult written = WriteFileAtomically(fJournalPath, lines, eDurability::Deferred); !written)
        return written;
    return OpenJournal(QIODevice::Append);
}
