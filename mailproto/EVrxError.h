// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exception of the mail protocol library: misuse of a client (a command while not
// connected, a message without sender or recipient), a malformed incoming message, and
// attachment files that cannot be read or written. The text is shown to the user as it is.
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
