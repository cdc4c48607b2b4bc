// SPDX-License-Identifier: GPL-3.0-or-later
#include "mime/cMimeReader.h"

#include "mime/CharsetText.h"
#include "mime/FlowedText.h"
#include "mime/HeaderBlock.h"
#include "mime/NestingGuard.h"
#include "mime/PartNesting.h"
#include "mime/WireText.h"
#include "mime/cBase64Decoder.h"

#include <QTimeZone>
#include <gmime/gmime.h>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct cUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using cGObject = std::unique_ptr<T, cUnref>;

// Undeclared 8-bit header text is UTF-8 when it can be, else Windows-1252 (of which Latin-1
// is a part): what the mailers that send it mean.
GMimeParserOptions *parserOptions()
{
    static GMimeParserOptions *const options = [] {
        g_mime_init();
        GMimeParserOptions *made = g_mime_parser_options_new();
        static const char *fallback[] = {"UTF-8", "windows-1252", nullptr};
        g_mime_parser_options_set_fallback_charsets(made, fallback);
        return made;
    }();
    return options;
}

// A stream over bytes the caller holds, read where they stand: a large message is not copied
// for the library. It must end before the bytes do.
class cBorrowedStream
{
public:
    explicit cBorrowedStream(const QByteArray &bytes)
        : fArray(g_byte_array_new_take(reinterpret_cast<guint8 *>(const_cast<char *>(bytes.constData())),
                                       gsize(bytes.size()))),
          fStream(g_mime_stream_mem_new_with_byte_array(fArray))
    {
        g_mime_stream_mem_set_owner(GMIME_STREAM_MEM(fStream.get()), FALSE);
    }
    ~cBorrowedStream()
    {
        fStream.reset();
        g_byte_array_free(fArray, FALSE); // the bytes stay the caller's
    }
    cBorrowedStream(const cBorrowedStream &) = delete;
    cBorrowedStream &operator=(const cBorrowedStream &) = delete;

    GMimeStream *get() const { return fStream.get(); }

private:
    GByteArray *fArray;
    cGObject<GMimeStream> fStream;
};

QString fromUtf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// "Content-Type: text" and the like: a type without a subtype.
bool hasBareType(GMimeObject *object)
{
    const QByteArray type = QByteArray(g_mime_object_get_header(object, "Content-Type")).split(';').constFirst();
    return !type.trimmed().isEmpty() && !type.contains('/');
}

QByteArray typeOf(GMimeObject *object)
{
    if (hasBareType(object))
        return QByteArrayLiteral("text/plain"); // what MIME asks for an unusable type
    GMimeContentType *type = g_mime_object_get_content_type(object);
    if (!type)
        return QByteArrayLiteral("text/plain");
    char *name = g_mime_content_type_get_mime_type(type);
    QByteArray result = QByteArray(name).toLower();
    g_free(name);
    return result;
}

bool isAttachment(GMimeObject *object)
{
    GMimeContentDisposition *disposition = g_mime_object_get_content_disposition(object);
    return disposition && g_mime_content_disposition_is_attachment(disposition);
}

QByteArray streamBytes(GMimeStream *stream)
{
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream));
    return QByteArray(reinterpret_cast<const char *>(bytes->data), qsizetype(bytes->len));
}

constexpr qsizetype kChunkBytes = 64 * 1024;

// Feeds the stream to take a chunk at a time; false when take refuses one.
template <typename Take>
bool readChunks(GMimeStream *stream, Take take)
{
    char chunk[kChunkBytes];
    for (gssize read = 0; (read = g_mime_stream_read(stream, chunk, sizeof chunk)) > 0;)
        if (!take(QByteArrayView(chunk, qsizetype(read))))
            return false;
    return true;
}

bool isBase64(GMimeDataWrapper *content)
{
    return g_mime_data_wrapper_get_encoding(content) == GMIME_CONTENT_ENCODING_BASE64;
}

