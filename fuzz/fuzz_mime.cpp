// Feeds arbitrary bytes to the MIME reader. It must never crash, hang or leak, and must never
// hand back an attached part that the reader did not find whole (size beyond the input's
// decoded bound).
#include "mime/cMimeReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray message(reinterpret_cast<const char *>(data), qsizetype(size));
    const cDecodedMail mail = cMimeReader::Read(message);
    qsizetype total = 0;
    for (const cDecodedPart &part : mail.attachments)
        total += part.data.size();
    // Decoding only ever shrinks; a uuencoded or base64 part is smaller than its text.
    if (total > 2 * message.size() + 1024)
        __builtin_trap();
    return 0;
}
