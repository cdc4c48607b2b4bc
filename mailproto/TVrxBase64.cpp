// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxBase64.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxProgress.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr quint8 Pad = 64;
constexpr quint8 Foreign = 65;

constexpr std::array<quint8, 256> DecodeTable()
{
    std::array<quint8, 256> table{};
    table.fill(Foreign);
    for (int i = 0; i < 64; ++i)
        table[quint8(Alphabet[i])] = quint8(i);
    table[quint8('=')] = Pad;
    return table;
}

constexpr std::array<quint8, 256> Values = DecodeTable();

// Collects 6-bit values and gives out whole bytes; a group of two or three values, ended by
// padding or by the end of the data, still holds one or two bytes.
class GroupDecoder
{
public:
    explicit GroupDecoder(QByteArray &out) : fOut(out) {}

    void Feed(QByteArrayView text)
    {
        for (const char c : text) {
            const quint8 value = Values[quint8(c)];
            if (value < Pad)
                Add(value);
            else if (value == Pad)
                Flush();
        }
    }

    void Flush()
    {
        if (fPlaces >= 2)
            fOut.append(char(fBits >> (fPlaces == 2 ? 4 : 10)));
        if (fPlaces == 3)
            fOut.append(char(fBits >> 2));
        fBits = 0;
        fPlaces = 0;
    }

private:
    void Add(quint8 value)
    {
        fBits = fBits << 6 | value;
        if (++fPlaces < 4)
            return;
        const char bytes[3] = {char(fBits >> 16), char(fBits >> 8), char(fBits)};
        fOut.append(bytes, 3);
        fBits = 0;
        fPlaces = 0;
    }

    QByteArray &fOut;
    quint32 fBits = 0;
    int fPlaces = 0;
};

// Feeds the decoder one unit at a time (a line, or a slice of text), with progress by units.
template<typename FeedUnit>
void DecodeUnits(TAttachedFile &item, const TVrxCodecEvents &events, qint64 lineCount, qsizetype reserve,
                 qsizetype units, FeedUnit feedUnit)
{
    if (events.Start)
        events.Start(QString::fromUtf8(item.FileName), lineCount);
    TVrxProgress progress(events.Step, events.Progress);
    QByteArray out;
    out.reserve(reserve);
    GroupDecoder decoder(out);
    for (qsizetype unit = 0; unit < units; ++unit) {
        feedUnit(decoder, unit);
        progress.Update(TVrxProgress::Percent(unit, units));
        events.Serve();
    }
    decoder.Flush();
    item.Stream = std::move(out);
    item.Lines.clear();
    progress.Finish();
    if (events.End)
        events.End();
}

[[noreturn]] void ThrowUnreadable(const TAttachedFile &item, const QString &reason)
{
    throw EVrxError(u"Could not read the attachment %1: %2"_s.arg(item.PathName, reason));
}

// Why the file could not be opened; empty when it was.
QString openAttached(const TAttachedFile &item, QFile &file)
{
    if (item.LocalPath.isEmpty()) {
        file.setFileName(item.PathName);
        return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
    }
    const int handle = ::open(item.LocalPath.constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) ? QString() : file.errorString();
}

} // namespace

QList<QByteArray> TVrxBase64::SplitLines(const QByteArray &encoded)
{
    QList<QByteArray> lines;
    AppendLines(lines, encoded);
    return lines;
}

// The lines share the encoded buffer (each holds a reference to it) instead of copying it:
// one allocation per read instead of one per line. Text that does not own its bytes is copied.
void TVrxBase64::AppendLines(QList<QByteArray> &lines, QByteArray encoded)
{
    if (!encoded.data_ptr().isMutable())
        encoded.detach();
    const qsizetype first = lines.size();
    lines.resize(first + (encoded.size() + LineChars - 1) / LineChars);
    QByteArray *out = lines.data() + first;
    for (qsizetype at = 0; at < encoded.size(); at += LineChars) {
        QByteArray::DataPointer line = encoded.data_ptr();
        line.ptr += at;
        line.size = std::min(LineChars, encoded.size() - at);
        *out++ = QByteArray(std::move(line));
    }
}

// Each read is a whole number of lines, so the encoded chunks join without padding between
// them. Progress counts whole blocks only, as the events promise.
void TVrxBase64::EncodeFile(TAttachedFile &item, const TVrxCodecEvents &events)
{
    QFile file;
    if (const QString reason = openAttached(item, file); !reason.isEmpty())
        ThrowUnreadable(item, reason);
    const qint64 size = file.size();
    if (events.Start)
        events.Start(QString::fromUtf8(item.FileName), size);
    TVrxProgress progress(events.Step, events.Progress);
    const qint64 blockBytesTotal = size - size % BlockBytes;
    QList<QByteArray> lines;
    lines.reserve((size + LineBytes - 1) / LineBytes);
    qint64 read = 0;
    QByteArray buffer(ReadBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), ReadBytes);
        if (got < 0)
            ThrowUnreadable(item, file.errorString());
        if (got == 0)
            break;
        AppendLines(lines, QByteArray::fromRawData(buffer.constData(), got).toBase64());
        const qint64 reportedEnd = std::min(read + got, blockBytesTotal);
        for (qint64 done = read + LineBytes; done <= reportedEnd; done += LineBytes) {
            progress.Update(TVrxProgress::Percent(done, size));
            events.Serve();
        }
        read += got;
    }
    progress.Finish();
    item.Lines = std::move(lines);
    if (events.End)
        events.End();
}

void TVrxBase64::DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events)
{
    const qsizetype lineCount = item.Lines.size();
    DecodeUnits(item, events, lineCount, lineCount * LineBytes, lineCount,
                [&](GroupDecoder &decoder, qsizetype index) { decoder.Feed(item.Lines.at(index)); });
}

void TVrxBase64::DecodeText(TAttachedFile &item, QByteArrayView text, const TVrxCodecEvents &events)
{
    constexpr qsizetype SliceBytes = 64 * 1024;
    const qsizetype size = text.size();
    const qint64 lineCount = text.count('\n') + (text.endsWith('\n') || text.isEmpty() ? 0 : 1);
    DecodeUnits(item, events, lineCount, size / 4 * 3 + 3, (size + SliceBytes - 1) / SliceBytes,
                [&](GroupDecoder &decoder, qsizetype slice) {
                    const qsizetype at = slice * SliceBytes;
                    decoder.Feed(text.sliced(at, std::min(SliceBytes, size - at)));
                });
}
