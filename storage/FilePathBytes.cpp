// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/FilePathBytes.h"

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// How long the UTF-8 sequence that starts with lead would be; 0 for a byte no sequence starts with.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isEscapedByte(char16_t unit)
{
    return unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF;
}

} // namespace

QString PathFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(static_cast<unsigned char>(bytes.at(at)));
        if (length > 0 && at + length <= bytes.size() && bytes.sliced(at, length).isValidUtf8()) {
            path += QString::fromUtf8(bytes.sliced(at, length));
            at += length;
        } else {
            path += QChar(char16_t(kEscapedByte + static_cast<unsigned char>(bytes.at(at++))));
        }
    }
    return path;
}

QByteArray PathBytes(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype run = 0;
    for (qsizetype at = 0; at < path.size(); ++at) {
        const char16_t unit = path.at(at).unicode();
        // A low surrogate after a high one is half of a character, not a byte.
        const bool paired = at > 0 && path.at(at - 1).isHighSurrogate();
        if (!isEscapedByte(unit) || paired)
            continue;
        bytes += path.sliced(run, at - run).toUtf8();
        bytes += char(unit - kEscapedByte);
        run = at + 1;
    }
    return bytes + path.sliced(run).toUtf8();
}
