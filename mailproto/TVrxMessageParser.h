#pragma once
// Reads a received RFC 5322 message into a TVrxMsg: header fields (unfolded), the body as
// text, and attachments, decoded from base64 or uuencode. Three layouts are told apart by the
// top-level Content-Type and Content-Transfer-Encoding: plain text that may carry uuencoded
// blocks, a body that is one encoded file, and multipart (RFC 2046 section 5.1; parts are not
// nested). Quoted-printable and encoded words stay as received.
//
// Parse takes the message bytes as they stand in a file, with CR LF, LF or CR line ends, or,
// with Stuffing::Pop3, the lines of a RETR reply between its status line and the final dot.
// Any input gives a message or an EVrxFormatError with FormatError (a multipart without
// boundary or delimiter lines, bad uuencode); nothing is read past the end.
#include "mailproto/TVrxCodecEvents.h"
#include "mailproto/TVrxMsg.h"

#include <memory>

class TVrxMessageParser
{
public:
    TVrxCodecEvents DecodeEvents;
    QString FormatError = QStringLiteral("Error en el formato del mensaje.");

    enum class Stuffing { None, Pop3 };

    std::unique_ptr<TVrxMsg> Parse(const QByteArray &message, Stuffing stuffing = Stuffing::None) const;

private:
    class Reading;
};