// Decoded a chunk at a time into take. The library drops a last base64 group that has no
// padding; RFC 2045 asks to keep it, so base64 is ours to decode.
template <typename Take>
bool decodeChunks(GMimeDataWrapper *content, Take take)
{
    GMimeStream *source = g_mime_data_wrapper_get_stream(content);
    g_mime_stream_reset(source);
    if (!isBase64(content)) {
        cGObject<GMimeStream> decoded(g_mime_stream_filter_new(source));
        const GMimeContentEncoding encoding = g_mime_data_wrapper_get_encoding(content);
        if (encoding == GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE || encoding == GMIME_CONTENT_ENCODING_UUENCODE) {
            cGObject<GMimeFilter> filter(g_mime_filter_basic_new(encoding, FALSE));
            g_mime_stream_filter_add(GMIME_STREAM_FILTER(decoded.get()), filter.get());
        }
        return readChunks(decoded.get(), take);
    }
    cBase64Decoder decoder;
    QByteArray bytes;
    return readChunks(source, [&](QByteArrayView chunk) {
        bytes.resize(0);
        decoder.Decode(chunk, bytes);
        return take(QByteArrayView(bytes));
    });
}

// Read straight into one array: a part is never held twice.
QByteArray decodedContent(GMimePart *part)
{
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (!content)
        return {};
    QByteArray bytes;
    const gint64 size = g_mime_stream_length(g_mime_data_wrapper_get_stream(content));
    bytes.reserve(qsizetype(std::max<gint64>(size, 0)));
    (void)decodeChunks(content, [&bytes](QByteArrayView chunk) {
        bytes.append(chunk);
        return true;
    });
    return bytes;
}

// The part's bytes as they stand in the bytes read, when its transfer encoding is none: the
// same as decodedContent, without the copy. Null when they do not stand there.
QByteArray unencodedContent(GMimePart *part, const QByteArray &raw)
{
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (!content)
        return {};
    switch (g_mime_data_wrapper_get_encoding(content)) {
    case GMIME_CONTENT_ENCODING_DEFAULT:
    case GMIME_CONTENT_ENCODING_7BIT:
    case GMIME_CONTENT_ENCODING_8BIT:
    case GMIME_CONTENT_ENCODING_BINARY: break;
    default: return {};
    }
    GMimeStream *stream = g_mime_data_wrapper_get_stream(content);
    if (!GMIME_IS_STREAM_MEM(stream))
        return {};
    const GByteArray *array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream));
    const gint64 end = stream->bound_end < 0 ? gint64(array->len) : stream->bound_end;
    if (array->data != reinterpret_cast<const guint8 *>(raw.constData()) || stream->bound_start < 0
        || end > gint64(array->len) || end < stream->bound_start)
        return {};
    return QByteArray::fromRawData(raw.constData() + stream->bound_start, qsizetype(end - stream->bound_start));
}

// A large part goes to a file as it is decoded; false when it is kept in data instead.
bool decodedToFile(GMimePart *part, const cReadOptions &options, cDecodedPart &taken)
{
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (!content || !options.partFile
        || g_mime_stream_length(g_mime_data_wrapper_get_stream(content)) < options.largePart)
        return false;
    const std::unique_ptr<QFile> file = options.partFile();
    if (!file)
        return false;
    taken.file = file->fileName();
    const bool written = decodeChunks(content, [&file](QByteArrayView chunk) {
        return file->write(chunk.data(), chunk.size()) == chunk.size();
    });
    if (!written)
        taken.fileError = file->error() == QFile::NoError ? u"not every byte could be written (is the disk full?)"_s
                                                          : file->errorString();
    file->close();
    return true;
}

QByteArray objectBytes(GMimeObject *object)
{
    cGObject<GMimeStream> stream(g_mime_stream_mem_new());
    g_mime_object_write_to_stream(object, nullptr, stream.get());
    return streamBytes(stream.get());
}

struct cMailboxes
{
    QString text;
    QString firstName;
    QString firstAddress;
};

void addMailboxes(InternetAddressList *list, cMailboxes &into, int depth = 0)
{
    const int count = list && depth <= kMaxNesting ? internet_address_list_length(list) : 0;
    for (int index = 0; index < count; ++index) {
        InternetAddress *address = internet_address_list_get_address(list, index);
        if (INTERNET_ADDRESS_IS_GROUP(address)) {
            addMailboxes(internet_address_group_get_members(INTERNET_ADDRESS_GROUP(address)), into, depth + 1);
            continue;
        }
        const QString name = fromUtf8(internet_address_get_name(address));
        const QString addr = fromUtf8(internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(address)));
        if (into.text.isEmpty() && into.firstAddress.isEmpty()) {
            into.firstName = name;
            into.firstAddress = addr;
        }
        if (!into.text.isEmpty())
            into.text += u", "_s;
        into.text += name.isEmpty() ? addr : name + u" <"_s + addr + u'>';
    }
}

