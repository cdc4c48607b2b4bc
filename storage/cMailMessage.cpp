// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cMailMessage.h"

#include "storage/FilePathBytes.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <functional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cMailMessage)
};

const QString kHeader = QStringLiteral("Header");
const QByteArray kBoundaryKey = QByteArrayLiteral("X_MailBoundary");
const QByteArray kCrLf = QByteArrayLiteral("\r\n");
constexpr int kBoundaryLimit = 999999;

QByteArray openingLine(const QByteArray &boundary) { return kBoundaryKey + '=' + boundary; }
QByteArray closingLine(const QByteArray &boundary) { return kBoundaryKey + '!' + boundary; }

// Lines end at CR LF, LF or CR; a final line end does not start another line.
QList<QByteArray> splitTextLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != '\r' && text.at(end) != '\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end < size && text.at(end) == '\r' && end + 1 < size && text.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The attachment list is one line of paths joined by ";". A ";" or "\\" inside a path is
// written with a "\\" before it; any other "\\" stands for itself, so lists written before
// paths were escaped read as they always did.
QList<QByteArray> splitEscaped(const QByteArray &value)
{
    QList<QByteArray> pieces{QByteArray()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        const bool escaped = c == '\\' && i + 1 < value.size() && (value.at(i + 1) == ';' || value.at(i + 1) == '\\');
        if (escaped)
            pieces.last() += value.at(++i);
        else if (c == ';')
            pieces.append(QByteArray());
        else
            pieces.last() += c;
    }
    return pieces;
}

QByteArray escaped(const QByteArray &path)
{
    QByteArray result;
    result.reserve(path.size());
    for (const char c : path) {
        if (c == ';' || c == '\\')
            result += '\\';
        result += c;
    }
    return result;
}

// Stored paths are absolute; a relative one names a file in the attachments folder and is
// never looked up in whatever the working directory happens to be. One that leaves that
// folder, or comes without a known one, names nothing.
QString resolvedAttachment(const QByteArray &stored)
{
    const QString path = PathFromBytes(stored);
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    const QString folder = QDir::cleanPath(AttachmentsFolder());
    const QString resolved = QDir::cleanPath(folder + QLatin1Char('/') + path);
    const bool inside = QDir::isAbsolutePath(folder) && resolved.startsWith(folder + QLatin1Char('/'));
    return inside ? resolved : QString();
}

QStringList splitAttachments(const QByteArray &value)
{
    QStringList paths;
    if (value.isEmpty())
        return paths;
    for (const QByteArray &piece : splitEscaped(value))
        paths.append(resolvedAttachment(piece));
    return paths;
}

QByteArray joinAttachments(const QStringList &paths)
{
    QList<QByteArray> encoded;
    for (const QString &path : paths)
        encoded.append(escaped(PathBytes(path)));
    return encoded.join(';');
}

void appendLine(QByteArray &text, const QByteArray &line)
{
    text += line;
    text += kCrLf;
}

// A value holding a line end would add keys of its own to the file.
void appendField(QByteArray &text, const char *key, QByteArray value)
{
    std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    appendLine(text, key + ('=' + value));
}

} // namespace

void cMailMessage::reset()
{
    *this = cMailMessage();
}

int cMailMessage::StoredPriority(int priority)
{
    switch (priority) {
    case 2: return 0;
    case 4: return 1;
    case 0:
    case 1:
    case 3: return 2;
    default: return 0;
    }
}

int cMailMessage::PriorityFromStored(int stored)
{
    switch (stored) {
    case 1: return 4;
    case 2: return 0;
    default: return 2;
    }
}

cResult cMailMessage::ReadFile(const QString &path, bool headerOnly, bool keepRawFrom)
{
    reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot read the message file \"%1\": %2").arg(path, file.errorString()));
    const cIniSection header = cIniSection::readFrom(file, kHeader, kBoundaryKey);
    takeHeader(header, keepRawFrom);
    if (!headerOnly && file.seek(0))
        takeBlocks(file.readAll(), header.value(kBoundaryKey));
    return cResult::Ok();
}

void cMailMessage::takeHeader(const cIniSection &header, bool keepRawFrom)
{
    Subject = header.value("Subject");
    To = header.value("To");
    ReplyAddress = header.value("ReplyAddress");
    FromAddress = header.value("FromAddress");
    Account = header.value("Account");
    CC = header.value("CC");
    Bcc = header.value("Bcc");
    SendAccount = header.value("SendAccount");
    DateTime = header.value("DateTime");
    Html = header.boolean("Html", false);
    Read = header.boolean("Read", false);
    Original = header.value("Original");
    const QByteArray rawFrom = header.value("From");
    if (const auto split = SplitAddress(rawFrom)) {
        From = split->name;
        if (ReplyAddress.trimmed().isEmpty())
            ReplyAddress = split->address;
        if (FromAddress.trimmed().isEmpty())
            FromAddress = split->address;
    }
    if (keepRawFrom)
        From = rawFrom;
    Priority = PriorityFromStored(header.integer("Priority", 0));
    attachments = splitAttachments(header.value("Attachments"));
}

