#pragma once
// A received message of the common large kind for the benchmarks: a short text part and one
// base64 attachment of random bytes, with CR LF line ends.
#include "mailproto/TVrxBase64.h"

#include <QByteArray>
#include <QRandomGenerator>

inline QByteArray MakeLargeMessage(qsizetype attachmentBytes)
{
    QByteArray data(attachmentBytes, Qt::Uninitialized);
    QRandomGenerator generator(7);
    generator.fillRange(reinterpret_cast<quint32 *>(data.data()), attachmentBytes / 4);
    QByteArray message = "From: alice@example.org\r\nTo: bob@example.org\r\nSubject: big file\r\n"
                         "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b0undary\"\r\n\r\n"
                         "--b0undary\r\nContent-Type: text/plain\r\n\r\nThe file you asked for.\r\n\r\n"
                         "--b0undary\r\nContent-Type: application/octet-stream; name=\"big.bin\"\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\n";
    message.reserve(message.size() + attachmentBytes * 4 / 3 * 78 / 76 + 64);
    for (qsizetype at = 0; at < attachmentBytes; at += TVrxBase64::LineBytes)
        message += TVrxBase64::EncodeLine(data.constData() + at, std::min(TVrxBase64::LineBytes, attachmentBytes - at)) + "\r\n";
    message += "\r\n--b0undary--\r\n";
    return message;
}