cMailboxes mailboxes(InternetAddressList *list)
{
    cMailboxes result;
    addMailboxes(list, result);
    return result;
}

QDateTime dateOf(GMimeMessage *message)
{
    GDateTime *date = g_mime_message_get_date(message);
    if (!date)
        return {};
    const int offsetSeconds = int(g_date_time_get_utc_offset(date) / G_TIME_SPAN_SECOND);
    return QDateTime::fromSecsSinceEpoch(g_date_time_to_unix(date), QTimeZone(offsetSeconds));
}

// The part of a multipart/related that its "start" parameter names, else its first part.
GMimeObject *relatedStart(GMimeMultipart *related)
{
    const char *start = g_mime_object_get_content_type_parameter(GMIME_OBJECT(related), "start");
    const int count = g_mime_multipart_get_count(related);
    for (int index = 0; start && index < count; ++index) {
        GMimeObject *part = g_mime_multipart_get_part(related, index);
        const QByteArray id = QByteArray(g_mime_object_get_content_id(part));
        if (!id.isEmpty() && QByteArray(start).contains(id))
            return part;
    }
    return count > 0 ? g_mime_multipart_get_part(related, 0) : nullptr;
}

// A multipart or attached message nested too deep, which the library read as one opaque part.
bool isHiddenComposite(GMimeObject *object)
{
    return GMIME_IS_PART(object) && g_mime_object_get_header(object, HiddenFieldName("Content-Type").constData());
}

// Best text to show below object: the first text part of the preferred type (rank 0), else the
// first of the other (rank 1).
struct cBodySearch
{
    QByteArray preferred = QByteArrayLiteral("text/plain");
    QByteArray other = QByteArrayLiteral("text/html");
    GMimeObject *best = nullptr;
    int bestRank = 2;
};

void findBody(GMimeObject *object, cBodySearch &search, int depth = 0)
{
    if (!object || isAttachment(object) || isHiddenComposite(object) || search.bestRank == 0 || depth > kMaxNesting)
        return;
    const QByteArray type = typeOf(object);
    if (GMIME_IS_PART(object)) {
        const int rank = type == search.preferred ? 0 : type == search.other ? 1 : 2;
        if (rank < search.bestRank) {
            search.best = object;
            search.bestRank = rank;
        }
        return;
    }
    if (!GMIME_IS_MULTIPART(object))
        return;
    auto *multipart = GMIME_MULTIPART(object);
    if (type == "multipart/related") {
        findBody(relatedStart(multipart), search, depth + 1);
        return;
    }
    for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index)
        findBody(g_mime_multipart_get_part(multipart, index), search, depth + 1);
}

// HTML beside the shown text is kept, to be shown when asked for.
bool isTextAlternative(GMimeObject *object, GMimeObject *parent)
{
    const QByteArray type = typeOf(object);
    return parent && typeOf(parent) == "multipart/alternative" && type.startsWith("text/") && type != "text/html"
        && !isAttachment(object) && !g_mime_part_get_filename(GMIME_PART(object));
}

// Where the next delimiter line "--boundary" (RFC 2046 section 5.1.1) at or after from begins,
// at its line feed; -1 when there is none.
qsizetype delimiterAt(const QByteArray &raw, const QByteArray &boundary, qsizetype from)
{
    const QByteArray marker = "\n--" + boundary;
    for (qsizetype at = raw.indexOf(marker, from); at >= 0; at = raw.indexOf(marker, at + 1)) {
        const qsizetype after = at + marker.size();
        if (after == raw.size() || QByteArrayView("\r\n \t").contains(raw.at(after))
            || QByteArrayView(raw).sliced(after).startsWith("--"))
            return at;
    }
    return -1;
}

// Where the object's first header field stood in what the library read; -1 when unknown.
gint64 firstOffset(GMimeObject *object)
{
    GMimeHeaderList *headers = object ? g_mime_object_get_header_list(object) : nullptr;
    const int count = headers ? g_mime_header_list_get_count(headers) : 0;
    gint64 first = -1;
    for (int index = 0; index < count; ++index) {
        const gint64 offset = g_mime_header_get_offset(g_mime_header_list_get_header_at(headers, index));
        if (offset >= 0 && (first < 0 || offset < first))
            first = offset;
    }
    return first;
}

