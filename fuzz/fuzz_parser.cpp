// Feeds arbitrary bytes to the incoming message parser, both as a file and as a POP3 reply.
// A malformed message may only end in EVrxError; an attachment without decoded bytes, or
// with a name that could leave its folder or reorder on screen, is a finding too.
#include "mailproto/EVrxError.h"
#include "mailproto/TVrxMessageParser.h"

#include <cstddef>
#include <cstdint>

namespace {

bool IsSafeName(const QByteArray &name)
{
    return !name.contains('/') && !name.contains('\\') && !name.contains(';') && !name.contains("\xe2\x80\xae")
           && !name.contains("\xe2\x81\xa6");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const TVrxMessageParser parser;
    const QByteArray message(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto stuffing : {TVrxMessageParser::Stuffing::None, TVrxMessageParser::Stuffing::Pop3}) {
        try {
            const auto msg = parser.Parse(message, stuffing);
            for (int i = 0; i < msg->AttachedFiles.Count(); ++i)
                if (!msg->AttachedFiles.Items(i).Stream || !IsSafeName(msg->AttachedFiles.Items(i).FileName))
                    __builtin_trap();
        } catch (const EVrxError &) {
        }
    }
    return 0;
}
