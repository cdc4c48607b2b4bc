// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Received messages of about the given size with CR LF line ends for the benchmarks, built a
// slice at a time, so making one never holds much more than the message. The common large
// kind: a short text part and one base64 attachment of random bytes.
#include <QByteArray>
#include <QRandomGenerator>

inline QByteArray MakeLargeMessage(qsizetype messageBytes)
{
    QByteArray message = "From: alice@example.org\r\nTo: bob@example.org\r\nSubject: big file\r\n"
                         "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b0undary\"\r\n\r\n"
                         "--b0undary\r\nContent-Type: text/plain\r\n\r\nThe file you asked for.\r\n\r\n"
                         "--b0undary\r\nContent-Type: application/octet-stream; name=\"big.bin\"\r\n"
                         "Content-Transfer-Encoding: base64\r\n\r\n";
    message.reserve(messageBytes + 64);
    QRandomGenerator generator(7);
    QByteArray slice(57 * 1024, Qt::Uninitialized);
    while (message.size() + 80 * 1024 < messageBytes) {
        generator.fillRange(reinterpret_cast<quint32 *>(slice.data()), slice.size() / 4);
        const QByteArray encoded = slice.toBase64();
        for (qsizetype at = 0; at < encoded.size(); at += 76)
            message.append(encoded.constData() + at, 76).append("\r\n");
    }
    message += "\r\n--b0undary--\r\n";
    return message;
}

// A plain-text message of lines of 72 characters, as a long log or listing comes.
inline QByteArray MakeLargeTextMessage(qsizetype messageBytes)
{
    QByteArray message = "From: alice@example.org\r\nTo: bob@example.org\r\nSubject: big text\r\n"
                         "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=utf-8\r\n\r\n";
    message.reserve(messageBytes + 64);
    const QByteArray line = QByteArray("2026-12-09 09:30:00 worker 7: step done, nothing to report, going on. ") + "\r\n";
    while (message.size() + line.size() < messageBytes)
        message += line;
    return message;
}