// The bytes the library read and, apart from the field names put in, the message as it came.
struct cSource
{
    const QByteArray &raw;
    const QList<qsizetype> &hiddenFields;

    qsizetype rawOffset(gint64 offset) const { return RawOffset(qsizetype(offset), hiddenFields); }
};

// The bytes of an attached message as they came: from its first header to the line end
// before its parent's next delimiter. Empty when they cannot be told.
QByteArray exactMessage(const cSource &source, GMimeMessage *inner, GMimeObject *parent)
{
    const QByteArray &raw = source.raw;
    if (raw.isEmpty() || !inner)
        return {};
    // The library files a message's Content- fields with its body part, wherever they stood.
    const gint64 head = firstOffset(GMIME_OBJECT(inner));
    const gint64 body = firstOffset(g_mime_message_get_mime_part(inner));
    const gint64 read = head < 0 || (body >= 0 && body < head) ? body : head;
    const qsizetype start = read < 0 ? -1 : source.rawOffset(read);
    if (start < 0 || start > raw.size())
        return {};
    if (!parent || !GMIME_IS_MULTIPART(parent))
        return raw.mid(start);
    const char *boundary = g_mime_multipart_get_boundary(GMIME_MULTIPART(parent));
    const qsizetype end = boundary ? delimiterAt(raw, boundary, start) : -1;
    if (end < 0)
        return {};
    return raw.mid(start, end - start - (end > start && raw.at(end - 1) == '\r'));
}

class cWalk
{
public:
    // source: what the library read, and the bytes to take attached messages from as they came.
    cWalk(const cSource &source, GMimeObject *body, const cReadOptions &options, QList<cDecodedPart> &parts)
        : fSource(source), fBody(body), fOptions(options), fParts(parts)
    {
    }

    void Visit(GMimeObject *object, GMimeObject *parent = nullptr, int depth = 0)
    {
        if (!object)
            return;
        if (GMIME_IS_MESSAGE_PART(object))
            return takeMessage(GMIME_MESSAGE_PART(object), parent);
        if (isHiddenComposite(object))
            return takeHidden(GMIME_PART(object));
        if (GMIME_IS_MULTIPART(object) && depth >= kMaxNesting)
            return takeNested(objectBytes(object));
        if (GMIME_IS_MULTIPART(object)) {
            auto *multipart = GMIME_MULTIPART(object);
            for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index)
                Visit(g_mime_multipart_get_part(multipart, index), object, depth + 1);
            return;
        }
        if (GMIME_IS_PART(object) && object != fBody && !isTextAlternative(object, parent))
            takePart(GMIME_PART(object));
    }

private:
    void takeMessage(GMimeMessagePart *part, GMimeObject *parent)
    {
        GMimeMessage *inner = g_mime_message_part_get_message(part);
        QByteArray bytes = exactMessage(fSource, inner, parent);
        if (bytes.isEmpty() && inner)
            bytes = objectBytes(GMIME_OBJECT(inner));
        fParts.append({fromUtf8(g_mime_object_get_content_disposition_parameter(GMIME_OBJECT(part), "filename")),
                       typeOf(GMIME_OBJECT(part)), bytes, {}, {}});
    }

    // Parts nested deeper than we read are kept together as they came, to open elsewhere.
    void takeNested(const QByteArray &bytes) { fParts.append({QString(), QByteArrayLiteral("message/rfc822"), bytes, {}, {}}); }

    // From its first header to the end of what the library took as its content.
    void takeHidden(GMimePart *part)
    {
        GMimeDataWrapper *content = g_mime_part_get_content(part);
        const gint64 head = firstOffset(GMIME_OBJECT(part));
        const gint64 end = content ? g_mime_data_wrapper_get_stream(content)->bound_end : -1;
        if (head < 0 || end < head)
            return takeNested(objectBytes(GMIME_OBJECT(part)));
        const qsizetype start = fSource.rawOffset(head);
        takeNested(fSource.raw.mid(start, fSource.rawOffset(end) - start));
    }

    void takePart(GMimePart *part)
    {
        cDecodedPart taken{fromUtf8(g_mime_part_get_filename(part)), typeOf(GMIME_OBJECT(part)), {}, {}, {}};
        if (!decodedToFile(part, fOptions, taken))
            taken.data = decodedContent(part);
        fParts.append(taken);
    }

    const cSource &fSource;
    GMimeObject *fBody;
    const cReadOptions &fOptions;
    QList<cDecodedPart> &fParts;
};

