#include "mailproto/TVrxMessageParser.h"

#include "mailproto/EVrxFormatError.h"
#include "mailproto/TVrxBase64.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxMimeHeader.h"
#include "mailproto/TVrxUU.h"

#include <algorithm>

namespace {

using Lines = QList<QByteArray>;

constexpr qsizetype NotFound = -1;

struct FieldRule
{
    const char *name;
    QByteArray TVrxMsg::*field;
};

const FieldRule FieldRules[] = {
    {"From", &TVrxMsg::From},           {"Message-ID", &TVrxMsg::MessageId}, {"In-Reply-To", &TVrxMsg::InReplyTo},
    {"Return-Path", &TVrxMsg::ReturnPath}, {"Reply-To", &TVrxMsg::ReplyTo},   {"To", &TVrxMsg::SendTo},
    {"CC", &TVrxMsg::CC},               {"Date", &TVrxMsg::Date},            {"Subject", &TVrxMsg::Subject},
};

const QByteArray ContentTypeField = "Content-Type";
const QByteArray EncodingField = "Content-Transfer-Encoding";
const QByteArray Base64 = "BASE64";
const QByteArray UUencode = "X-UUENCODE";

QByteArray ContentType(const TVrxMimeHeader &header)
{
    return TVrxMimeHeader::Token(header.Value(ContentTypeField));
}

QByteArray TransferEncoding(const TVrxMimeHeader &header)
{
    return TVrxMimeHeader::Token(header.Value(EncodingField));
}

bool IsEncoded(const QByteArray &encoding)
{
    return encoding == Base64 || encoding == UUencode;
}

void ReadFields(TVrxMsg &msg, const TVrxMimeHeader &header)
{
    for (const FieldRule &rule : FieldRules)
        if (header.Has(rule.name))
            msg.*rule.field = header.Value(rule.name);
    msg.ContentType = ContentType(header);
}

// Characters that could make the name a path or hide what it is: path and shell separators,
// controls, and the Unicode marks that reorder text on screen ("\u202Ecod.exe" shows as
// "exe.doc").
QByteArray SafeName(QByteArray name)
{
    static const QByteArray bidiMarks[] = {"\xe2\x80\x8e", "\xe2\x80\x8f", "\xe2\x80\xaa", "\xe2\x80\xab",
                                           "\xe2\x80\xac", "\xe2\x80\xad", "\xe2\x80\xae", "\xe2\x81\xa6",
                                           "\xe2\x81\xa7", "\xe2\x81\xa8", "\xe2\x81\xa9"};
    for (const QByteArray &mark : bidiMarks)
        name.replace(mark, QByteArray());
    name.removeIf([](char c) { return quint8(c) < 0x20 || c == 0x7f || QByteArrayView("\\/:*?\"<>|;").contains(c); });
    return name;
}

QByteArray AttachmentName(const QByteArray &name, const QByteArray &subject)
{
    const QByteArray safe = SafeName(name.isEmpty() ? subject.trimmed() : name);
    return safe.isEmpty() ? QByteArray("_Cosa_") : safe;
}

// The file name a part offers: its disposition's "filename", else its type's "name".
QByteArray PartName(const TVrxMimeHeader &header)
{
    const QByteArray fileName = TVrxMimeHeader::Parameter(header.Value("Content-Disposition"), "filename");
    return fileName.isEmpty() ? TVrxMimeHeader::Parameter(header.Value(ContentTypeField), "name") : fileName;
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
    // A mailbox separator line ("From sender date") names the sender when no field does.
    if (!header.isEmpty() && header.first().startsWith("From "))
        msg->From = header.first().mid(5, 72);
    const TVrxMimeHeader fields(header);
    ReadFields(*msg, fields);
    const QByteArray encoding = TransferEncoding(fields);
    msg->HeaderLines = std::move(header);
    const QByteArray &type = msg->ContentType;
    if (type.isEmpty() || type.contains("TEXT") || type == "MULTIPART/REPORT" || type.contains("MESSAGE"))
        ParsePlain(*msg, std::move(lines));
    else if (IsEncoded(encoding))
        ParseSingleAttachment(*msg, std::move(lines), fields, encoding);
    else if (type.startsWith("MULTIPART/"))
        ParseMultipart(*msg, std::move(lines), fields);
    else
        ParsePlain(*msg, std::move(lines));
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
        TAttachedFile &item = msg.AttachedFiles.AddReceived(SafeName(TAttachedFile::NamePart(name)));
        item.Lines = TakeUUBlock(body, begin);
        Decode(item, UUencode);
    }
    msg.Text = std::move(body);
}

