// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server settings found for an address before they are tried: where they came from and, per
// protocol, the servers in the order the source prefers them.
#include "mailproto/eVrxSecurity.h"
#include "transfer/cOAuth2Settings.h"

#include <QList>
#include <QString>
#include <QStringList>

struct cServerSetting
{
    QString host;
    int port = 0;
    eVrxSecurity security = eVrxSecurity::None;
    // The login name; empty means the address itself.
    QString userName;
    // The server takes no password, only an OAuth2 sign-in.
    bool oAuth2Only = false;
};

struct cFoundSettings
{
    // Where the settings came from, for the user: "the provider table", a URL, "DNS SRV records".
    QString source;
    QList<cServerSetting> pop3;
    QList<cServerSetting> smtp;
    // Servers the source named that were left out, and why.
    QStringList notes;
    // The provider's OAuth2 endpoints when the source names them; the client id is the user's.
    cOAuth2Settings oAuth2 = {};

    // Whether the first server of either protocol takes only an OAuth2 sign-in.
    bool NeedsOAuth2() const
    {
        return (!pop3.isEmpty() && pop3.first().oAuth2Only) || (!smtp.isEmpty() && smtp.first().oAuth2Only);
    }
};