// A multipart whose boundary never shows holds all its text before the first part.
QByteArray prologueOf(GMimeObject *root)
{
    if (!GMIME_IS_MULTIPART(root) || g_mime_multipart_get_count(GMIME_MULTIPART(root)) > 0)
        return {};
    return QByteArray(g_mime_multipart_get_prologue(GMIME_MULTIPART(root)));
}

// Text that reads the same whether or not it goes through Unicode: UTF-8 as it stands.
bool isUtf8Already(const QByteArray &bytes, const QByteArray &charset)
{
    static const QList<QByteArray> kUtf8Names = {"", "us-ascii", "ascii", "utf-8"};
    return kUtf8Names.contains(charset.trimmed().toLower()) && QByteArrayView(bytes).isValidUtf8()
        && !bytes.startsWith("\xEF\xBB\xBF");
}

bool parameterIs(GMimeObject *object, const char *name, const char *value)
{
    return QByteArray(g_mime_object_get_content_type_parameter(object, name)).trimmed().toLower() == value;
}

// raw: the caller's bytes, which the text may be taken from without a copy.
void takeText(GMimeObject *root, GMimeObject *body, const cReadOptions &options, const QByteArray &raw,
              cDecodedMail &mail)
{
    if (!body) {
        mail.text = DecodeCharset(prologueOf(root), {}).text;
        return;
    }
    mail.html = typeOf(body) == "text/html";
    const QByteArray charset = g_mime_object_get_content_type_parameter(body, "charset");
    const bool flowed = !mail.html && parameterIs(body, "format", "flowed");
    QByteArray bytes = options.utf8Text ? unencodedContent(GMIME_PART(body), raw) : QByteArray();
    if (bytes.isNull())
        bytes = decodedContent(GMIME_PART(body));
    if (options.utf8Text && !flowed && isUtf8Already(bytes, charset)) {
        mail.textUtf8 = bytes;
        return;
    }
    const cCharsetText text = DecodeCharset(bytes, charset);
    mail.text = flowed ? UnflowedText(text.text, parameterIs(body, "delsp", "yes")) : text.text;
    if (!text.known)
        mail.unknownCharset = charset;
}

// The library's own value is decoded already, with the faults decodable() works around.
QByteArray unfolded(const char *raw)
{
    QByteArray value(raw);
    value.replace("\r\n", "").replace('\n', "");
    return value.trimmed();
}

// The first field called name, unfolded: a mailer that gives a field twice means the first,
// and other readers take it.
QByteArray firstField(GMimeObject *object, const QByteArray &name)
{
    GMimeHeaderList *headers = g_mime_object_get_header_list(object);
    const int count = headers ? g_mime_header_list_get_count(headers) : 0;
    for (int index = 0; index < count; ++index) {
        GMimeHeader *header = g_mime_header_list_get_header_at(headers, index);
        if (g_ascii_strcasecmp(g_mime_header_get_name(header), name.constData()) == 0)
            return unfolded(g_mime_header_get_raw_value(header));
    }
    return {};
}

// A header value in the form the library decodes whole: encoded words it would cut are
// rewritten.
QByteArray decodable(const QByteArray &value)
{
    return WithQEncodedWords(value);
}

QString headerText(const QByteArray &value)
{
    if (value.isEmpty())
        return {};
    char *text = g_mime_utils_header_decode_text(parserOptions(), decodable(value).constData());
    QString result = fromUtf8(text).trimmed();
    g_free(text);
    return result;
}

cMailboxes addressField(GMimeObject *object, const QByteArray &name)
{
    const QByteArray value = firstField(object, name);
    if (value.isEmpty())
        return {};
    cGObject<InternetAddressList> list(internet_address_list_parse(parserOptions(), decodable(value).constData()));
    return mailboxes(list.get());
}

