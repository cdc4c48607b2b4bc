// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Server settings found for an address before they are tried: where they came from and, per
// protocol, the servers in the order the source prefers them.
#include "mailproto/eVrxSecurity.h"

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
};

struct cFoundSettings
{
    // Where the settings came from, for the user: "the provider table", a URL, "DNS SRV records".
    QString source;
    QList<cServerSetting> pop3;
    QList<cServerSetting> smtp;
    // Servers the source named that were left out, and why.
    QStringList notes;
};
