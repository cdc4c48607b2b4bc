#include "mailproto/TVrxMessageParser.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxUU.h"

#include <algorithm>

namespace {

using Lines = QList<QByteArray>;

constexpr qsizetype NotFound = -1;
constexpr qsizetype ToEnd = -1;

struct FieldRule
{
    const char *key;
    QByteArray TVrxMsg::*field;
    qsizetype maxLength;
    bool trimmed;
    const char *continuationJoiner; // nullptr: the field takes no continuation lines
};

const FieldRule FieldRules[] = {
    {"FROM:", &TVrxMsg::From, 127, true, ""},
    {"MESSAGE-ID:", &TVrxMsg::MessageId, 127, true, nullptr},
    {"IN-REPLY-TO:", &TVrxMsg::InReplyTo, 127, true, nullptr},
    {"RETURN-PATH:", &TVrxMsg::ReturnPath, 127, true, nullptr},
    {"REPLY-TO:", &TVrxMsg::ReplyTo, 127, false, ""},
    {"TO:", &TVrxMsg::SendTo, ToEnd, true, " "},
    {"CC:", &TVrxMsg::CC, ToEnd, true, " "},
    {"DATE:", &TVrxMsg::Date, 72, true, nullptr},
    {"SUBJECT:", &TVrxMsg::Subject, ToEnd, true, nullptr},
};

const QByteArray ContentTypeKey = "CONTENT-TYPE:";
const QByteArray EncodingKey = "CONTENT-TRANSFER-ENCODING:";
const QByteArray Base64 = "BASE64";
const QByteArray UUencode = "X-UUENCODE";

qsizetype FindHeader(const Lines &header, const QByteArray &key)
{
    for (qsizetype i = 0; i < header.size(); ++i)
        if (TVrxLines::StartsWithNoCase(header.at(i), key))
            return i;
    return NotFound;
}

// The value starts one space after the colon, as the senders we read write it.
QByteArray ValueAfterKey(const QByteArray &line, const QByteArray &key, qsizetype maxLength)
{
    return line.mid(key.size() + 1, maxLength);
}

bool IsContinuation(const QByteArray &line)
{
    return line.startsWith(' ') || line.startsWith('\t');
}

QByteArray Continuations(const Lines &header, qsizetype found, const QByteArray &joiner)
{
    QByteArray joined;
    for (qsizetype i = found + 1; i < header.size() && IsContinuation(header.at(i)); ++i)
        joined += joiner + header.at(i).trimmed();
    return joined;
}

QByteArray CutBefore(QByteArray text, char separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at >= 0)
        text.truncate(at);
    return text;
}

QByteArray HeaderValue(const Lines &header, const QByteArray &key, qsizetype maxLength)
{
    const qsizetype found = FindHeader(header, key);
    return found == NotFound ? QByteArray() : ValueAfterKey(header.at(found), key, maxLength).trimmed().toUpper();
}

QByteArray ContentType(const Lines &header)
{
    return CutBefore(HeaderValue(header, ContentTypeKey, 72), ';').trimmed();
}

QByteArray TransferEncoding(const Lines &header)
{
    return HeaderValue(header, EncodingKey, 20);
}

bool IsEncoded(const QByteArray &encoding)
{
    return encoding == Base64 || encoding == UUencode;
}

void ReadFields(TVrxMsg &msg, const Lines &header)
{
    for (const FieldRule &rule : FieldRules) {
        const QByteArray key(rule.key);
        const qsizetype found = FindHeader(header, key);
        if (found == NotFound)
            continue;
        QByteArray value = ValueAfterKey(header.at(found), key, rule.maxLength);
        if (rule.trimmed)
            value = value.trimmed();
        if (rule.continuationJoiner)
            value += Continuations(header, found, rule.continuationJoiner);
        msg.*rule.field = value;
    }
    msg.ContentType = ContentType(header);
}

// Names become file names later: characters no file name may hold are dropped.
QByteArray AttachmentName(QByteArray name, const QByteArray &subject)
{
    if (name.isEmpty())
        name = subject.trimmed();
    name.removeIf([](char c) { return QByteArrayView("\\/:*?\"<>|").contains(c); });
    return name.isEmpty() ? QByteArray("_Cosa_") : name;
}

QByteArray Unquoted(QByteArray value)
{
    if (value.startsWith('"')) {
        value.remove(0, 1);
        value.chop(1);
    }
    return value;
}

QByteArray DispositionName(const Lines &header)
{
    const qsizetype found = FindHeader(header, "CONTENT-DISPOSITION:");
    if (found == NotFound)
        return {};
    const QByteArray &line = header.at(found);
    const qsizetype at = line.toUpper().indexOf("FILENAME=");
    return at < 0 ? QByteArray() : Unquoted(line.mid(at + 9).trimmed());
}