// A field no address parser accepts ("Name <>"), or one nested too deep to be parsed, is
// shown as it stands.
QString addressText(GMimeObject *object, const QByteArray &name, const cMailboxes &list)
{
    if (!list.text.isEmpty())
        return list.text;
    const QByteArray value = firstField(object, name);
    return headerText(value.isEmpty() ? firstField(object, HiddenFieldName(name)) : value).simplified();
}

void takeHeaders(GMimeMessage *message, cDecodedMail &mail)
{
    GMimeObject *object = GMIME_OBJECT(message);
    mail.subject = headerText(firstField(object, "Subject"));
    const cMailboxes from = addressField(object, "From");
    mail.from = addressText(object, "From", from);
    mail.fromName = from.firstName;
    mail.fromAddress = from.firstAddress;
    const QString replyTo = addressField(object, "Reply-To").firstAddress;
    mail.replyAddress = replyTo.isEmpty() ? from.firstAddress : replyTo;
    mail.to = addressText(object, "To", addressField(object, "To"));
    mail.cc = addressText(object, "Cc", addressField(object, "Cc"));
    mail.date = dateOf(message);
}

// The library's reading of a message: field names that would lead it too deep are hidden first
// (their offsets in hidden), and a blank line put back ends the message's own header.
struct cParsed
{
    explicit cParsed(const QByteArray &raw)
        : withHeaderEnd(WithHeaderEnd(raw)), hidden(hiddenFields(withHeaderEnd)),
          whole(WithFieldsHidden(withHeaderEnd, hidden)), stream(whole),
          parser(g_mime_parser_new_with_stream(stream.get())),
          message(g_mime_parser_construct_message(parser.get(), parserOptions()))
    {
    }

    GMimeObject *Root() const { return message ? g_mime_message_get_mime_part(message.get()) : nullptr; }

    static QList<qsizetype> hiddenFields(const QByteArray &bytes)
    {
        QList<qsizetype> offsets = DeepAddressFields(bytes) + DeepContentTypes(bytes);
        std::sort(offsets.begin(), offsets.end());
        return offsets;
    }

    const QByteArray withHeaderEnd;
    const QList<qsizetype> hidden;
    const QByteArray whole;
    const cBorrowedStream stream;
    const cGObject<GMimeParser> parser;
    const cGObject<GMimeMessage> message;
};

// Every leaf part with a Content-ID, decoded, at any depth read.
void addInlineParts(GMimeObject *object, QHash<QString, QByteArray> &parts, int depth = 0)
{
    if (!object || depth > kMaxNesting)
        return;
    if (GMIME_IS_MULTIPART(object)) {
        auto *multipart = GMIME_MULTIPART(object);
        for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index)
            addInlineParts(g_mime_multipart_get_part(multipart, index), parts, depth + 1);
        return;
    }
    const char *id = g_mime_object_get_content_id(object);
    if (GMIME_IS_PART(object) && id && !parts.contains(fromUtf8(id)))
        parts.insert(fromUtf8(id), decodedContent(GMIME_PART(object)));
}

} // namespace

cDecodedMail cMimeReader::Read(const QByteArray &raw, const cReadOptions &options)
{
    cDecodedMail mail;
    const cParsed parsed(raw);
    mail.headerLines = HeaderLines(parsed.withHeaderEnd);
    if (!parsed.message) {
        mail.text = DecodeCharset(raw, {}).text;
        return mail;
    }
    takeHeaders(parsed.message.get(), mail);
    GMimeObject *root = parsed.Root();
    cBodySearch search;
    findBody(root, search);
    takeText(root, search.best, options, raw, mail);
    // A blank line put back ends the message's own header, before any part begins.
    cWalk({parsed.withHeaderEnd, parsed.hidden}, search.best, options, mail.attachments).Visit(root);
    return mail;
}

cHtmlBody cMimeReader::ReadHtml(const QByteArray &raw)
{
    cHtmlBody body;
    const cParsed parsed(raw);
    GMimeObject *root = parsed.Root();
    cBodySearch search{.preferred = QByteArrayLiteral("text/html"), .other = {}};
    findBody(root, search);
    if (search.bestRank != 0)
        return body;
    const QByteArray charset = g_mime_object_get_content_type_parameter(search.best, "charset");
    body.html = DecodeCharset(decodedContent(GMIME_PART(search.best)), charset).text;
    addInlineParts(root, body.inlineParts);
    return body;
}
