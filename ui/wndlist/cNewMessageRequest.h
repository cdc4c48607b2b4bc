// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new message asked for from outside the main window: a mailto: link on the command line or
// handed over by a second start. Empty fields stay empty in the composer.
#include <QString>

struct cNewMessageRequest
{
    QString to;
    QString subject;
    QString cc;
    QString body;
    QString bcc{};

    // Only a request with something in it opens a composer.
    bool isBlank() const
    {
        return to.trimmed().isEmpty() && subject.trimmed().isEmpty() && cc.trimmed().isEmpty()
               && body.trimmed().isEmpty() && bcc.trimmed().isEmpty();
    }
    bool operator==(const cNewMessageRequest &) const = default;
};
