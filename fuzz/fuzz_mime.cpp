// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the MIME reader. It must never crash, hang or leak, and must never
// hand back an attached part that the reader did not find whole (size beyond the input's
// decoded bound). Read again with every part sent to files and the text kept as UTF-8, as
// the incoming store reads, it must give the same parts, byte for byte.
#include "mime/cMimeReader.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray partBytes(const cDecodedPart &part)
{
    if (part.file.isEmpty())
        return part.data;
    QFile file(part.file);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkSameWithPartsInFiles(const QByteArray &message, const cDecodedMail &inMemory)
{
    static QTemporaryDir scratch;
    int made = 0;
    cReadOptions options;
    options.largePart = 16;
    options.utf8Text = true;
    options.partFile = [&] {
        auto file = std::make_unique<QFile>(scratch.filePath(QString::number(++made)));
        return file->open(QIODevice::WriteOnly) ? std::move(file) : nullptr;
    };
    const cDecodedMail inFiles = cMimeReader::Read(message, options);
    if (inFiles.attachments.size() != inMemory.attachments.size())
        __builtin_trap();
    for (qsizetype i = 0; i < inMemory.attachments.size(); ++i)
        if (!inFiles.attachments.at(i).fileError.isEmpty()
            || partBytes(inFiles.attachments.at(i)) != inMemory.attachments.at(i).data)
            __builtin_trap();
    for (int i = 1; i <= made; ++i)
        QFile::remove(scratch.filePath(QString::number(i)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray message(reinterpret_cast<const char *>(data), qsizetype(size));
    const cDecodedMail mail = cMimeReader::Read(message);
    qsizetype total = 0;
    for (const cDecodedPart &part : mail.attachments)
        total += part.data.size();
    // Decoding only ever shrinks; a uuencoded or base64 part is smaller than its text.
    if (total > 2 * message.size() + 1024)
        __builtin_trap();
    checkSameWithPartsInFiles(message, mail);
    return 0;
}
