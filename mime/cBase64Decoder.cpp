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
            const quint32 a = kSextets[from[0]], b = kSextets[from[1]], c = kSextets[from[2]], d = kSextets[from[3]];
            if ((a | b | c | d) < 64) {
                const quint32 group = a << 18 | b << 12 | c << 6 | d;
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
