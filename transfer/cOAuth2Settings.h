// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where and as whom an account signs in with OAuth2: the provider's endpoints and scopes (from
// the provider table, or typed) and the client the user registered with the provider.
#include <QString>

struct cOAuth2Settings
{
    QString authUrl;
    QString tokenUrl;
    // RFC 7009; empty when the provider has none.
    QString revokeUrl;
    // Space-separated, as the authorization request sends them.
    QString scope;
    QString clientId;
    // Only for providers that issue one to installed programs, where it is no real secret.
    QString clientSecret;

    bool operator==(const cOAuth2Settings &) const = default;
};