QByteArray PartName(const Lines &partHeader)
{
    for (const QByteArray &line : partHeader) {
        const qsizetype at = line.toUpper().indexOf("FILENAME=");
        if (at < 0)
            continue;
        const qsizetype start = at + 9;
        if (line.mid(start, 1) != "\"")
            return CutBefore(line.mid(start, 127).trimmed(), ';');
        QByteArray name = line.mid(start + 1, 127).trimmed();
        name.chop(1);
        return CutBefore(name, ';');
    }
    for (const QByteArray &line : partHeader) {
        const qsizetype at = line.toUpper().indexOf("NAME=");
        if (at >= 0)
            return Unquoted(CutBefore(line.mid(at + 5, 127).trimmed(), ';'));
    }
    return {};
}

bool IsBlank(const QByteArray &line)
{
    return line.trimmed().isEmpty();
}

Lines WithoutBlankLines(Lines lines)
{
    lines.removeIf(IsBlank);
    return lines;
}

qsizetype FindUUBegin(const Lines &body)
{
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QByteArray &line = body.at(i);
        if (line.size() <= 10 || !TVrxLines::StartsWithNoCase(line, "BEGIN"))
            continue;
        bool isNumber = false;
        const int mode = line.mid(6, 3).toInt(&isNumber);
        if (isNumber && mode >= 1 && mode <= 776)
            return i;
    }
    return NotFound;
}

// Takes the lines from begin up to, not including, the "end" line out of the body.
Lines TakeUUBlock(Lines &body, qsizetype begin)
{
    qsizetype end = begin;
    while (end < body.size() && body.at(end).trimmed().toLower() != "end")
        ++end;
    Lines block = WithoutBlankLines(body.mid(begin, end - begin));
    body.remove(begin, end - begin);
    return block;
}

// Where the message bytes lie; a field whose bytes lie there is still a view into them.
class ByteRange
{
public:
    explicit ByteRange(const QByteArray &bytes)
        : fBegin(quintptr(bytes.constData())), fEnd(quintptr(bytes.constData() + bytes.size()))
    {
    }
    bool Holds(const QByteArray &bytes) const
    {
        const auto at = quintptr(bytes.constData());
        return at >= fBegin && at < fEnd;
    }

private:
    quintptr fBegin;
    quintptr fEnd;
};

void Own(QByteArray &bytes, const ByteRange &range)
{
    if (range.Holds(bytes))
        bytes = QByteArray(bytes.constData(), bytes.size());
}

void Own(QList<QByteArray> &lines, const ByteRange &range)
{
    for (QByteArray &line : lines)
        Own(line, range);
}

void TakeOwnership(TVrxMsg &msg, const ByteRange &range)
{
    for (QByteArray *field : {&msg.UserName, &msg.From, &msg.ReplyTo, &msg.SendTo, &msg.CC, &msg.Subject,
                              &msg.MessageId, &msg.InReplyTo, &msg.ReturnPath, &msg.Date, &msg.ContentType})
        Own(*field, range);
    for (QList<QByteArray> *list : {&msg.Text, &msg.ExtraHeaders, &msg.HeaderLines})
        Own(*list, range);
    for (int i = 0; i < msg.AttachedFiles.Count(); ++i) {
        TAttachedFile &item = msg.AttachedFiles.Items(i);
        Own(item.FileName, range);
        Own(item.ContentType, range);
        Own(item.Lines, range);
    }
}

} // namespace

// The lines are views into the message while it is parsed; what the result keeps is copied.
std::unique_ptr<TVrxMsg> TVrxMessageParser::Parse(const QByteArray &message, Stuffing stuffing) const
{
    const QByteArray source = message;
    QList<QByteArray> lines = TVrxLines::SplitViews(source);
    if (stuffing == Stuffing::Pop3)
        TVrxLines::Unstuff(lines);
    auto msg = ParseLines(std::move(lines));
    TakeOwnership(*msg, ByteRange(source));
    return msg;
}

std::unique_ptr<TVrxMsg> TVrxMessageParser::ParseLines(QList<QByteArray> lines) const
{
    auto msg = std::make_unique<TVrxMsg>();
    const qsizetype headerEnd = lines.indexOf(QByteArray());
    Lines header = headerEnd == NotFound ? Lines() : lines.first(headerEnd + 1);
    lines.remove(0, header.size());
    if (!header.isEmpty())
        msg->From = header.first().mid(5, 72);
    ReadFields(*msg, header);
    const QByteArray encoding = TransferEncoding(header);
    msg->HeaderLines = std::move(header);
    const QByteArray &type = msg->ContentType;
    if (type.isEmpty() || type.contains("TEXT") || type == "MULTIPART/REPORT" || type.contains("MESSAGE"))
        ParsePlain(*msg, std::move(lines));
    else if (IsEncoded(encoding))
        ParseSingleAttachment(*msg, std::move(lines), encoding);
    else
        ParseMultipart(*msg, std::move(lines));
    return msg;
}

