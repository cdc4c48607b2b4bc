#include "mime/cBase64Decoder.h"

namespace {

int sextet(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    return c == '/' ? 63 : -1;
}

} // namespace

void cBase64Decoder::Decode(QByteArrayView piece, QByteArray &out)
{
    const qsizetype start = out.size();
    out.resize(start + piece.size() * 3 / 4 + 1);
    char *to = out.data() + start;
    for (char c : piece) {
        if (c == '=') {
            fBits = 0;
            fBitCount = 0;
            continue;
        }
        const int value = sextet(c);
        if (value < 0)
            continue;
        fBits = (fBits << 6) | quint32(value);
        fBitCount += 6;
        if (fBitCount >= 8) {
            fBitCount -= 8;
            *to++ = char(fBits >> fBitCount);
            fBits &= (1u << fBitCount) - 1;
        }
    }
    out.truncate(to - out.constData());
}
