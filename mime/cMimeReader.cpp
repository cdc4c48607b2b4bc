#include "mime/cMimeReader.h"

#include "mime/CharsetText.h"
#include "mime/HeaderBlock.h"
#include "mime/NestingGuard.h"

#include <QTimeZone>
#include <gmime/gmime.h>

#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

struct cUnref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using cGObject = std::unique_ptr<T, cUnref>;

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

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

QByteArray decodedContent(GMimePart *part)
{
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (!content)
        return {};
    cGObject<GMimeStream> stream(g_mime_stream_mem_new());
    g_mime_data_wrapper_write_to_stream(content, stream.get());
    return streamBytes(stream.get());
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

// Best text to show below object: plain (rank 0) before html (rank 1).
void findBody(GMimeObject *object, GMimeObject **best, int *bestRank, int depth = 0)
{
    if (!object || isAttachment(object) || *bestRank == 0 || depth > kMaxNesting)
        return;
    const QByteArray type = typeOf(object);
    if (GMIME_IS_PART(object)) {
        const int rank = type == "text/plain" ? 0 : type == "text/html" ? 1 : 2;
        if (rank < *bestRank) {
            *best = object;
            *bestRank = rank;
        }
        return;
    }
    if (!GMIME_IS_MULTIPART(object))
        return;
    auto *multipart = GMIME_MULTIPART(object);
    if (type == "multipart/related") {
        findBody(relatedStart(multipart), best, bestRank, depth + 1);
        return;
    }
    for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index)
        findBody(g_mime_multipart_get_part(multipart, index), best, bestRank, depth + 1);
}

bool isTextAlternative(GMimeObject *object, const QByteArray &parentType)
{
    return parentType == "multipart/alternative" && typeOf(object).startsWith("text/") && !isAttachment(object)
        && !g_mime_part_get_filename(GMIME_PART(object));
}

class cWalk
{
public:
    cWalk(GMimeObject *body, QList<cDecodedPart> &parts) : fBody(body), fParts(parts) {}

    void Visit(GMimeObject *object, const QByteArray &parentType, int depth = 0)
    {
        if (!object)
            return;
        if (GMIME_IS_MESSAGE_PART(object))
            return takeMessage(GMIME_MESSAGE_PART(object));
        if (GMIME_IS_MULTIPART(object) && depth >= kMaxNesting)
            return takeNested(object);
        if (GMIME_IS_MULTIPART(object)) {
            auto *multipart = GMIME_MULTIPART(object);
            const QByteArray type = typeOf(object);
            for (int index = 0; index < g_mime_multipart_get_count(multipart); ++index)
                Visit(g_mime_multipart_get_part(multipart, index), type, depth + 1);
            return;
        }
        if (GMIME_IS_PART(object) && object != fBody && !isTextAlternative(object, parentType))
            takePart(GMIME_PART(object));
    }

private:
    void takeMessage(GMimeMessagePart *part)
    {
        GMimeMessage *inner = g_mime_message_part_get_message(part);
        fParts.append({fromUtf8(g_mime_object_get_content_disposition_parameter(GMIME_OBJECT(part), "filename")),
                       typeOf(GMIME_OBJECT(part)), inner ? objectBytes(GMIME_OBJECT(inner)) : QByteArray()});
    }

    // Parts nested deeper than we read are kept together as they came, to open elsewhere.
    void takeNested(GMimeObject *multipart)
    {
        fParts.append({QString(), QByteArrayLiteral("message/rfc822"), objectBytes(multipart)});
    }

    void takePart(GMimePart *part)
    {
        fParts.append({fromUtf8(g_mime_part_get_filename(part)), typeOf(GMIME_OBJECT(part)), decodedContent(part)});
    }

    GMimeObject *fBody;
    QList<cDecodedPart> &fParts;
};

// A multipart whose boundary never shows holds all its text before the first part.
QByteArray prologueOf(GMimeObject *root)
{
    if (!GMIME_IS_MULTIPART(root) || g_mime_multipart_get_count(GMIME_MULTIPART(root)) > 0)
        return {};
    return QByteArray(g_mime_multipart_get_prologue(GMIME_MULTIPART(root)));
}

void takeText(GMimeObject *root, GMimeObject *body, cDecodedMail &mail)
{
    if (!body) {
        mail.text = DecodeCharset(prologueOf(root), {}).text;
        return;
    }
    const cCharsetText text =
        DecodeCharset(decodedContent(GMIME_PART(body)), g_mime_object_get_content_type_parameter(body, "charset"));
    mail.text = text.text;
    mail.html = typeOf(body) == "text/html";
    if (!text.known)
        mail.unknownCharset = g_mime_object_get_content_type_parameter(body, "charset");
}

// A field no address parser accepts ("Name <>") is still shown as it stands.
QString rawHeaderText(GMimeMessage *message, const char *field)
{
    const char *value = g_mime_object_get_header(GMIME_OBJECT(message), field);
    if (!value)
        return {};
    char *text = g_mime_utils_header_decode_text(nullptr, value);
    QString result = fromUtf8(text).simplified();
    g_free(text);
    return result;
}

// A field nested too deep to be parsed is shown as it stands.
QString addressText(GMimeMessage *message, const cMailboxes &list, const QByteArray &field)
{
    return list.text.isEmpty() ? rawHeaderText(message, HiddenFieldName(field).constData()) : list.text;
}

void takeHeaders(GMimeMessage *message, cDecodedMail &mail)
{
    mail.subject = fromUtf8(g_mime_message_get_subject(message));
    const cMailboxes from = mailboxes(g_mime_message_get_from(message));
    mail.from = addressText(message, from, "From");
    if (mail.from.isEmpty())
        mail.from = rawHeaderText(message, "From");
    mail.fromName = from.firstName;
    mail.fromAddress = from.firstAddress;
    mail.to = addressText(message, mailboxes(g_mime_message_get_to(message)), "To");
    mail.cc = addressText(message, mailboxes(g_mime_message_get_cc(message)), "Cc");
    mail.date = dateOf(message);
}

} // namespace

cDecodedMail cMimeReader::Read(const QByteArray &raw)
{
    initLibrary();
    cDecodedMail mail;
    const QByteArray whole = WithDeepAddressFieldsHidden(WithHeaderEnd(raw));
    cGObject<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(whole.constData(), size_t(whole.size())));
    cGObject<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    cGObject<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    if (!message) {
        mail.text = DecodeCharset(raw, {}).text;
        return mail;
    }
    takeHeaders(message.get(), mail);
    GMimeObject *root = g_mime_message_get_mime_part(message.get());
    GMimeObject *body = nullptr;
    int rank = 2;
    findBody(root, &body, &rank);
    takeText(root, body, mail);
    cWalk(body, mail.attachments).Visit(root, {});
    return mail;
}