void TVrxMessageParser::Decode(TAttachedFile &item, const QByteArray &encoding) const
{
    if (encoding == Base64)
        TVrxBase64::DecodeLines(item, DecodeEvents);
    else
        TVrxUU::DecodeLines(item, DecodeEvents, FormatError);
}

void TVrxMessageParser::ParsePlain(TVrxMsg &msg, QList<QByteArray> body) const
{
    for (qsizetype begin = FindUUBegin(body); begin != NotFound; begin = FindUUBegin(body)) {
        const QByteArray name = body.at(begin).mid(10, 64);
        TAttachedFile &item = msg.AttachedFiles.AddReceived(name);
        item.Lines = TakeUUBlock(body, begin);
        Decode(item, UUencode);
    }
    msg.Text = std::move(body);
}

void TVrxMessageParser::ParseSingleAttachment(TVrxMsg &msg, QList<QByteArray> body, const QByteArray &encoding) const
{
    TAttachedFile &item = msg.AttachedFiles.AddReceived(AttachmentName(DispositionName(msg.HeaderLines), msg.Subject));
    const auto firstLine = std::find_if_not(body.cbegin(), body.cend(), IsBlank);
    body.remove(0, firstLine - body.cbegin());
    item.Lines = std::move(body);
    Decode(item, encoding);
}

QList<QList<QByteArray>> TVrxMessageParser::SplitParts(const QList<QByteArray> &header, const QList<QByteArray> &body) const
{
    const auto boundaryLine = std::find_if(header.cbegin(), header.cend(), [](const QByteArray &line) {
        return line.toUpper().contains("BOUNDARY");
    });
    if (boundaryLine == header.cend())
        throw EVrxError(FormatError);
    QByteArray value = boundaryLine->mid(boundaryLine->toUpper().indexOf("BOUNDARY") + 8, 72).trimmed();
    value = value.mid(1).trimmed();
    if (value.startsWith('"'))
        value = CutBefore(value.mid(1), '"');
    const QByteArray delimiter = "--" + value;
    const QByteArray closing = delimiter + "--";
    const auto start = std::find_if(body.cbegin(), body.cend(), [&](const QByteArray &line) {
        return line.contains(delimiter);
    });
    if (start == body.cend())
        throw EVrxError(FormatError);
    QList<Lines> parts{Lines()};
    for (auto line = start + 1; line != body.cend() && *line != closing; ++line) {
        if (*line == delimiter)
            parts.append(Lines());
        else
            parts.last().append(*line);
    }
    return parts;
}

// Each list is released as soon as its lines have moved on, so a large attachment is held
// once as lines and once decoded, never more.
void TVrxMessageParser::ParseMultipart(TVrxMsg &msg, QList<QByteArray> body) const
{
    QList<Lines> parts = SplitParts(msg.HeaderLines, body);
    body = Lines();
    for (Lines &part : parts)
        AddPart(msg, std::exchange(part, Lines()));
}

void TVrxMessageParser::AddPart(TVrxMsg &msg, QList<QByteArray> part) const
{
    const qsizetype headerEnd = part.indexOf(QByteArray());
    const Lines partHeader = headerEnd == NotFound ? part : part.first(headerEnd);
    const QByteArray encoding = TransferEncoding(partHeader);
    const QByteArray type = ContentType(partHeader);
    QByteArray name = PartName(partHeader);
    if (!IsEncoded(encoding) && name.isEmpty() && type != "TEXT/HTML") {
        if (headerEnd != NotFound)
            msg.Text.append(part.mid(headerEnd + 1));
        return;
    }
    name = AttachmentName(name, msg.Subject);
    if (type == "TEXT/HTML" && !name.contains('.'))
        name += ".html";
    TAttachedFile &item = msg.AttachedFiles.AddReceived(name);
    const auto firstBlank = std::find_if(part.cbegin(), part.cend(), IsBlank);
    part.remove(0, firstBlank - part.cbegin());
    if (IsEncoded(encoding)) {
        item.Lines = WithoutBlankLines(std::move(part));
        Decode(item, encoding);
        return;
    }
    if (!part.isEmpty())
        part.removeFirst();
    if (!part.isEmpty())
        part.removeLast();
    QByteArray stream;
    for (const QByteArray &line : std::as_const(part))
        stream += line + "\r\n";
    item.Stream = std::move(stream);
}
