// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/unitEncryptSupport.h"

#include <cstdint>

namespace {

constexpr std::uint16_t kStartKey = 0x6A1D;
constexpr std::uint16_t kMultiplier = 0x8C2F;
constexpr std::uint16_t kAddend = 0x3B5D;

// The key follows the scrambled stream in both directions, which makes them inverses.
QByteArray transform(const QByteArray &input, bool scrambling)
{
    QByteArray output(input.size(), '\0');
    std::uint16_t key = kStartKey;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const auto in = static_cast<std::uint8_t>(input.at(i));
        const auto out = static_cast<std::uint8_t>(in ^ (key >> 8));
        output[i] = static_cast<char>(out);
        const std::uint8_t scrambled = scrambling ? out : in;
        key = static_cast<std::uint16_t>((key + scrambled) * kMultiplier + kAddend);
    }
    return output;
}

} // namespace

QByteArray ScrambleText(const QByteArray &plain)
{
    return transform(plain, true);
}

QByteArray UnscrambleText(const QByteArray &scrambled)
{
    return transform(scrambled, false);
}
