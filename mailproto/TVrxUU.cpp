// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxUU.h"

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

bool IsBlockEnd(const QByteArray &line)
{
    return line == "end" || line == "`";
}

// False at a character outside the format; out keeps the bytes decoded before it.
bool DecodeLine(const QByteArray &line, QByteArray &out)
{
    if (line.isEmpty())
        return true;
    quint32 byteCount = 0;
    if (!CharValue(line.at(0), &byteCount))
        return false;
    const qsizetype dataChars = byteCount * 4 / 3 == MaxDataChars
                                    ? MaxDataChars
                                    : std::min<qsizetype>(line.size() - 1, MaxDataChars);
    quint32 bits = 0;
    int bitCount = 0;
    quint32 written = 0;
    for (qsizetype i = 1; i <= dataChars && i < line.size() && written < byteCount; ++i) {
        quint32 value = 0;
        if (!CharValue(line.at(i), &value))
            return false;
        bits = bits << 6 | value;
        bitCount += 6;
        if (bitCount < 8)
            continue;
        bitCount -= 8;
        out.append(char(bits >> bitCount));
        bits &= (1u << bitCount) - 1;
        ++written;
    }
    return true;
}

} // namespace

bool TVrxUU::DecodeLines(TAttachedFile &item, const TVrxCodecEvents &events)
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
    bool wellFormed = true;
    for (qsizetype index = 1; wellFormed && index < lineCount && !IsBlockEnd(item.Lines.at(index)); ++index) {
        wellFormed = DecodeLine(item.Lines.at(index), out);
        progress.Update(TVrxProgress::Percent(index, lineCount));
        events.Serve();
    }
    finish();
    return wellFormed;
}
