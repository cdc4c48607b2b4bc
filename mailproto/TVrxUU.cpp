// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxUU.h"

#include "mailproto/EVrxFormatError.h"
#include "mailproto/TVrxProgress.h"

namespace {

constexpr int MaxDataChars = 60;

// The grave accent stands for 0, "!" to "_" for 1 to 63; a space also counts as 0.
bool CharValue(char c, quint32 *value)
{
    if (c == '`' || c == ' ') {
        *value = 0;
        return true;
    }
    if (c < '!' || c > '_')
        return false;
    *value = quint32(c - '!' + 1);
    return true;
}

quint32 ValueOrThrow(char c, const QString &formatError)
{
    quint32 value = 0;
    if (!CharValue(c, &value))
        throw EVrxFormatError(formatError);
    return value;
}

bool IsBlockEnd(const QByteArray &line)
{
    return line == "end" || line == "`";
}

void DecodeLine(const QByteArray &line, QByteArray &out, const QString &formatError)
{
    if (line.isEmpty())
        return;
    const quint32 byteCount = ValueOrThrow(line.at(0), formatError);
    const qsizetype dataChars = byteCount * 4 / 3 == MaxDataChars
                                    ? MaxDataChars
                                    : std::min<qsizetype>(line.size() - 1, MaxDataChars);
    quint32 bits = 0;
    int bitCount = 0;
    quint32 written = 0;
    for (qsizetype i = 1; i <= dataChars && i < line.size() && written < byteCount; ++i) {
        bits = bits << 6 | ValueOrThrow(line.at(i), formatError);
        bitCount += 6;
        if (bitCount < 8)
            continue;
        bitCount -= 8;
        out.append(char(bits >> bitCount));
        bits &= (1u << bitCount) - 1;
        ++written;
    }
}

} // namespace

void TVrxUU::DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events, const QString &formatError)
{
    const qsizetype lineCount = item.Lines.size();
    if (events.Start)
        events.Start(QString::fromUtf8(item.FileName), lineCount);
    TVrxProgress progress(events.Step, events.Progress);
    QByteArray out;
    auto finish = [&] {
        item.Stream = std::move(out);
        item.Lines.clear();
        progress.Finish();
        if (events.End)
            events.End();
    };
    try {
        for (qsizetype index = 1; index < lineCount && !IsBlockEnd(item.Lines.at(index)); ++index) {
            DecodeLine(item.Lines.at(index), out, formatError);
            progress.Update(TVrxProgress::Percent(index, lineCount));
            events.Serve();
        }
    } catch (const EVrxError &) {
        finish();
        throw;
    }
    finish();
}