void TVrxMessageParser::ParseSingleAttachment(TVrxMsg &msg, QList<QByteArray> body, const TVrxMimeHeader &header,
                                              const QByteArray &encoding) const
{
    TAttachedFile &item = msg.AttachedFiles.AddReceived(AttachmentName(PartName(header), msg.Subject));
    const auto firstLine = std::find_if_not(body.cbegin(), body.cend(), IsBlank);
    body.remove(0, firstLine - body.cbegin());
    item.Lines = std::move(body);
    Decode(item, encoding);
}

namespace {

// RFC 2046 section 5.1.1: a delimiter line may carry trailing blanks ("transport padding").
bool IsLine(const QByteArray &line, const QByteArray &expected)
{
    return line.startsWith(expected) && line.mid(expected.size()).trimmed().isEmpty();
}

} // namespace

// The lines of each part between the delimiter lines; the preamble and the epilogue are
// dropped. An empty body is a multipart without parts.
QList<QList<QByteArray>> TVrxMessageParser::SplitParts(const TVrxMimeHeader &header, QList<QByteArray> body) const
{
    const QByteArray boundary = TVrxMimeHeader::Parameter(header.Value(ContentTypeField), "boundary");
    if (boundary.isEmpty())
        throw EVrxFormatError(FormatError);
    const QByteArray delimiter = "--" + boundary;
    const QByteArray closing = delimiter + "--";
    const auto start = std::find_if(body.begin(), body.end(), [&](const QByteArray &line) {
        return IsLine(line, delimiter) || IsLine(line, closing);
    });
    if (start == body.end() && std::all_of(body.cbegin(), body.cend(), IsBlank))
        return {};
    if (start == body.end())
        throw EVrxFormatError(FormatError);
    QList<Lines> parts;
    for (auto line = start; line != body.end() && !IsLine(*line, closing); ++line) {
        if (IsLine(*line, delimiter))
            parts.append(Lines());
        else
            parts.last().append(std::move(*line));
    }
    return parts;
}

// Each list is released as soon as its lines have moved on, so a large attachment is held
// once as lines and once decoded, never more.
void TVrxMessageParser::ParseMultipart(TVrxMsg &msg, QList<QByteArray> body, const TVrxMimeHeader &header) const
{
    QList<Lines> parts = SplitParts(header, std::move(body));
    for (Lines &part : parts)
        AddPart(msg, std::exchange(part, Lines()));
}

// A part's content is what lies between its header and the line break before the next
// delimiter (RFC 2046 section 5.1.1), so a last line without a blank line after it is content.
void TVrxMessageParser::AddPart(TVrxMsg &msg, QList<QByteArray> part) const
{
    const qsizetype headerEnd = part.indexOf(QByteArray());
    const TVrxMimeHeader header(headerEnd == NotFound ? part : part.first(headerEnd));
    const QByteArray encoding = TransferEncoding(header);
    const QByteArray type = ContentType(header);
    QByteArray name = PartName(header);
    part.remove(0, headerEnd == NotFound ? part.size() : headerEnd + 1);
    if (!IsEncoded(encoding) && name.isEmpty() && type != "TEXT/HTML") {
        msg.Text.append(std::move(part));
        return;
    }
    name = AttachmentName(name, msg.Subject);
    if (type == "TEXT/HTML" && !name.contains('.'))
        name += ".html";
    TAttachedFile &item = msg.AttachedFiles.AddReceived(name);
    if (IsEncoded(encoding)) {
        item.Lines = WithoutBlankLines(std::move(part));
        Decode(item, encoding);
        return;
    }
    item.Stream = part.join("\r\n");
}
