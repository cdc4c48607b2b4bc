// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/cBase64Decoder.h"

#include <array>

namespace {

constexpr quint8 kSkipped = 64;
constexpr quint8 kPadding = 65;

constexpr std::array<quint8, 256> kSextets = [] {
    std::array<quint8, 256> table{};
    table.fill(kSkipped);
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (quint8 value = 0; value < 64; ++value)
        table[quint8(alphabet[value])] = value;
    table[quint8('=')] = kPadding;
    return table;
}();

// The sextet of each character already in its place in a group of four, or kNotInGroup.
constexpr quint32 kNotInGroup = 0x80000000u;
using cGroupTable = std::array<quint32, 256>;

constexpr cGroupTable groupTable(int shift)
{
    cGroupTable table{};
    for (int c = 0; c < 256; ++c)
        table[c] = kSextets[c] < 64 ? quint32(kSextets[c]) << shift : kNotInGroup;
    return table;
}

constexpr cGroupTable kFirst = groupTable(18);
constexpr cGroupTable kSecond = groupTable(12);
constexpr cGroupTable kThird = groupTable(6);
constexpr cGroupTable kFourth = groupTable(0);

} // namespace

// Whole groups of four go at once; the rest, line ends and stray characters a bit at a time.
void cBase64Decoder::Decode(QByteArrayView piece, QByteArray &out)
{
    const qsizetype start = out.size();
    out.resize(start + piece.size() * 3 / 4 + 1);
    char *to = out.data() + start;
    const auto *from = reinterpret_cast<const quint8 *>(piece.data());
    const quint8 *const end = from + piece.size();
    while (from < end) {
        if (fBitCount == 0 && end - from >= 4) {
            const quint32 group = kFirst[from[0]] | kSecond[from[1]] | kThird[from[2]] | kFourth[from[3]];
            if (!(group & kNotInGroup)) {
                *to++ = char(group >> 16);
                *to++ = char(group >> 8);
                *to++ = char(group);
                from += 4;
                continue;
            }
        }
        const quint8 value = kSextets[*from++];
        if (value == kPadding) {
            fBits = 0;
            fBitCount = 0;
        } else if (value != kSkipped) {
            fBits = (fBits << 6) | value;
            fBitCount += 6;
            if (fBitCount >= 8) {
                fBitCount -= 8;
                *to++ = char(fBits >> fBitCount);
                fBits &= (1u << fBitCount) - 1;
            }
        }
    }
    out.truncate(to - out.constData());
}