void cMailMessage::takeBlocks(const QByteArray &text, const QByteArray &boundary)
{
    const QList<QByteArray> lines = splitTextLines(text);
    const qsizetype opening = lines.indexOf(openingLine(boundary));
    if (opening < 0)
        return;
    const QByteArray closing = closingLine(boundary);
    QList<QByteArray> *target = &headerLines;
    for (qsizetype i = opening + 1; i < lines.size(); ++i) {
        if (lines.at(i) == closing)
            target = &body;
        else
            target->append(lines.at(i));
    }
}

QByteArray cMailMessage::boundaryAvoidingContent() const
{
    // A header or body line equal to the closing line would cut the message on reading.
    QSet<int> taken;
    const QByteArray prefix = kBoundaryKey + '!';
    for (const QList<QByteArray> *lines : {&headerLines, &body})
        for (const QByteArray &line : *lines)
            if (line.startsWith(prefix))
                taken.insert(line.mid(prefix.size()).toInt());
    int number = QRandomGenerator::global()->bounded(kBoundaryLimit);
    for (int tries = 0; tries < kBoundaryLimit && taken.contains(number); ++tries)
        number = (number + 1) % kBoundaryLimit;
    return QByteArray::number(number);
}

QByteArray cMailMessage::HeadText(const QByteArray &boundary) const
{
    QByteArray text;
    appendLine(text, "[Header]");
    appendField(text, "Subject", Subject);
    appendField(text, "To", To);
    appendField(text, "From", From);
    appendField(text, "DateTime", DateTime);
    appendField(text, "Account", Account);
    appendField(text, "CC", CC);
    appendField(text, "ReplyAddress", ReplyAddress);
    appendLine(text, Read ? "Read=1" : "Read=0");
    appendLine(text, "Priority=" + QByteArray::number(StoredPriority(Priority)));
    appendField(text, "Attachments", joinAttachments(attachments));
    appendLine(text, Html ? "Html=1" : "Html=0");
    if (!Original.isEmpty())
        appendField(text, "Original", Original);
    if (!FromAddress.isEmpty())
        appendField(text, "FromAddress", FromAddress);
    if (!Bcc.isEmpty())
        appendField(text, "Bcc", Bcc);
    if (!SendAccount.isEmpty())
        appendField(text, "SendAccount", SendAccount);
    appendLine(text, openingLine(boundary));
    for (const QByteArray &line : headerLines)
        appendLine(text, line);
    appendLine(text, closingLine(boundary));
    return text;
}

// The body goes out a piece at a time: a text of many megabytes is never held twice.
cResult cMailMessage::WriteFile(const QString &path, eDurability durability) const
{
    constexpr qsizetype kPieceBytes = 64 * 1024;
    return WriteFileAtomically(path, [this](const fWritePiece &write) {
        QByteArray text = HeadText(boundaryAvoidingContent());
        for (const QByteArray &line : body) {
            if (text.size() >= kPieceBytes) {
                if (!write(text))
                    return false;
                text.resize(0);
            }
            appendLine(text, line);
        }
        return write(text);
    }, durability);
}

namespace {

// One line of the header changed in place; a file gone meanwhile is not made anew.
cResult writeHeaderLine(const QString &path, eDurability durability, const std::function<bool(cIniFile &)> &write)
{
    if (!QFile::exists(path))
        return cResult::Failed(eFailure::FileSystem, cTexts::tr("The message file \"%1\" no longer exists.").arg(path));
    cIniFile file(path);
    if (write(file.closedBy(kBoundaryKey).withDurability(durability)))
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, file.errorString());
}

} // namespace

cResult cMailMessage::SetReadFlag(const QString &path, bool read, eDurability durability)
{
    return writeHeaderLine(path, durability, [read](cIniFile &file) { return file.writeBool(kHeader, "Read", read); });
}

cResult cMailMessage::SetPriority(const QString &path, int priority, eDurability durability)
{
    return writeHeaderLine(path, durability, [priority](cIniFile &file) {
        return file.writeInteger(kHeader, "Priority", StoredPriority(priority));
    });
}
