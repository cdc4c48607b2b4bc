// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a call of a protocol client failed: what failed, our own words for it (naming the
// server), the command the server refused and its reply as it came. ServerReply is set only
// when the server said no; a failure of ours (transport, a reply that makes no sense, a limit)
// leaves it empty and says everything in Text. Nothing here knows accounts or the user's texts.
#include <QByteArray>
#include <QString>

enum class eVrxFailure {
    None,
    Connect,        // the connection (with TLS, its handshake) could not be opened; no OnError
    Tls,            // no encryption: STLS/STARTTLS missing or refused, or its handshake failed
    Greeting,       // the server refused the session: greeting, HELO/EHLO
    Login,          // the login was refused, or no login the account allows is offered
    Refused,        // the server refused Command
    TimedOut,       // the server did not answer in time
    ConnectionLost, // the connection closed, or a write did not complete
    Protocol,       // the server's reply makes no sense
    TooLarge,       // a message over our limit or the server's
    AddressNotAscii, // an address the server cannot take
    AttachmentUnreadable,
};

class TVrxFailure
{
public:
    TVrxFailure() = default;
    TVrxFailure(eVrxFailure code, QString text, QByteArray command = {}, QByteArray serverReply = {});

    eVrxFailure Code = eVrxFailure::None;
    QString Text;
    // The refused command's verb ("RETR", "RCPT"); empty when none was.
    QByteArray Command;
    // The refusal: its status ("-ERR", "550") and text, continuation lines joined by spaces.
    QByteArray ServerReply;

    bool Failed() const { return Code != eVrxFailure::None; }
    // "550", "-ERR"; empty when the server said nothing.
    QByteArray ReplyStatus() const;
    // The reply after its status, safe to show: bytes that are not UTF-8 and control
    // characters cannot forge a line or an escape sequence.
    QString ReplyText() const;
    // The server's words when it gave a reason, else ours.
    QString Message() const;
};
