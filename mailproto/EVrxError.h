// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exception of the mail protocol library, for misuse of a client (a command while not
// connected, a message without sender or recipient) and, inside the outgoing builder, an
// attachment file that cannot be read (TVrxSMTP::Send reports that as a TVrxFailure). Anything
// a server or a message does is a TVrxFailure, never this. The text is shown as it is.
#include <QString>
#include <stdexcept>

class EVrxError : public std::runtime_error
{
public:
    explicit EVrxError(const QString &text) : std::runtime_error(text.toStdString()), fText(text) {}
    QString Text() const { return fText; }

private:
    QString fText;
};
