#include "mailproto/TVrxBase64.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxProgress.h"

#include <QFile>

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr quint8 PadMarker = 64;

constexpr std::array<quint8, 256> DecodeTable()
{
    std::array<quint8, 256> table{};
    for (int i = 0; i < 64; ++i)
        table[quint8(Alphabet[i])] = quint8(i);
    table[quint8('=')] = PadMarker;
    return table;
}

constexpr std::array<quint8, 256> Values = DecodeTable();

// Two output characters for every 12 input bits: half the lookups of the plain alphabet.
constexpr std::array<std::array<char, 2>, 4096> PairTable()
{
    std::array<std::array<char, 2>, 4096> table{};
    for (int i = 0; i < 4096; ++i)
        table[std::size_t(i)] = {Alphabet[i >> 6], Alphabet[i & 63]};
    return table;
}

constexpr std::array<std::array<char, 2>, 4096> Pairs = PairTable();

void AppendGroup(QByteArray &out, std::array<quint8, 4> v)
{
    int count = 3;
    if (v[0] == PadMarker)
        count = 0;
    if (v[2] == PadMarker) {
        v[2] = v[3] = 0;
        count = 1;
    }
    if (v[3] == PadMarker) {
        v[3] = 0;
        count = 2;
    }
    const char bytes[3] = {char(v[0] << 2 | v[1] >> 4), char((v[1] & 15) << 4 | v[2] >> 2),
                           char((v[2] & 3) << 6 | v[3])};
    out.append(bytes, count);
}

[[noreturn]] void ThrowUnreadable(const QFile &file)
{
    throw EVrxError(u"Could not read the attachment %1: %2"_s.arg(file.fileName(), file.errorString()));
}

} // namespace

QByteArray TVrxBase64::EncodeLine(const char *data, qsizetype size)
{
    QByteArray line((size + 2) / 3 * 4, Qt::Uninitialized);
    char *out = line.data();
    const auto *in = reinterpret_cast<const quint8 *>(data);
    qsizetype i = 0;
    for (; i + 3 <= size; i += 3) {
        const quint32 triple = quint32(in[i]) << 16 | quint32(in[i + 1]) << 8 | in[i + 2];
        std::memcpy(out, Pairs[triple >> 12].data(), 2);
        std::memcpy(out + 2, Pairs[triple & 4095].data(), 2);
        out += 4;
    }
    if (i < size) {
        const quint32 rest = quint32(in[i]) << 16 | (i + 1 < size ? quint32(in[i + 1]) << 8 : 0);
        *out++ = Alphabet[rest >> 18];
        *out++ = Alphabet[rest >> 12 & 63];
        *out++ = i + 1 < size ? Alphabet[rest >> 6 & 63] : '=';
        *out++ = '=';
    }
    return line;
}

// Reads many blocks at once; progress still counts whole blocks only, as the events promise.
void TVrxBase64::EncodeFile(TAttachedFile &item, const TVrxCodecEvents &events)
{
    QFile file(item.PathName);
    if (!file.open(QIODevice::ReadOnly))
        ThrowUnreadable(file);
    const qint64 size = file.size();
    if (events.Start)
        events.Start(QString::fromUtf8(item.FileName), size);
    TVrxProgress progress(events.Step, events.Progress);
    const qint64 blockBytesTotal = size - size % BlockBytes;
    QList<QByteArray> lines;
    lines.reserve((size + LineBytes - 1) / LineBytes);
    qint64 done = 0;
    QByteArray buffer(ReadBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), ReadBytes);
        if (got < 0)
            ThrowUnreadable(file);
        if (got == 0)
            break;
        for (qint64 at = 0; at < got; at += LineBytes) {
            lines.append(EncodeLine(buffer.constData() + at, std::min(LineBytes, got - at)));
            done += LineBytes;
            if (done > blockBytesTotal)
                continue;
            progress.Update(TVrxProgress::Percent(done, size));
            events.Serve();
        }
    }
    progress.Finish();
    item.Lines = std::move(lines);
    if (events.End)
        events.End();
}

void TVrxBase64::DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events)
{
    const qsizetype lineCount = item.Lines.size();
    if (events.Start)
        events.Start(QString::fromUtf8(item.FileName), lineCount);
    TVrxProgress progress(events.Step, events.Progress);
    QByteArray out;
    out.reserve(lineCount * LineBytes);
    std::array<quint8, 4> group{};
    int place = 0;
    for (qsizetype index = 0; index < lineCount; ++index) {
        const quint16 percent = TVrxProgress::Percent(index, lineCount);
        for (const char c : std::as_const(item.Lines[index])) {
            group[place++] = Values[quint8(c)];
            if (place < 4)
                continue;
            AppendGroup(out, group);
            place = 0;
            progress.Update(percent);
        }
        events.Serve();
    }
    item.Stream = std::move(out);
    item.Lines.clear();
    progress.Finish();
    if (events.End)
        events.End();
}
