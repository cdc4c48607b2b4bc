// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tokens of one OAuth2 sign-in. They are kept where the account keeps its password (the
// keyring, or scrambled in the accounts file) as one JSON text, so that renaming, deleting and
// moving between keyring and file take them along like a password.
#include "storage/cResult.h"

#include <QByteArray>
#include <QDateTime>

struct cOAuth2Tokens
{
    QByteArray access;
    QByteArray refresh;
    QDateTime expires;

    // Refreshed a minute early, so a token does not run out between the check and its use.
    bool AccessUsable(const QDateTime &now) const;
    bool SignedIn() const { return !refresh.isEmpty(); }

    QByteArray ToSecret() const;
    // What ToSecret wrote; none for anything else (a password typed before OAuth2 was chosen).
    static cOAuth2Tokens FromSecret(const QByteArray &secret);
    // A token endpoint's answer (RFC 6749 section 5): the tokens, keeping previous's refresh
    // token when the answer brings none; or why it failed, invalid_grant as Refused.
    static cResultOf<cOAuth2Tokens> FromTokenAnswer(int httpStatus, const QByteArray &body, const cOAuth2Tokens &previous,
                                                    const QDateTime &now, const QString &where);
};
