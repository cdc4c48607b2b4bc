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

bool IsForbiddenInName(char c)
{
    return quint8(c) < 0x20 || c == 0x7f || QByteArrayView("\\/:*?\"<>|;").contains(c);
}

// U+200E, U+200F, U+202A..U+202E and U+2066..U+2069 in UTF-8.
bool EndsWithBidiMark(const QByteArray &text)
{
    if (text.size() < 3)
        return false;
    const auto *end = reinterpret_cast<const quint8 *>(text.constEnd());
    const quint8 lead = end[-3], second = end[-2], last = end[-1];
    return lead == 0xe2
           && ((second == 0x80 && (last == 0x8e || last == 0x8f || (last >= 0xaa && last <= 0xae)))
               || (second == 0x81 && last >= 0xa6 && last <= 0xa9));
}

// Characters that could make the name a path or hide what it is: path and shell separators,
// controls, and the Unicode marks that reorder text on screen ("\u202Ecod.exe" shows as
// "exe.doc"). One pass: a mark is dropped as soon as it forms, so none can form from the
// bytes around a removed one.
QByteArray SafeName(const QByteArray &name)
{
    QByteArray safe;
    safe.reserve(name.size());
    for (const char c : name) {
        if (IsForbiddenInName(c))
            continue;
        safe += c;
        if (EndsWithBidiMark(safe))
            safe.chop(3);
    }
    return safe;
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

bool IsBlank(QByteArrayView line)
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

// RFC 2046 section 5.1.1: a delimiter line may carry trailing blanks ("transport padding").
bool IsLine(QByteArrayView line, const QByteArray &expected)
{
    return line.startsWith(expected) && IsBlank(line.sliced(expected.size()));
}

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Where the line that starts at "at" ends, and where the next one starts.
qsizetype LineEnd(QByteArrayView text, qsizetype at, qsizetype *next)
{
    while (at < text.size() && !IsLineBreak(text.at(at)))
        ++at;
    *next = at + (text.sliced(at).startsWith("\r\n") ? 2 : at < text.size() ? 1 : 0);
    return at;
}

} // namespace

// One parse: the message bytes, which every line and span points into, and the parser's settings.
class TVrxMessageParser::Reading
{
public:
    Reading(const TVrxMessageParser &parser, const QByteArray &source, bool stuffed)
        : fParser(parser), fSource(source), fStuffed(stuffed)
    {
    }

    std::unique_ptr<TVrxMsg> Message() const
    {
        auto msg = std::make_unique<TVrxMsg>();
        const qsizetype bodyStart = HeaderEnd(0, fSource.size());
        // The header keeps its closing empty line.
        Lines header = bodyStart == NotFound ? Lines() : LinesOf(0, bodyStart);
        // A mailbox separator line ("From sender date") names the sender when no field does.
        if (!header.isEmpty() && header.first().startsWith("From "))
            msg->From = header.first().mid(5, 72);
        const TVrxMimeHeader fields(header);
        ReadFields(*msg, fields);
        msg->HeaderLines = std::move(header);
        const Span body{std::max<qsizetype>(bodyStart, 0), fSource.size()};
        const QByteArray encoding = TransferEncoding(fields);
        const QByteArray &type = msg->ContentType;
        if (type.isEmpty() || type.contains("TEXT") || type == "MULTIPART/REPORT" || type.contains("MESSAGE"))
            ReadPlain(*msg, body);
        else if (IsEncoded(encoding))
            ReadSingleAttachment(*msg, body, fields, encoding);
        else if (type.startsWith("MULTIPART/"))
            ReadMultipart(*msg, body, fields);
        else
            ReadPlain(*msg, body);
        return msg;
    }

private:
    struct Span
    {
        qsizetype begin;
        qsizetype end;
    };

    QByteArrayView View(Span span) const { return QByteArrayView(fSource).sliced(span.begin, span.end - span.begin); }

    Lines LinesOf(qsizetype begin, qsizetype end) const
    {
        Lines lines = TVrxLines::SplitViews(QByteArray::fromRawData(fSource.constData() + begin, end - begin));
        if (fStuffed)
            TVrxLines::Unstuff(lines);
        return lines;
    }

    Lines LinesOf(Span span) const { return LinesOf(span.begin, span.end); }

    // Where the first empty line of the span ends (the start of the body), or NotFound.
    qsizetype HeaderEnd(qsizetype at, qsizetype end) const
    {
        const QByteArrayView text = QByteArrayView(fSource).first(end);
        while (at < end) {
            qsizetype next = 0;
            const qsizetype lineEnd = LineEnd(text, at, &next);
            if (lineEnd == at && next > at)
                return next;
            at = next;
        }
        return NotFound;
    }

    void Decode(TAttachedFile &item, const QByteArray &encoding, Span content) const
    {
        if (encoding == Base64) {
            TVrxBase64::DecodeText(item, View(content), fParser.DecodeEvents);
            return;
        }
        item.Lines = WithoutBlankLines(LinesOf(content));
        TVrxUU::DecodeLines(item, fParser.DecodeEvents, fParser.FormatError);
    }

    void ReadPlain(TVrxMsg &msg, Span body) const
    {
        Lines lines = LinesOf(body);
        for (qsizetype begin = FindUUBegin(lines); begin != NotFound; begin = FindUUBegin(lines)) {
            const QByteArray name = lines.at(begin).mid(10, 64);
            TAttachedFile &item = msg.AttachedFiles.AddReceived(SafeName(TAttachedFile::NamePart(name)));
            item.Lines = TakeUUBlock(lines, begin);
            TVrxUU::DecodeLines(item, fParser.DecodeEvents, fParser.FormatError);
        }
        msg.Text = std::move(lines);
    }

    void ReadSingleAttachment(TVrxMsg &msg, Span body, const TVrxMimeHeader &header, const QByteArray &encoding) const
    {
        TAttachedFile &item = msg.AttachedFiles.AddReceived(AttachmentName(PartName(header), msg.Subject));
        Decode(item, encoding, body);
    }

    // The next delimiter line at or after "at", as a span without its line break; NotFound
    // as its begin when there is none. Only the line starts are compared, so a large part is
    // passed over by a fast search.
    Span NextDelimiter(qsizetype at, qsizetype end, const QByteArray &delimiter) const
    {
        for (qsizetype found = fSource.indexOf(delimiter, at); found >= 0 && found < end;
             found = fSource.indexOf(delimiter, found + 1)) {
            if (found > at && !IsLineBreak(fSource.at(found - 1)))
                continue;
            qsizetype next = 0;
            const qsizetype lineEnd = LineEnd(QByteArrayView(fSource).first(end), found, &next);
            const QByteArrayView line = QByteArrayView(fSource).sliced(found, lineEnd - found);
            if (IsLine(line, delimiter) || IsLine(line, delimiter + "--"))
                return {found, next};
        }
        return {NotFound, NotFound};
    }

    // Parts lie between delimiter lines; the preamble and the epilogue are dropped. Each part
    // keeps the line break before the next delimiter, so its last line is whole.
    void ReadMultipart(TVrxMsg &msg, Span body, const TVrxMimeHeader &header) const
    {
        const QByteArray boundary = TVrxMimeHeader::Parameter(header.Value(ContentTypeField), "boundary");
        if (boundary.isEmpty())
            throw EVrxFormatError(fParser.FormatError);
        const QByteArray delimiter = "--" + boundary;
        Span line = NextDelimiter(body.begin, body.end, delimiter);
        if (line.begin == NotFound && IsBlank(View(body)))
            return;
        if (line.begin == NotFound)
            throw EVrxFormatError(fParser.FormatError);
        while (line.begin != NotFound && !IsLine(View(line), delimiter + "--")) {
            const Span next = NextDelimiter(line.end, body.end, delimiter);
            ReadPart(msg, {line.end, next.begin == NotFound ? body.end : next.begin});
            line = next;
        }
    }

    void ReadPart(TVrxMsg &msg, Span part) const
    {
        const qsizetype contentStart = HeaderEnd(part.begin, part.end);
        const TVrxMimeHeader header(contentStart == NotFound ? LinesOf(part) : LinesOf(part.begin, contentStart));
        const Span content{contentStart == NotFound ? part.end : contentStart, part.end};
        const QByteArray encoding = TransferEncoding(header);
        const QByteArray type = ContentType(header);
        QByteArray name = PartName(header);
        if (!IsEncoded(encoding) && name.isEmpty() && type != "TEXT/HTML") {
            msg.Text.append(LinesOf(content));
            return;
        }
        name = AttachmentName(name, msg.Subject);
        if (type == "TEXT/HTML" && !name.contains('.'))
            name += ".html";
        TAttachedFile &item = msg.AttachedFiles.AddReceived(name);
        if (IsEncoded(encoding))
            Decode(item, encoding, content);
        else
            item.Stream = LinesOf(content).join("\r\n");
    }

    const TVrxMessageParser &fParser;
    const QByteArray &fSource;
    bool fStuffed;
};

// The lines are views into the message while it is parsed; what the result keeps is copied.
std::unique_ptr<TVrxMsg> TVrxMessageParser::Parse(const QByteArray &message, Stuffing stuffing) const
{
    const QByteArray source = message;
    auto msg = Reading(*this, source, stuffing == Stuffing::Pop3).Message();
    TakeOwnership(*msg, ByteRange(source));
    msg->Raw = stuffing == Stuffing::Pop3 ? TVrxLines::UnstuffedMessage(source) : source;
    return msg;
}
